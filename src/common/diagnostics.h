#pragma once

#include <QString>

#include <functional>

// Diagnostic lines go to standard output, one line each, flushed at once; they
// are never shown to the user.
void writeDiagnosticLine(const QString &line);

// Sends diagnostic lines elsewhere (a test collecting them); an empty sink
// restores standard output.
using DiagnosticSink = std::function<void(const QString &line)>;
void setDiagnosticSink(DiagnosticSink sink);
