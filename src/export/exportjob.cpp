#include "export/exportjob.h"

#include "common/diagnostics.h"
#include "common/displaytext.h"
#include "common/numbertext.h"
#include "common/temporaryfolder.h"
#include "export/av1steps.h"
#include "export/colour.h"
#include "export/encoderrun.h"
#include "export/exportfiles.h"
#include "export/exportpreflight.h"
#include "export/exportverdict.h"
#include "export/failurecause.h"
#include "export/folderverdict.h"
#include "export/playability.h"
#include "export/posterframe.h"
#include "probe/fileprobe.h"
#include "tools/mediatools.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

ExportJob::ExportJob(ExportRequest request, QObject *parent)
    : QObject(parent), m_request(std::move(request)), m_posterCancelled(std::make_shared<std::atomic<bool>>(false))
{
}

ExportJob::~ExportJob()
{
    if (m_stage == Stage::Idle || m_stage == Stage::Done)
        return;
    // Stopped mid-way: the encoder, then the poster's and the verdict's threads,
    // and only then the folder, which nothing writes to any more.
    m_posterCancelled->store(true);
    m_run.reset();
    m_worker.waitForAll();
    QDir(m_request.folder).removeRecursively();
}

QString ExportJob::path(QStringView name) const
{
    return m_request.folder + u'/' + name.toString();
}

QProcess *ExportJob::encoderProcess() const
{
    return m_run ? m_run->process() : nullptr;
}

void ExportJob::start()
{
    if (m_stage != Stage::Idle)
        return;
    m_stage = Stage::Working;
    m_clock.start();
    writeDiagnosticLine(QStringLiteral("Output folder: ") + m_request.folder);
    if (m_cancelRequested) {
        concludeWhenIdle();
        return;
    }
    if (const std::optional<QString> refusal = exportRefusal(m_request)) {
        refuse(*refusal);
        return;
    }
    m_temporary = std::make_unique<QTemporaryDir>(privateTemporaryTemplate());
    if (!m_temporary->isValid()) {
        fail(QStringLiteral("No temporary folder could be made in %1.").arg(QDir::tempPath()));
        return;
    }
    const FileProbe &probe = *m_request.probe;
    m_inputs = encoderInputs(probe, m_request.sourcePath, m_request.folder, m_request.targetBytes, m_request.frameSize);
    m_inputs.fastStart = m_request.fastStart;
    keepPart(m_inputs, m_request.startSeconds, m_request.endSeconds);
    if (m_request.targetIsCeiling && !m_request.approximateSize && !canHitExactSize(m_inputs)) {
        // No rate to aim for: an encode could only overshoot the limit.
        fail(QStringLiteral("A limit of %1 leaves no rate for this video's picture%2.")
                 .arg(byteCountText(quint64(saturatingInt64(m_request.targetBytes))),
                      m_inputs.duration ? QString() : QStringLiteral(", whose duration is unknown")));
        return;
    }
    writePage();
    if (!QFileInfo::exists(path(pageFileName))) {
        fail(QStringLiteral("The folder %1 cannot be written.").arg(m_request.folder));
        return;
    }
    startPoster();
    if (m_request.evenLoudness && m_inputs.numberOfAudioTracks >= 1 && m_inputs.firstAudioTrackNumber)
        measureSourceLoudness();
    else
        startEncoding();
}

void ExportJob::measureSourceLoudness()
{
    m_runName = QStringLiteral("Measuring loudness");
    m_measuring = true;
    if (m_inputs.duration)
        Q_EMIT progressChanged(0, m_runName);
    m_worker.run([input = sourceInputArguments(m_inputs), map = audioMap(m_inputs), cancelled = m_posterCancelled] {
        return Loudness::measure(input, map, cancelled.get());
    },
                 [this](std::optional<Loudness::Measure> source) {
                     m_measuring = false;
                     if (m_cancelRequested) {
                         concludeWhenIdle();
                         return;
                     }
                     if (source) {
                         m_loudness = Loudness::firstCorrection(*source);
                         writeDiagnosticLine(QStringLiteral("Loudness: the source at %1 LUFS, peaks %2 dBTP")
                                                 .arg(source->integrated).arg(source->truePeak));
                     }
                     if (!m_loudness)
                         writeDiagnosticLine(QStringLiteral("Loudness: the sound is left as it is"));
                     if (m_loudness)
                         m_inputs.audioFilters = Loudness::filters(*m_loudness, sourceSampleRate());
                     startEncoding();
                 });
}

std::optional<int> ExportJob::sourceSampleRate() const
{
    const FileProbe &probe = *m_request.probe;
    if (!probe.json || !m_inputs.firstAudioTrackNumber)
        return std::nullopt;
    bool read = false;
    const int rate = (*probe.json)[u"streams"][*m_inputs.firstAudioTrackNumber][u"sample_rate"].stringValue().toInt(&read);
    return read ? std::optional(rate) : std::nullopt;
}

void ExportJob::startEncoding()
{
    if (m_request.approximateSize || !canHitExactSize(m_inputs)) {
        m_runCount = 1 + plannedAv1Runs();
        if (m_loudness) {
            // The sound alone first, measured and corrected; the one run then
            // encodes it again through the same filters, to the same result.
            m_loudnessBeforeSingleRun = true;
            ++m_runCount;
            startRun(Phase::Loudness, QStringLiteral("Loudness"), audioArguments(m_inputs, m_temporary->path()));
            return;
        }
        startSingleRun();
        return;
    }
    m_runCount = 2 + plannedAv1Runs();
    startRun(Phase::Analysis, QStringLiteral("Analysing"), analysisArguments(m_inputs, m_temporary->path()));
}

void ExportJob::writePage()
{
    m_pageContent = ExportFiles::writePage(m_request);
    // The same run of the encoder writes the captions beside the video; of a
    // part, they are cut beside the poster.
    (isTrimmed(m_inputs) ? m_trimmedCaptions : m_inputs.captions) = m_pageContent.captions;
    for (const CaptionTrack &caption : m_pageContent.captions)
        m_captionNames << caption.fileName;
}

void ExportJob::startPoster()
{
    // The frame taken again at the output size, sharper than a preview stretched
    // to it. The encoder has no need of it, so both run at once.
    m_posterPending = true;
    ExportFiles::PosterWork work;
    work.source = m_request.sourcePath;
    work.seconds = m_request.posterSeconds;
    work.atExactTime = m_request.posterAtExactTime;
    work.temporaryFolder = m_temporary->path();
    work.filters = PosterFrame::posterFilters(m_request.frameSize, toneMapFilters(m_inputs.firstVideoTransfer));
    work.fallback = m_request.fallbackPoster;
    work.posterPath = path(PosterFrame::posterFileName);
    work.size = m_request.frameSize;
    work.captions = m_trimmedCaptions;
    work.folder = m_request.folder;
    work.partStart = m_inputs.start;
    work.partEnd = m_inputs.start + m_inputs.duration.value_or(0);
    m_worker.run(
        [work, cancelled = m_posterCancelled] {
            ExportFiles::writePosterAndCaptions(work, cancelled.get());
            return true;
        },
        [this](bool) {
            m_posterPending = false;
            concludeWhenIdle();
        });
}

void ExportJob::startRun(Phase phase, const QString &name, const QStringList &arguments)
{
    m_phase = phase;
    m_runName = name;
    ++m_runIndex;
    m_runCount = std::max(m_runCount, m_runIndex + 1);
    if (m_run) {
        // Called from the last run's own signal: it goes once that has returned.
        m_previousRun = m_run.release();
        m_previousRun->deleteLater();
    }
    m_run = std::make_unique<EncoderRun>();
    connect(m_run.get(), &EncoderRun::progressChanged, this, &ExportJob::showProgress);
    connect(m_run.get(), &EncoderRun::finished, this, &ExportJob::runFinished);
    if (m_cancelRequested)
        m_run->cancel();
    m_run->start(MediaTools::resourcePath(MediaTools::encoderName).value_or(QString()), arguments, m_inputs.duration);
    Q_EMIT encoderStarted(m_run->process());
    if (m_inputs.duration)
        showProgress(0);
}

void ExportJob::startSingleRun()
{
    startRun(Phase::Single, QStringLiteral("Encoding"), buildEncoderArguments(m_inputs));
}

void ExportJob::startExactPass(const Pass &pass)
{
    const QString name = passName(pass.kind);
    writeDiagnosticLine(QStringLiteral("Exact size: %1 at %2 kb/s").arg(name).arg(pass.videoKilobits));
    m_passes << pass;
    startRun(Phase::Exact, name.left(1).toUpper() + name.mid(1),
             finalArguments(m_inputs, m_temporary->path(), pass.videoKilobits, pass.kind == PassKind::Capped));
}

void ExportJob::showProgress(double runPercent)
{
    // One bar across the runs; a run added to fit the size keeps it where it is.
    m_percent = std::max((m_runIndex * 100 + runPercent) / m_runCount, m_percent);
    Q_EMIT progressChanged(m_percent, m_runName);
}

void ExportJob::runFinished(bool cancelled, bool endedNormally)
{
    if (cancelled || m_cancelRequested) {
        encodingDone(false);
        return;
    }
    if (m_phase == Phase::Av1) {
        av1RunFinished(endedNormally);
        return;
    }
    m_sourceEndedEarly = m_sourceEndedEarly || m_run->sourceEndedEarly();
    if (!endedNormally)
        m_encoderMessage = m_run->lastErrorLines();
    if ((m_phase == Phase::Analysis || m_phase == Phase::Loudness) && endedNormally) {
        if (m_loudness) {
            checkAudioLoudness();
            return;
        }
        analysisDone();
        return;
    }
    if (m_phase == Phase::Exact && !endedNormally && !reportsFullDisk(m_encoderMessage)) {
        // Two-pass libx264 refuses a rate below its own floor for the picture; the
        // single run of old makes the smallest file it can instead.
        writeDiagnosticLine(QStringLiteral("Exact size: the %1 failed, one run as before").arg(passName(m_passes.last().kind)));
        m_runIndex = -1;
        m_runCount = 1 + plannedAv1Runs();
        m_percent = 0;
        startSingleRun();
        return;
    }
    if (m_phase == Phase::Exact) {
        continueExactSize();
        return;
    }
    encodingDone(endedNormally);
}

void ExportJob::analysisDone()
{
    // The video gets exactly what the audio and the container leave of the target.
    const qint64 audio = QFileInfo(m_temporary->path() + u'/' + audioFileName.toString()).size();
    m_fixedBytes = audio + mp4OverheadBytes(m_temporary->path() + u'/' + analysisFileName.toString());
    const qint64 target = saturatingInt64(m_request.targetBytes);
    writeDiagnosticLine(QStringLiteral("Exact size: %1 bytes, audio and container %2").arg(target).arg(m_fixedBytes));
    startExactPass({PassKind::Final, exactVideoKilobits(target, m_fixedBytes, 0, m_inputs.duration.value_or(1)), 0});
}

void ExportJob::checkAudioLoudness()
{
    const QString audioPath = m_temporary->path() + u'/' + audioFileName.toString();
    m_measuring = true;
    m_worker.run([audioPath, cancelled = m_posterCancelled] {
        return Loudness::measure({QStringLiteral("-i"), audioPath}, QStringLiteral("0:a"), cancelled.get());
    },
                 [this](std::optional<Loudness::Measure> written) {
                     m_measuring = false;
                     if (m_cancelRequested) {
                         encodingDone(false);
                         return;
                     }
                     if (written) {
                         writeDiagnosticLine(QStringLiteral("Loudness: the audio at %1 LUFS, peaks %2 dBTP")
                                                 .arg(written->integrated).arg(written->truePeak));
                     }
                     const std::optional<Loudness::Correction> next =
                         Loudness::followUp(*m_loudness, written, m_loudnessCorrections);
                     if (!next) {
                         if (m_loudnessBeforeSingleRun)
                             startSingleRun();
                         else
                             analysisDone();
                         return;
                     }
                     ++m_loudnessCorrections;
                     m_loudness = next;
                     m_inputs.audioFilters = Loudness::filters(*next, sourceSampleRate());
                     startRun(Phase::Loudness, QStringLiteral("Loudness correction"), audioArguments(m_inputs, m_temporary->path()));
                 });
}

void ExportJob::continueExactSize()
{
    m_passes.last().writtenBytes = QFileInfo(path(videoFileName)).size();
    const qint64 target = saturatingInt64(m_request.targetBytes);
    const SizeBounds bounds = m_request.targetIsCeiling ? ceilingBounds : SizeBounds{};
    const std::optional<Pass> next =
        nextExactSizePass(m_passes, target, m_fixedBytes, m_inputs.duration.value_or(1), bounds);
    if (next) {
        writeDiagnosticLine(QStringLiteral("Exact size: %1 of %2 bytes written").arg(m_passes.last().writtenBytes).arg(target));
        startExactPass(*next);
        return;
    }
    const Pass &held = m_passes.last();
    writeDiagnosticLine(QStringLiteral("Exact size: %1 of %2 bytes (%3), held by the %4, run %5")
                            .arg(held.writtenBytes)
                            .arg(target)
                            .arg(double(held.writtenBytes) / double(std::max<qint64>(target, 1)), 0, 'f', 3)
                            .arg(passName(held.kind))
                            .arg(m_runIndex + 1));
    if (held.writtenBytes > 0 && double(held.writtenBytes) < bounds.least * double(target)) {
        // Below the target only where the encoder could not spend the bytes: say so.
        writeDiagnosticLine(QStringLiteral("The video reached the encoder's quality ceiling: %1 of %2 bytes")
                                .arg(held.writtenBytes)
                                .arg(target));
    }
    encodingDone(true);
}

int ExportJob::plannedAv1Runs() const
{
    if (!m_request.av1Version)
        return 0;
    return m_request.approximateSize ? 1 : 2; // a correction is usual; a third run is not
}

QString ExportJob::av1RunPath(qsizetype run) const
{
    return path(QStringLiteral(".av1-run-%1.mp4").arg(run));
}

void ExportJob::startAv1()
{
    m_av1Started = true;
    Av1Start start;
    if (const std::optional<BitRates> rates = bitRates(m_request.targetBytes, m_inputs.duration, m_inputs.numberOfAudioTracks))
        start.singleRunKilobits = rates->video;
    start.hasVideo = m_inputs.firstVideoTrackInfo.has_value();
    start.frameSize = m_request.frameSize;
    start.targetBytes = saturatingInt64(m_request.targetBytes);
    start.fixedBytes = m_fixedBytes;
    start.duration = m_inputs.duration.value_or(0);
    takeAv1Step(firstAv1Step(start));
}

void ExportJob::takeAv1Step(const Av1Step &step)
{
    switch (step.kind) {
    case Av1Step::Kind::Run:
        if (!m_av1Runs.isEmpty()) {
            writeDiagnosticLine(QStringLiteral("AV1 version: %1 of %2 bytes written")
                                    .arg(m_av1Runs.last().writtenBytes)
                                    .arg(saturatingInt64(m_request.targetBytes)));
        }
        startAv1Run(step.kilobits);
        return;
    case Av1Step::Kind::Keep:
        finishAv1(step.keptRun);
        return;
    case Av1Step::Kind::Drop:
        m_av1Problem = step.problem;
        finishAv1(std::nullopt);
        return;
    }
}

void ExportJob::startAv1Run(double videoKilobits)
{
    m_av1Runs << Pass{m_av1Runs.isEmpty() ? PassKind::Final : PassKind::Corrected, videoKilobits, 0};
    writeDiagnosticLine(QStringLiteral("AV1 version: run %1 at %2 kb/s").arg(m_av1Runs.size()).arg(videoKilobits));
    startRun(Phase::Av1, m_av1Runs.size() == 1 ? QStringLiteral("AV1 version") : QStringLiteral("AV1 correction"),
             av1Arguments(m_inputs, av1RunPath(m_av1Runs.size() - 1), videoKilobits));
}

void ExportJob::av1RunFinished(bool endedNormally)
{
    if (endedNormally)
        m_av1Runs.last().writtenBytes = QFileInfo(av1RunPath(m_av1Runs.size() - 1)).size();
    takeAv1Step(nextAv1Step(m_av1Runs, endedNormally, endedNormally ? QString() : m_run->lastErrorLines(),
                            saturatingInt64(m_request.targetBytes), m_fixedBytes, m_request.approximateSize));
}

void ExportJob::finishAv1(std::optional<qsizetype> keptRun)
{
    if (keptRun) {
        const Pass &kept = m_av1Runs.at(*keptRun);
        writeDiagnosticLine(QStringLiteral("AV1 version: %1 of %2 bytes, run %3 of %4")
                                .arg(kept.writtenBytes)
                                .arg(saturatingInt64(m_request.targetBytes))
                                .arg(*keptRun + 1)
                                .arg(m_av1Runs.size()));
        QFile::rename(av1RunPath(*keptRun), path(av1VideoFileName));
    } else {
        writeDiagnosticLine(QStringLiteral("AV1 version left out: ") + QString(m_av1Problem).replace(u'\n', u' '));
    }
    for (qsizetype run = 0; run < m_av1Runs.size(); ++run)
        QFile::remove(av1RunPath(run));
    if (!m_request.minimalPage)
        ExportFiles::writeTypedPage(m_request, m_pageContent);
    encodingDone(true);
}

void ExportJob::encodingDone(bool endedNormally)
{
    if (endedNormally && m_request.av1Version && !m_av1Started && !m_cancelRequested) {
        startAv1();
        return;
    }
    m_encodingDone = true;
    m_encoderEndedNormally = endedNormally;
    concludeWhenIdle();
}

void ExportJob::concludeWhenIdle()
{
    if (m_stage != Stage::Working || m_posterPending || m_measuring || (m_run && !m_encodingDone))
        return;
    if (!m_cancelRequested) {
        judge();
        return;
    }
    QDir(m_request.folder).removeRecursively();
    ExportOutcome outcome;
    outcome.result = ExportOutcome::Result::Cancelled;
    conclude(outcome);
}

void ExportJob::judge()
{
    m_stage = Stage::Judging;
    FailureFacts facts;
    facts.sourcePath = m_request.sourcePath;
    facts.sourceSeconds = m_inputs.duration;
    facts.folder = m_request.folder;
    // The AV1 version, when made, must be there and play like the H.264 file.
    facts.besideVideo = m_captionNames;
    if (QFileInfo::exists(path(av1VideoFileName)))
        facts.besideVideo << av1VideoFileName.toString();
    facts.encoderEndedNormally = m_encoderEndedNormally;
    facts.encoderMessage = m_encoderMessage;
    facts.sourceEndedEarly = m_sourceEndedEarly;
    facts.neededBytes = bytesNeeded(m_request);
    m_worker.run(
        [facts]() mutable {
            facts.names = folderEntryNames(facts.folder);
            const FolderVerdict verdict = judgeFolder(facts.folder, facts.names, facts.encoderEndedNormally,
                                                      isPlayableVideo, facts.besideVideo);
            // A truncated source encodes "well" to its break: only a look at the video tells.
            if (!verdict.success || facts.sourceEndedEarly)
                observeAfterExport(facts);
            return std::pair(facts, verdict);
        },
        [this](const std::pair<FailureFacts, FolderVerdict> &judged) {
            const auto &[observed, verdict] = judged;
            m_stage = Stage::Working;
            if (m_cancelRequested) {
                concludeWhenIdle();
                return;
            }
            EndFacts end;
            if (!MediaTools::resourcePath(MediaTools::encoderName))
                end.missingEncoderFolder = MediaTools::resourceDirectory();
            end.videoBytes = QFileInfo(path(videoFileName)).size();
            end.targetBytes = saturatingInt64(m_request.targetBytes);
            end.limitPromised = m_request.targetIsCeiling && !m_request.approximateSize;
            end.fixedBytes = m_fixedBytes;
            ExportOutcome outcome = exportVerdict(verdict, observed, end);
            outcome.av1Bytes = QFileInfo(path(av1VideoFileName)).size();
            outcome.av1Problem = m_av1Problem;
            conclude(outcome);
        });
}

void ExportJob::fail(const QString &reason)
{
    ExportOutcome outcome;
    outcome.reason = reason;
    for (const QString &name : folderEntryNames(m_request.folder))
        outcome.entries << path(name);
    conclude(outcome);
}

void ExportJob::refuse(const QString &reason)
{
    QDir().rmdir(m_request.folder); // only when empty
    fail(reason);
}

void ExportJob::conclude(ExportOutcome outcome)
{
    m_stage = Stage::Done;
    m_temporary.reset();
    outcome.captionNames = m_captionNames;
    outcome.targetBytes = saturatingInt64(m_request.targetBytes);
    outcome.seconds = double(m_clock.elapsed()) / 1000;
    if (!outcome.succeeded() && !outcome.reason.isEmpty())
        writeDiagnosticLine(QStringLiteral("Export failed: ") + QString(outcome.reason).replace(u'\n', u' '));
    // Never from inside start() or cancel(): the caller learns of the end from the event loop.
    QMetaObject::invokeMethod(this, [this, outcome] { Q_EMIT finished(outcome); }, Qt::QueuedConnection);
}

void ExportJob::cancel()
{
    if (m_stage == Stage::Done || m_cancelRequested)
        return;
    m_cancelRequested = true;
    m_posterCancelled->store(true);
    if (m_run)
        m_run->cancel();
    concludeWhenIdle();
}
