// The display server goes away mid-export (an X server killed, a compositor
// crashed): Qt's platform ends the program from under the window. Run by
// lose-display.sh, which kills the server when told and then checks that the
// export's folder, the temporary folders and the tools are gone.
#include "apptesting.h"
#include "common/abnormalexit.h"

#include <csignal>

using namespace Qt::StringLiterals;

class TestLostDisplay : public QObject
{
    Q_OBJECT

public:
    static void initMain() { usePrivateSettingsStore(); }

private Q_SLOTS:
    void exportWhenTheDisplayGoes()
    {
        AbnormalExit::install(); // as the program's main does, after the test's own message handler
        const QString folder = qEnvironmentVariable("VIDEOFOLD_LOST_DISPLAY_FOLDER");
        const auto server = pid_t(qEnvironmentVariableIntValue("VIDEOFOLD_DISPLAY_SERVER"));
        QVERIFY(!folder.isEmpty() && server > 0);
        LaunchedDelegate delegate;
        delegate.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(delegate.window()));
        QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
        delegate.saving().exportInto(folder);
        QVERIFY(QTest::qWaitFor([&] { return encoderRunning(delegate); }, 20'000));
        QVERIFY(QFileInfo::exists(folder + u"/html5Video.html"_s));
        ::kill(server, SIGKILL);
        // The platform notices within moments and ends the program; it must not come back here.
        QTest::qWait(10'000);
        QFAIL("Still running 10 s after the display server went away");
    }
};

QTEST_MAIN(TestLostDisplay)
#include "tst_lostdisplay.moc"
