#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Runs a prober to its end and returns everything it wrote on standard output;
// standard error is discarded. A prober that cannot start gives empty output and
// a diagnostic line with the reason.
[[nodiscard]] QByteArray runProber(const QString &program, const QStringList &arguments);
