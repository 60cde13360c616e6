#pragma once

#include <QStringList>

// "videofold --check-tools [FILE]": prints where the media tools are and, for
// a file, what the prober makes of it, for packagers and bug reports. Exit
// status 0 when both tools are found and the file (if any) is a usable video.
[[nodiscard]] int checkTools(const QStringList &arguments);
