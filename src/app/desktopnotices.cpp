#include "app/desktopnotices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QVariantMap>

#include <algorithm>
#include <cmath>

namespace DesktopNotices {

namespace {

int lastPercentSent = -1;

void sendLauncherUpdate(const QVariantMap &properties)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage update = QDBusMessage::createSignal(QStringLiteral("/org/videofold/Videofold/LauncherEntry"),
                                                     QStringLiteral("com.canonical.Unity.LauncherEntry"),
                                                     QStringLiteral("Update"));
    update << applicationUri.toString() << properties;
    bus.send(update);
}

} // namespace

void showProgress(double fraction)
{
    const double clamped = std::clamp(fraction, 0.0, 1.0);
    const int percent = int(std::lround(clamped * 100));
    if (percent == lastPercentSent)
        return;
    lastPercentSent = percent;
    sendLauncherUpdate({{QStringLiteral("progress"), clamped}, {QStringLiteral("progress-visible"), true}});
}

void clearProgress()
{
    lastPercentSent = -1;
    sendLauncherUpdate({{QStringLiteral("progress"), 0.0}, {QStringLiteral("progress-visible"), false}});
}

void notify(const QString &summary, const QString &body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints = {{QStringLiteral("desktop-entry"), QStringLiteral("org.videofold.Videofold")}};
    call << QStringLiteral("Videofold") << uint(0) << QStringLiteral("org.videofold.Videofold") << summary << body
         << QStringList() << hints << int(-1);
    // Asynchronous and unanswered: a missing service must not hold anything up.
    bus.asyncCall(call);
}

} // namespace DesktopNotices
