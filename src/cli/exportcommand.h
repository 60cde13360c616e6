#pragma once

#include <QString>
#include <QStringList>

// "videofold export [OPTIONS] SOURCE...": exports each source in turn with the
// core's export job, without a window or a display. Takes the arguments after
// the program's name; returns the exit status: 0 when every source exported, 1
// when any was refused or failed, 2 for a usage error (before anything is
// written), 130 after SIGINT and 143 after SIGTERM. Needs a QCoreApplication.
[[nodiscard]] int runExportCommand(const QStringList &arguments);

// What "videofold --help" prints.
[[nodiscard]] QString applicationHelpText(int width);

inline constexpr int exitSuccess = 0;
inline constexpr int exitFailure = 1;
inline constexpr int exitUsage = 2;
