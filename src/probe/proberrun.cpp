#include "probe/proberrun.h"

#include "common/diagnostics.h"

#include <QProcess>

#include <atomic>

namespace {

std::atomic<qint64> timeLimitMs{120'000};

} // namespace

void setProberTimeLimit(std::chrono::milliseconds limit)
{
    timeLimitMs = limit.count();
}

QByteArray runProber(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) {
        writeDiagnosticLine(process.errorString());
        return {};
    }
    // waitForFinished keeps draining the pipe, so an answer far larger than
    // the pipe's capacity never blocks the prober.
    if (!process.waitForFinished(int(timeLimitMs.load()))) {
        writeDiagnosticLine(QStringLiteral("The prober gave no answer within %1 s and was stopped")
                                .arg(timeLimitMs.load() / 1000.0));
        process.kill();
        process.waitForFinished(-1);
        return {};
    }
    return process.readAllStandardOutput();
}
