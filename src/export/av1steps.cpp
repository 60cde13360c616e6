#include "export/av1steps.h"

#include "common/diagnostics.h"
#include "common/displaytext.h"
#include "common/numbertext.h"
#include "export/encoderarguments.h"
#include "export/sharpness.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

Av1Start av1StartFor(const ExportRequest &request, const EncoderInputs &inputs, qint64 fixedBytes)
{
    Av1Start start;
    if (const std::optional<BitRates> rates = bitRates(request.targetBytes, inputs.duration, inputs.numberOfAudioTracks))
        start.singleRunKilobits = rates->video;
    start.hasVideo = inputs.firstVideoTrackInfo.has_value();
    start.frameSize = request.frameSize;
    start.targetBytes = saturatingInt64(request.targetBytes);
    start.fixedBytes = fixedBytes;
    start.duration = inputs.duration.value_or(0);
    return start;
}

Av1Step firstAv1Step(const Av1Start &start)
{
    if (!start.singleRunKilobits || !start.hasVideo)
        return Av1Step::drop(Av1Problem::unknownDuration, QCoreApplication::translate("Export", "The video's duration is unknown, so no rate could be given to the AV1 encoder."));
    if (start.frameSize.width < av1SmallestSide || start.frameSize.height < av1SmallestSide) {
        return Av1Step::drop(Av1Problem::frameTooSmall, QCoreApplication::translate("Export", "SVT-AV1 makes no video smaller than %1 x %1 pixels; this one is %2.")
                                 .arg(av1SmallestSide)
                                 .arg(frameSizeText(start.frameSize)));
    }
    // The exact size knows what the audio and the container take; one run takes the single run's rate.
    if (start.fixedBytes > 0)
        return Av1Step::run(firstAv1Kilobits(start.targetBytes, start.fixedBytes, start.duration));
    return Av1Step::run(*start.singleRunKilobits);
}

Av1Step nextAv1Step(const QList<Pass> &runs, bool lastEndedNormally, const QString &lastErrorLines, qint64 targetBytes,
                    qint64 fixedBytes, bool approximateSize)
{
    if (!lastEndedNormally) {
        if (lastErrorLines.isEmpty())
            return Av1Step::drop(Av1Problem::encoderStopped, QCoreApplication::translate("Export", "The AV1 encoder stopped."));
        return Av1Step::drop(Av1Problem::encoderStopped, QCoreApplication::translate("Export", "The AV1 encoder stopped:\n%1").arg(lastErrorLines));
    }
    if (approximateSize)
        return Av1Step::keep(runs.size() - 1);
    if (const std::optional<double> next = nextAv1Kilobits(runs, targetBytes, fixedBytes))
        return Av1Step::run(*next);
    if (const std::optional<qsizetype> kept = keptAv1Run(runs, targetBytes))
        return Av1Step::keep(*kept);
    return Av1Step::drop(Av1Problem::overTarget, QCoreApplication::translate("Export", "The AV1 version could not be made as small as %1: it came to %2.")
                             .arg(byteCountText(quint64(targetBytes)), byteCountText(quint64(runs.isEmpty() ? 0 : runs.last().writtenBytes))));
}

Av1Version::Av1Version(QString folder, qint64 targetBytes, bool approximateSize)
    : m_folder(std::move(folder)), m_targetBytes(targetBytes), m_approximateSize(approximateSize)
{
}

Av1Step Av1Version::start(const Av1Start &start)
{
    m_fixedBytes = start.fixedBytes;
    return record(firstAv1Step(start));
}

Av1Step Av1Version::runEnded(bool endedNormally, const QString &errorLines)
{
    if (endedNormally)
        m_runs.last().writtenBytes = QFileInfo(runPath()).size();
    const Av1Step step = nextAv1Step(m_runs, endedNormally, errorLines, m_targetBytes, m_fixedBytes, m_approximateSize);
    if (step.kind == Av1Step::Kind::Run)
        writeDiagnosticLine(QStringLiteral("AV1 version: %1 of %2 bytes written").arg(m_runs.last().writtenBytes).arg(m_targetBytes));
    return record(step);
}

Av1Step Av1Version::record(Av1Step step)
{
    if (step.kind == Av1Step::Kind::Run) {
        m_runs << Pass{m_runs.isEmpty() ? PassKind::Final : PassKind::Corrected, step.kilobits, 0};
        writeDiagnosticLine(QStringLiteral("AV1 version: run %1 at %2 kb/s").arg(m_runs.size()).arg(step.kilobits));
    }
    return step;
}

QString Av1Version::runName() const
{
    return m_runs.size() == 1 ? QCoreApplication::translate("Export", "AV1 version")
                              : QCoreApplication::translate("Export", "AV1 correction");
}

QString Av1Version::runPath(qsizetype run) const
{
    return m_folder + QStringLiteral("/.av1-run-%1.mp4").arg(run);
}

void Av1Version::finish(const Av1Step &step)
{
    if (step.kind == Av1Step::Kind::Keep) {
        const Pass &kept = m_runs.at(step.keptRun);
        writeDiagnosticLine(QStringLiteral("AV1 version: %1 of %2 bytes, run %3 of %4")
                                .arg(kept.writtenBytes)
                                .arg(m_targetBytes)
                                .arg(step.keptRun + 1)
                                .arg(m_runs.size()));
        QFile::rename(runPath(step.keptRun), m_folder + u'/' + av1VideoFileName.toString());
    } else {
        m_problem = step.problem;
        m_problemCode = step.problemCode;
        writeDiagnosticLine(QStringLiteral("AV1 version left out: ") + QString(m_problem).replace(u'\n', u' '));
    }
    for (qsizetype run = 0; run < m_runs.size(); ++run)
        QFile::remove(runPath(run));
}

void Av1Version::judged(const Av1Judgement &judgement)
{
    writeDiagnosticLine(judgement.diagnostic);
    if (judgement.keep)
        return;
    m_problem = judgement.problem;
    m_problemCode = Av1Problem::noSharper;
    QFile::remove(m_folder + u'/' + av1VideoFileName.toString());
}
