// What the desktop learns of an export, on the session bus that dbus-run-session
// gives the test: the launcher entry's progress and a notification at the end.
#include "apptesting.h"
#include "app/desktopnotices.h"

#include <QDBusConnection>
#include <QSlider>

using namespace Qt::StringLiterals;

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
    static void initMain() { usePrivateSettingsStore(); }

private Q_SLOTS:
    void exportSeenOutsideTheWindow()
    {
        // The listeners on a connection of their own, as other programs would be.
        QDBusConnection desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"desktop"_s);
        if (!desktop.isConnected())
            QSKIP("no session bus: run under dbus-run-session");
        FakeNotifications notifications;
        QVERIFY(desktop.registerObject(u"/org/freedesktop/Notifications"_s, &notifications, QDBusConnection::ExportAllSlots));
        if (!desktop.registerService(u"org.freedesktop.Notifications"_s))
            QSKIP("the desktop's own notification service is up: run under dbus-run-session");
        LauncherListener launcher;
        QVERIFY(desktop.connect(QString(), QString(), u"com.canonical.Unity.LauncherEntry"_s, u"Update"_s, &launcher,
                                SLOT(update(QString, QVariantMap))));

        // A window that is not active, as when the user works elsewhere.
        LaunchedDelegate delegate;
        QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
        delegate.outputResolutionSlider->setValue(25);
        QTemporaryDir out;
        QCOMPARE(exportAndWait(delegate, out.filePath(u"Holiday"_s), 120'000), std::optional(true));
        QTRY_COMPARE(notifications.calls, QStringList{u"org.videofold.Videofold|HTML5 video created|Holiday"_s});

        // The progress rose and was taken away at the end.
        QTRY_VERIFY(!launcher.updates.isEmpty() && !launcher.updates.last().value(u"progress-visible"_s).toBool());
        QVERIFY(launcher.updates.size() >= 3);
        double previous = -1;
        for (const QVariantMap &update : launcher.updates.first(launcher.updates.size() - 1)) {
            const double progress = update.value(u"progress"_s).toDouble();
            QVERIFY(update.value(u"progress-visible"_s).toBool() && progress > previous && progress <= 1);
            previous = progress;
        }

        // Without a notification service an export still ends as usual.
        QVERIFY(desktop.unregisterService(u"org.freedesktop.Notifications"_s));
        delegate.outputResolutionSlider->setValue(10);
        delegate.outputFileSizeSlider->setValue(5);
        QCOMPARE(exportAndWait(delegate, out.filePath(u"Again"_s), 120'000), std::optional(true));
        QCOMPARE(notifications.calls.size(), 1);
    }
};

QTEST_MAIN(TestDesktopNotices)
#include "tst_desktopnotices.moc"
