#pragma once

#include <QString>

// What the desktop outside the window learns of an export, over the session
// bus: its progress on the taskbar or dock entry, and a notification at its end.
// Without a session bus or a service that listens, nothing happens and nothing
// waits.
namespace DesktopNotices {

inline constexpr QStringView applicationUri = u"application://org.videofold.Videofold.desktop";

// The launcher entry's progress bar at fraction (0 to 1); sent when the whole
// percentage changes.
void showProgress(double fraction);
// Hides the launcher entry's progress bar.
void clearProgress();
// A desktop notification with the application's icon.
void notify(const QString &summary, const QString &body);

} // namespace DesktopNotices
