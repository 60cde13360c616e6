// What the desktop learns of an export, on a private session bus of the test's
// own: the launcher entry's progress and a notification at the end.
#include "apptesting.h"
#include "app/desktopnotices.h"

#include <QDBusConnection>
#include <QSlider>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

pid_t busPid = 0;

// Starts a session bus for this process; false where dbus-daemon is missing.
bool startPrivateBus()
{
    FILE *daemon = ::popen("dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null", "r");
    if (!daemon)
        return false;
    char address[512] = {};
    char pid[32] = {};
    const bool read = std::fgets(address, sizeof address, daemon) && std::fgets(pid, sizeof pid, daemon);
    ::pclose(daemon);
    if (!read)
        return false;
    address[std::strcspn(address, "\n")] = '\0';
    ::setenv("DBUS_SESSION_BUS_ADDRESS", address, 1);
    busPid = pid_t(std::atoi(pid));
    return busPid > 0;
}

} // namespace

// A notification service that only listens.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList calls; // "icon|summary|body"
public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &icon, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &, int)
    {
        calls << icon + u'|' + summary + u'|' + body;
        return uint(calls.size());
    }
};

// Records the launcher entry's updates.
class LauncherListener : public QObject
{
    Q_OBJECT
public:
    QList<QVariantMap> updates;
public Q_SLOTS:
    void update(const QString &uri, const QVariantMap &properties)
    {
        if (uri == DesktopNotices::applicationUri)
            updates << properties;
    }
};

class TestDesktopNotices : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        usePrivateSettingsStore();
        startPrivateBus();
    }

private Q_SLOTS:
    void cleanupTestCase()
    {
        if (busPid)
            ::kill(busPid, SIGTERM);
    }
    void exportSeenOutsideTheWindow();
};

void TestDesktopNotices::exportSeenOutsideTheWindow()
{
    if (!busPid)
        QSKIP("dbus-daemon is missing");
    // The listeners on a connection of their own, as other programs would be.
    QDBusConnection desktop = QDBusConnection::connectToBus(qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"),
                                                            u"desktop"_s);
    QVERIFY(desktop.isConnected());
    FakeNotifications notifications;
    QVERIFY(desktop.registerObject(u"/org/freedesktop/Notifications"_s, &notifications,
                                   QDBusConnection::ExportAllSlots));
    QVERIFY(desktop.registerService(u"org.freedesktop.Notifications"_s));
    LauncherListener launcher;
    QVERIFY(desktop.connect(QString(), QString(), u"com.canonical.Unity.LauncherEntry"_s, u"Update"_s, &launcher,
                            SLOT(update(QString, QVariantMap))));

    // A window that is not active, as when the user works elsewhere.
    LaunchedDelegate delegate;
    QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
    delegate.outputResolutionSlider->setValue(25);
    QTemporaryDir out;
    QCOMPARE(exportAndWait(delegate, out.filePath(u"Holiday"_s), 120'000), std::optional(true));
    answerAlert(delegate);
    QTRY_COMPARE(notifications.calls, QStringList{u"org.videofold.Videofold|HTML5 video created|Holiday"_s});

    // The progress rose and was taken away at the end.
    QTRY_VERIFY(!launcher.updates.isEmpty() && !launcher.updates.last().value(u"progress-visible"_s).toBool());
    QVERIFY(launcher.updates.size() >= 3);
    double previous = -1;
    for (const QVariantMap &update : launcher.updates.first(launcher.updates.size() - 1)) {
        QVERIFY(update.value(u"progress-visible"_s).toBool());
        const double progress = update.value(u"progress"_s).toDouble();
        QVERIFY(progress > previous && progress <= 1);
        previous = progress;
    }

    // Without a notification service an export still ends as usual.
    QVERIFY(desktop.unregisterService(u"org.freedesktop.Notifications"_s));
    delegate.outputResolutionSlider->setValue(10);
    delegate.outputFileSizeSlider->setValue(5);
    QCOMPARE(exportAndWait(delegate, out.filePath(u"Again"_s), 120'000), std::optional(true));
    answerAlert(delegate);
    QCOMPARE(notifications.calls.size(), 1);
}

QTEST_MAIN(TestDesktopNotices)
#include "tst_desktopnotices.moc"
