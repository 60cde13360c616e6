#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <chrono>

// Runs a prober to its end and returns everything it wrote on standard output;
// standard error is discarded. A prober that cannot start gives empty output and
// a diagnostic line with the reason; one that does not end within the time
// limit is killed and gives empty output too.
[[nodiscard]] QByteArray runProber(const QString &program, const QStringList &arguments);

// The time limit of a prober run: generous (two minutes), since a slow disk or
// a network share can make a real probe take long. Tests shorten it.
void setProberTimeLimit(std::chrono::milliseconds limit);
