// The window in a Wayland session, as most Linux desktops start one: it opens a
// video, exports it and quits, sharp at the compositor's scale.
#include "apptesting.h"

#include <QApplication>
#include <QScreen>

#include <dlfcn.h>

using namespace Qt::StringLiterals;

class TestWayland : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        usePrivateSettingsStore();
        // Mesa's EGL driver keeps one allocation for the process's life, and libglvnd unloads the
        // driver at exit; kept loaded, the sanitizer can name its module, which the suppressions do.
        ::dlopen("libEGL_mesa.so.0", RTLD_NOW | RTLD_NODELETE);
    }

private Q_SLOTS:
    void opensExportsAndQuits()
    {
        QCOMPARE(QGuiApplication::platformName(), u"wayland"_s);
        LaunchedDelegate delegate;
        QMainWindow *window = delegate.window();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        // Drawn at the output's scale, not stretched from a smaller picture.
        QCOMPARE(window->devicePixelRatio(), window->screen()->devicePixelRatio());
        QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
        QTemporaryDir out;
        const QString folder = out.filePath(u"wayland"_s);
        QCOMPARE(exportAndWait(delegate, folder), std::optional(true));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 3);
        QVERIFY(clickButton(takeAlert(delegate), u"OK"_s));
        // Quitting as the menu does: the window closes, nothing is left running.
        child<QAction>(delegate, "quitAction")->trigger();
        QTRY_VERIFY(!window->isVisible());
        QTRY_VERIFY(childProcesses().isEmpty());
    }
};

QTEST_MAIN(TestWayland)
#include "tst_wayland.moc"
