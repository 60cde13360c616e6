#include "export/exportsteps.h"

#include "common/diagnostics.h"
#include "common/numbertext.h"
#include "export/av1steps.h"
#include "export/exactsizeruns.h"
#include "export/exportfiles.h"
#include "export/adaptivefolder.h"
#include "export/failurecause.h"
#include "export/htmlpage.h"
#include "export/sharpness.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

StepAction SourceLoudnessStep::start()
{
    m_measured = std::make_shared<std::optional<Loudness::Measure>>();
    return StepAction::measureWith(
        ExportStage::MeasuringLoudness, QCoreApplication::translate("Export", "Measuring loudness"),
        [measured = m_measured, input = sourceInputArguments(m_work.inputs), map = audioMap(m_work.inputs)](const std::atomic<bool> *cancelled) {
            *measured = Loudness::measure(input, map, cancelled);
        });
}

StepAction SourceLoudnessStep::measureEnded()
{
    m_work.loudness.emplace(firstAudioSampleRate(*m_work.request.probe, m_work.inputs));
    if (const std::optional<QString> filters = m_work.loudness->sourceMeasured(*m_measured))
        m_work.inputs.audioFilters = *filters;
    return StepAction::done();
}

H264Step::H264Step(ExportWork &work) : m_work(work)
{
    m_exactSize = !work.request.approximateSize && canHitExactSize(work.inputs);
    m_plannedRuns = m_exactSize ? 2 : 1;
}

H264Step::~H264Step() = default;

StepAction H264Step::start()
{
    if (m_exactSize)
        return run(Phase::Analysis, ExportStage::Analysing, QCoreApplication::translate("Export", "Analysing"),
                   analysisArguments(m_work.inputs, m_work.temporaryPath));
    if (m_work.isCorrectingLoudness()) {
        // The sound alone first, measured and corrected; the one run then
        // encodes it again through the same filters, to the same result.
        ++m_plannedRuns;
        return run(Phase::Loudness, ExportStage::CorrectingLoudness, QCoreApplication::translate("Export", "Loudness"),
                   audioArguments(m_work.inputs, m_work.temporaryPath));
    }
    return singleRun();
}

StepAction H264Step::run(Phase phase, ExportStage stage, const QString &name, const QStringList &arguments)
{
    m_phase = phase;
    return StepAction::encode(stage, name, arguments);
}

StepAction H264Step::singleRun()
{
    return run(Phase::Single, ExportStage::Encoding, QCoreApplication::translate("Export", "Encoding"),
               buildEncoderArguments(m_work.inputs));
}

StepAction H264Step::encoderEnded(const RunEnd &end)
{
    m_work.sourceEndedEarly = m_work.sourceEndedEarly || end.sourceEndedEarly;
    if (!end.endedNormally)
        m_work.encoderMessage = end.errorLines;
    switch (m_phase) {
    case Phase::Analysis:
    case Phase::Loudness:
        if (!end.endedNormally)
            return ended(false);
        return m_work.isCorrectingLoudness() ? measureAudio() : firstExactPass();
    case Phase::Exact:
        if (end.endedNormally) {
            if (const std::optional<Pass> next = m_exact->passEnded(QFileInfo(m_work.request.folder + u'/' + videoFileName.toString()).size()))
                return exactPass(*next);
            return ended(true);
        }
        if (reportsFullDisk(end.errorLines))
            return ended(false); // another pass would only fill the disk again
        {
            // Two-pass libx264 refuses a rate below its own floor for the picture; the
            // single run of old makes the smallest file it can instead.
            writeDiagnosticLine(QStringLiteral("Exact size: the %1 failed, one run as before").arg(passName(m_exact->last().kind)));
            m_plannedRuns = 1;
            StepAction action = singleRun();
            action.restartsProgress = true;
            return action;
        }
    case Phase::Single:
        break;
    }
    return ended(end.endedNormally);
}

StepAction H264Step::measureAudio()
{
    m_audioMeasured = std::make_shared<std::optional<Loudness::Measure>>();
    return StepAction::measureWith(
        ExportStage::CorrectingLoudness, QCoreApplication::translate("Export", "Measuring loudness"),
        [measured = m_audioMeasured, audioPath = m_work.temporaryPath + u'/' + audioFileName.toString()](const std::atomic<bool> *cancelled) {
            *measured = Loudness::measure({QStringLiteral("-i"), audioPath}, QStringLiteral("0:a"), cancelled);
        });
}

StepAction H264Step::measureEnded()
{
    const std::optional<QString> filters = m_work.loudness->audioMeasured(*m_audioMeasured);
    if (!filters)
        return m_exactSize ? firstExactPass() : singleRun();
    m_work.inputs.audioFilters = *filters;
    ++m_plannedRuns;
    return run(Phase::Loudness, ExportStage::CorrectingLoudness, QCoreApplication::translate("Export", "Loudness correction"),
               audioArguments(m_work.inputs, m_work.temporaryPath));
}

StepAction H264Step::firstExactPass()
{
    const qint64 audio = QFileInfo(m_work.temporaryPath + u'/' + audioFileName.toString()).size();
    m_work.fixedBytes = audio + mp4OverheadBytes(m_work.temporaryPath + u'/' + analysisFileName.toString());
    m_exact = std::make_unique<ExactSizeRuns>(saturatingInt64(m_work.request.targetBytes), m_work.inputs.duration.value_or(1),
                                              m_work.request.targetIsCeiling);
    return exactPass(m_exact->first(m_work.fixedBytes));
}

StepAction H264Step::exactPass(const Pass &pass)
{
    if (pass.kind != PassKind::Final)
        ++m_plannedRuns; // a correction of the size
    return run(Phase::Exact, ExportStage::Encoding, passTitle(pass.kind),
               finalArguments(m_work.inputs, m_work.temporaryPath, pass.videoKilobits, pass.kind == PassKind::Capped));
}

StepAction H264Step::ended(bool endedNormally)
{
    m_work.encoderEndedNormally = endedNormally;
    return StepAction::done();
}

namespace {

// The sheets and the track, when every sheet is there and the track could be
// written; else nothing is left of them.
QStringList keptThumbnails(const QString &folder, const ThumbnailPlan &plan, double seconds, bool ran)
{
    QStringList files;
    for (qsizetype sheet = 1; sheet <= plan.sheetCount(); ++sheet)
        files << thumbnailSheetName(sheet);
    bool complete = ran;
    for (const QString &file : files)
        complete = complete && QFileInfo(folder + u'/' + file).size() > 0;
    files << thumbnailTrackFileName.toString();
    if (complete && writeFileAtomically(folder + u'/' + files.last(), thumbnailTrack(plan, seconds)))
        return files;
    for (const QString &file : files)
        QFile::remove(folder + u'/' + file);
    writeDiagnosticLine(QStringLiteral("Thumbnails: none, the sheets were not all written"));
    return {};
}

} // namespace

StepAction ThumbnailStep::start()
{
    return StepAction::encode(ExportStage::Thumbnails, QCoreApplication::translate("Export", "Thumbnails"),
                              thumbnailSheetArguments(m_work.request.folder + u'/' + videoFileName.toString(),
                                                      *m_work.thumbnails, m_work.request.folder));
}

StepAction ThumbnailStep::encoderEnded(const RunEnd &end)
{
    m_written = std::make_shared<QStringList>();
    return StepAction::measureWith(
        ExportStage::Thumbnails, QCoreApplication::translate("Export", "Thumbnails"),
        [written = m_written, folder = m_work.request.folder, plan = *m_work.thumbnails,
         seconds = m_work.inputs.duration.value_or(0), ran = end.endedNormally](const std::atomic<bool> *) {
            *written = keptThumbnails(folder, plan, seconds, ran);
        });
}

StepAction ThumbnailStep::measureEnded()
{
    m_work.thumbnailFiles = *m_written;
    if (!m_work.thumbnailFiles.isEmpty()) {
        m_work.pageContent.thumbnails = thumbnailTrackFileName.toString();
        ExportFiles::rewritePage(m_work.request, m_work.pageContent);
    }
    return StepAction::done();
}

StepAction AdaptiveStep::start()
{
    const QString streamFolder = m_work.request.folder + u'/' + AdaptiveLadder::folderName.toString();
    QDir().mkpath(streamFolder);
    return StepAction::encode(ExportStage::EncodingQualities,
                              QCoreApplication::translate("Export", "Encoding %n smaller qualities", nullptr,
                                                          int(m_work.lowerQualities.size())),
                              ladderArguments(m_work.inputs, m_work.lowerQualities, streamFolder));
}

StepAction AdaptiveStep::encoderEnded(const RunEnd &end)
{
    m_work.sourceEndedEarly = m_work.sourceEndedEarly || end.sourceEndedEarly;
    if (!end.endedNormally) {
        m_work.encoderEndedNormally = false;
        m_work.encoderMessage = end.errorLines;
        return StepAction::done();
    }
    m_written = std::make_shared<AdaptiveFolder::Written>();
    return StepAction::measureWith(
        ExportStage::EncodingQualities, QCoreApplication::translate("Export", "Writing the playlists"),
        [written = m_written, folder = m_work.request.folder, top = m_work.request.frameSize,
         lower = m_work.lowerQualities, rate = m_work.inputs.frameRate](const std::atomic<bool> *) {
            *written = AdaptiveFolder::write(folder, top, lower, rate);
        });
}

StepAction AdaptiveStep::measureEnded()
{
    m_work.qualities = m_written->qualities;
    m_work.adaptiveFailure = m_written->problem;
    if (m_work.adaptiveFailure.isEmpty() && !m_work.request.minimalPage)
        ExportFiles::writeTypedPage(m_work.request, m_work.pageContent);
    return StepAction::done();
}

Av1VersionStep::Av1VersionStep(ExportWork &work) : m_work(work) {}

Av1VersionStep::~Av1VersionStep() = default;

int Av1VersionStep::plannedRuns() const
{
    return Av1Version::plannedRuns(m_work.request.approximateSize);
}

StepAction Av1VersionStep::start()
{
    const Av1Start start = av1StartFor(m_work.request, m_work.inputs, m_work.fixedBytes);
    m_av1 = std::make_unique<Av1Version>(m_work.request.folder, start.targetBytes, m_work.request.approximateSize);
    return take(m_av1->start(start));
}

StepAction Av1VersionStep::encoderEnded(const RunEnd &end)
{
    return take(m_av1->runEnded(end.endedNormally, end.endedNormally ? QString() : end.errorLines));
}

StepAction Av1VersionStep::take(const Av1Step &step)
{
    if (step.kind == Av1Step::Kind::Run)
        return StepAction::encode(ExportStage::EncodingAv1, m_av1->runName(), av1Arguments(m_work.inputs, m_av1->runPath(), step.kilobits));
    m_av1->finish(step);
    return step.kind == Av1Step::Kind::Keep ? compare() : finish();
}

StepAction Av1VersionStep::compare()
{
    m_sharpness = std::make_shared<Sharpness>();
    const QString folder = m_work.request.folder + u'/';
    return StepAction::measureWith(
        ExportStage::Comparing, QCoreApplication::translate("Export", "Comparing both videos with the source"),
        [sharpness = m_sharpness, seconds = m_work.inputs.duration.value_or(0),
         arguments = sharpnessArguments(m_work.inputs, folder + videoFileName.toString(), folder + av1VideoFileName.toString())](
            const std::atomic<bool> *cancelled) { *sharpness = measureSharpness(arguments, seconds, cancelled); });
}

StepAction Av1VersionStep::measureEnded()
{
    m_av1->judged(judgeSharpness(*m_sharpness));
    return finish();
}

StepAction Av1VersionStep::finish()
{
    m_work.av1Problem = m_av1->problem();
    m_work.av1ProblemCode = m_av1->problemCode();
    if (!m_work.request.minimalPage)
        ExportFiles::writeTypedPage(m_work.request, m_work.pageContent);
    return StepAction::done();
}
