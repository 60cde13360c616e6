#include "probe/proberrun.h"

#include "common/diagnostics.h"

#include <QProcess>

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
    process.waitForFinished(-1);
    return process.readAllStandardOutput();
}
