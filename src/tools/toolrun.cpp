#include "tools/toolrun.h"

#include "common/diagnostics.h"
#include "common/threadcancel.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <sys/prctl.h>

#include <csignal>

void endWithApplication(QProcess &process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

namespace ToolRun {

namespace {

constexpr qsizetype errorTailBytes = 16 * 1024;
constexpr int pollMs = 50;

QString lastLines(const QByteArray &bytes)
{
    QStringList lines = QString::fromUtf8(bytes).split(u'\n', Qt::SkipEmptyParts);
    for (QString &line : lines)
        line = line.trimmed();
    lines.removeAll(QString());
    return lines.mid(std::max<qsizetype>(0, lines.size() - keptErrorLines)).join(u'\n');
}

void stop(QProcess &process)
{
    process.kill();
    process.waitForFinished(-1);
}

} // namespace

Result run(const QString &program, const QStringList &arguments, const Options &options)
{
    Result result;
    const auto cancelRequested = [&options] {
        return (options.cancelled && options.cancelled->load()) || ThreadCancel::requested();
    };
    if (cancelRequested()) {
        result.end = Result::End::Cancelled;
        return result;
    }
    QProcess process;
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(options.errorsAsOutput ? QProcess::MergedChannels : QProcess::SeparateChannels);
    endWithApplication(process);
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(-1)) {
        result.errorLines = process.errorString();
        writeDiagnosticLine(QStringLiteral("%1 did not start: %2").arg(QFileInfo(program).fileName(), result.errorLines));
        return result;
    }
    QByteArray errors;
    const auto drain = [&] {
        const QByteArray output = process.readAllStandardOutput();
        result.output += output;
        // Merged, what the tool said on standard error is in its output.
        errors += options.errorsAsOutput ? output : process.readAllStandardError();
        if (errors.size() > errorTailBytes)
            errors = errors.right(errorTailBytes);
    };
    QElapsedTimer clock;
    clock.start();
    // Reading as it comes keeps an answer far larger than a pipe from blocking the tool.
    while (!process.waitForFinished(pollMs) && process.state() != QProcess::NotRunning) {
        drain();
        if (cancelRequested()) {
            stop(process);
            result.end = Result::End::Cancelled;
            return result;
        }
        if (clock.elapsed() >= options.timeLimit.count()) {
            stop(process);
            result.end = Result::End::TimedOut;
            writeDiagnosticLine(QStringLiteral("%1 did not end within %2 s and was stopped")
                                    .arg(QFileInfo(program).fileName())
                                    .arg(double(options.timeLimit.count()) / 1000));
            result.errorLines = lastLines(errors);
            return result;
        }
    }
    drain();
    result.errorLines = lastLines(errors);
    result.exitCode = process.exitCode();
    result.end = process.exitStatus() == QProcess::NormalExit ? Result::End::Exited : Result::End::Crashed;
    return result;
}

} // namespace ToolRun
