#include "common/diagnostics.h"

#include <QMutex>

#include <cstdio>

namespace {

QMutex &sinkMutex()
{
    static QMutex mutex;
    return mutex;
}

DiagnosticSink &currentSink()
{
    static DiagnosticSink sink;
    return sink;
}

} // namespace

void writeDiagnosticLine(const QString &line)
{
    const QMutexLocker locker(&sinkMutex());
    if (currentSink()) {
        currentSink()(line);
        return;
    }
    // One write per line keeps lines of concurrent writers whole.
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void setDiagnosticSink(DiagnosticSink sink)
{
    const QMutexLocker locker(&sinkMutex());
    currentSink() = std::move(sink);
}
