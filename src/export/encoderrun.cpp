#include "export/encoderrun.h"

#include "common/diagnostics.h"
#include "tools/toolrun.h"
#include "export/progress.h"

#include <QRegularExpression>
#include <QTimer>

EncoderRun::EncoderRun(QObject *parent) : QObject(parent)
{
    // A stray key press on an inherited terminal would end the encode early.
    m_process.setStandardInputFile(QProcess::nullDevice());
    m_process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
    endWithApplication(m_process);
    connect(&m_process, &QProcess::readyReadStandardError, this, &EncoderRun::readDiagnostics);
    connect(&m_process, &QProcess::finished, this, &EncoderRun::processFinished);
    connect(&m_process, &QProcess::errorOccurred, this, &EncoderRun::processFailed);
}

EncoderRun::~EncoderRun()
{
    if (!isRunning())
        return;
    // Nobody wants what it writes any more: killed, it ends at once, where a
    // polite request would let it finish its file while the window waits.
    m_process.disconnect(this);
    m_process.kill();
    m_process.waitForFinished(1000);
}

void EncoderRun::start(const QString &program, const QStringList &arguments, std::optional<double> duration)
{
    m_duration = duration;
    writeDiagnosticLine(QStringLiteral("Encoder arguments: ") + arguments.join(u' '));
    writeDiagnosticLine(QStringLiteral("Duration: ") + (duration ? QString::number(*duration) : QStringLiteral("unknown")));
    if (m_cancelled) {
        // Cancelled before the encoder could start: it never does.
        m_done = true;
        QMetaObject::invokeMethod(this, [this] { Q_EMIT finished(true, false); }, Qt::QueuedConnection);
        return;
    }
    m_process.start(program, arguments);
}

void EncoderRun::cancel()
{
    m_cancelled = true;
    if (!isRunning())
        return;
    m_process.terminate();
    // Asked politely, the encoder finishes its file, and with fast start rewrites
    // all of it, for a folder about to be deleted: it gets a moment, not minutes.
    QTimer::singleShot(killDelay, this, [this] {
        if (isRunning())
            m_process.kill();
    });
}

void EncoderRun::readDiagnostics()
{
    const QByteArray chunk = m_process.readAllStandardError();
    constexpr qsizetype tailBytes = 4096;
    m_tail = (m_tail + chunk).right(tailBytes);
    m_sourceEndedEarly = m_sourceEndedEarly || m_tail.contains("partial file");
    if (!m_duration)
        return;
    if (const std::optional<double> percent = progressPercent(chunk, *m_duration))
        Q_EMIT progressChanged(*percent);
}

QString EncoderRun::lastErrorLines() const
{
    QStringList lines;
    const QString text = QString::fromUtf8(m_tail);
    for (QString line : text.split(QRegularExpression(QStringLiteral("[\r\n]")), Qt::SkipEmptyParts)) {
        line = line.trimmed();
        if (!line.isEmpty() && !line.startsWith(u"frame=") && !line.startsWith(u"size="))
            lines << line;
    }
    constexpr qsizetype shown = 3;
    return lines.mid(std::max<qsizetype>(0, lines.size() - shown)).join(u'\n');
}

void EncoderRun::processFinished(int exitCode, QProcess::ExitStatus status)
{
    if (m_done)
        return;
    m_done = true;
    Q_EMIT finished(m_cancelled, status == QProcess::NormalExit && exitCode == 0);
}

void EncoderRun::processFailed(QProcess::ProcessError error)
{
    // A failed start ends the run at once; other errors are followed by finished.
    if (error != QProcess::FailedToStart || m_done)
        return;
    m_done = true;
    Q_EMIT finished(m_cancelled, false);
}
