#include "export/exportjob.h"

#include "common/abnormalexit.h"
#include "common/diagnostics.h"
#include "common/numbertext.h"
#include "common/temporaryfolder.h"
#include "export/captiontrim.h"
#include "export/colour.h"
#include "export/encoderrun.h"
#include "export/exportfiles.h"
#include "export/exportpreflight.h"
#include "export/exportverdict.h"
#include "export/folderverdict.h"
#include "export/posterframe.h"
#include "export/webplayer.h"
#include "probe/fileprobe.h"
#include "tools/mediatools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <numeric>

ExportJob::ExportJob(ExportRequest request, QObject *parent)
    : QObject(parent), m_request(std::move(request)), m_cancelled(std::make_shared<std::atomic<bool>>(false))
{
}

ExportJob::~ExportJob()
{
    if (m_stage == ExportStage::Idle || m_stage == ExportStage::Done)
        return;
    // Stopped mid-way: the encoder, then the poster's, the measures' and the
    // verdict's threads, and only then the folder, which nothing writes to any more.
    m_cancelled->store(true);
    m_run.reset();
    m_worker.waitForAll();
    removeFolder();
    AbnormalExit::dropCleanup(m_abnormalExitCleanup);
}

QString ExportJob::path(QStringView name) const
{
    return m_request.folder + u'/' + name.toString();
}

QProcess *ExportJob::encoderProcess() const
{
    return m_run ? m_run->process() : nullptr;
}

void ExportJob::setStage(ExportStage stage)
{
    if (stage == m_stage)
        return;
    m_stage = stage;
    Q_EMIT stageChanged(stage);
}

void ExportJob::removeFolder()
{
    // A folder put in its place meanwhile (moved there, or made anew) is not ours to delete.
    removeFolderIfSame(m_request.folder, m_folderIdentity);
}

void ExportJob::start()
{
    if (m_stage != ExportStage::Idle)
        return;
    setStage(ExportStage::Preparing);
    m_clock.start();
    m_folderIdentity = folderIdentity(m_request.folder);
    m_abnormalExitCleanup = AbnormalExit::addCleanup([this] {
        // The poster's thread, its tool killed, would write the fallback still in
        // the folder while it goes; its end is awaited first, as at a cancel.
        m_cancelled->store(true);
        m_worker.cancelAndAwait(QDeadlineTimer(std::chrono::seconds(2)));
        removeFolder();
    });
    writeDiagnosticLine(QStringLiteral("Output folder: ") + m_request.folder);
    if (m_cancelRequested) {
        concludeWhenIdle();
        return;
    }
    if (const std::optional<QString> refusal = exportRefusal(m_request)) {
        refuse({FailureCode::refused, *refusal});
        return;
    }
    m_temporary = std::make_unique<QTemporaryDir>(privateTemporaryTemplate());
    if (!m_temporary->isValid()) {
        fail({FailureCode::noTemporaryFolder,
              QCoreApplication::translate("Export", "No temporary folder could be made in %1.").arg(QDir::tempPath())});
        return;
    }
    m_work.temporaryPath = m_temporary->path();
    EncoderInputs &inputs = m_work.inputs;
    inputs = encoderInputs(*m_request.probe, m_request.sourcePath, m_request.folder, m_request.targetBytes, m_request.frameSize);
    inputs.fastStart = m_request.fastStart;
    keepPart(inputs, m_request.startSeconds, m_request.endSeconds);
    if (const std::optional<Failure> failure = limitWithoutRate(m_request, inputs)) {
        fail(*failure);
        return;
    }
    if (m_request.adaptive)
        planAdaptive();
    writePage();
    if (!QFileInfo::exists(path(pageFileName))) {
        fail({FailureCode::folderUnwritable,
              QCoreApplication::translate("Export", "The folder %1 cannot be written.").arg(m_request.folder)});
        return;
    }
    if (m_request.usesWebPlayer()) {
        if (const QString problem = WebPlayer::copyInto(m_request.folder); !problem.isEmpty()) {
            fail({FailureCode::playerUnwritten, problem});
            return;
        }
    }
    startPoster();

    if (m_request.evenLoudness && inputs.numberOfAudioTracks >= 1 && inputs.firstAudioTrackNumber)
        m_steps.push_back(std::make_unique<SourceLoudnessStep>(m_work));
    m_steps.push_back(std::make_unique<H264Step>(m_work));
    if (m_request.makesThumbnails())
        m_work.thumbnails = thumbnailPlan(inputs.duration.value_or(0), m_request.frameSize, saturatingInt64(m_request.targetBytes));
    if (m_work.thumbnails)
        m_steps.push_back(std::make_unique<ThumbnailStep>(m_work));
    if (!m_work.lowerQualities.isEmpty())
        m_steps.push_back(std::make_unique<AdaptiveStep>(m_work));
    if (m_request.av1Version)
        m_steps.push_back(std::make_unique<Av1VersionStep>(m_work));
    m_runCount = plannedRuns();
    act(m_steps.front()->start());
}

void ExportJob::planAdaptive()
{
    EncoderInputs &inputs = m_work.inputs;
    const bool audio = inputs.numberOfAudioTracks >= 1 && inputs.firstAudioTrackNumber;
    const std::optional<BitRates> rates = bitRates(inputs.targetBytes, inputs.duration, inputs.numberOfAudioTracks);
    const double topKilobits = rates ? rates->video + (audio ? rates->audio : 0) : 0;
    const AdaptiveLadder::Plan plan = AdaptiveLadder::plan(m_request.frameSize, topKilobits, inputs.duration, audio);
    if (plan.lower.isEmpty()) {
        m_adaptiveSkipped = {plan.skipCode, plan.skipReason};
        return;
    }
    m_work.lowerQualities = plan.lower;
    inputs.keyFrameInterval = AdaptiveLadder::keyFrameInterval(inputs.frameRate);
}

void ExportJob::writePage()
{
    m_work.pageContent = ExportFiles::writePage(
        m_request, m_work.lowerQualities.isEmpty() ? QString() : AdaptiveFolder::masterPlaylistUri());
    // The same run of the encoder writes the captions beside the video; of a
    // part, they are cut beside the poster.
    (isTrimmed(m_work.inputs) ? m_trimmedCaptions : m_work.inputs.captions) = m_work.pageContent.captions;
    for (const CaptionTrack &caption : m_work.pageContent.captions)
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
    work.filters = PosterFrame::posterFilters(m_request.frameSize, toneMapFilters(m_work.inputs.firstVideoTransfer));
    work.fallback = m_request.fallbackPoster;
    work.posterPath = path(PosterFrame::posterFileName);
    work.size = m_request.frameSize;
    work.captions = m_trimmedCaptions;
    work.folder = m_request.folder;
    work.partStart = m_work.inputs.start;
    work.partEnd = m_work.inputs.start + m_work.inputs.duration.value_or(0);
    m_worker.run(
        [work, cancelled = m_cancelled] {
            ExportFiles::writePosterAndCaptions(work, cancelled.get());
            return true;
        },
        [this](bool) {
            m_posterPending = false;
            concludeWhenIdle();
        });
}

int ExportJob::plannedRuns() const
{
    return std::accumulate(m_steps.begin(), m_steps.end(), 0,
                           [](int runs, const std::unique_ptr<ExportStep> &step) { return runs + step->plannedRuns(); });
}

void ExportJob::act(StepAction action)
{
    while (!m_cancelRequested) {
        switch (action.kind) {
        case StepAction::Kind::Encode:
            startEncoder(action);
            return;
        case StepAction::Kind::Measure:
            startMeasure(std::move(action));
            return;
        case StepAction::Kind::Done:
            if (!m_steps[m_stepIndex]->succeeded() || ++m_stepIndex == m_steps.size()) {
                stepsDone();
                return;
            }
            action = m_steps[m_stepIndex]->start();
            break;
        }
    }
    stepsDone();
}

void ExportJob::startEncoder(const StepAction &action)
{
    if (action.restartsProgress) {
        m_runIndex = -1;
        m_percent = 0;
        m_runCount = 1;
    }
    setStage(action.stage);
    m_runName = action.runName;
    ++m_runIndex;
    m_runCount = std::max({m_runCount, plannedRuns(), m_runIndex + 1});
    if (m_run)
        m_run.release()->deleteLater(); // called from the last run's own signal: it goes once that has returned
    m_run = std::make_unique<EncoderRun>();
    connect(m_run.get(), &EncoderRun::progressChanged, this, &ExportJob::showProgress);
    connect(m_run.get(), &EncoderRun::finished, this, &ExportJob::encoderEnded);
    m_run->start(MediaTools::resourcePath(MediaTools::encoderName).value_or(QString()), action.arguments, m_work.inputs.duration);
    Q_EMIT encoderStarted(m_run->process());
    if (m_work.inputs.duration)
        showProgress(0);
}

void ExportJob::encoderEnded(bool cancelled, bool endedNormally)
{
    if (cancelled || m_cancelRequested) {
        stepsDone();
        return;
    }
    RunEnd end;
    end.endedNormally = endedNormally;
    end.errorLines = endedNormally ? QString() : m_run->lastErrorLines();
    end.sourceEndedEarly = m_run->sourceEndedEarly();
    act(m_steps[m_stepIndex]->encoderEnded(end));
}

void ExportJob::startMeasure(StepAction action)
{
    setStage(action.stage);
    m_runName = action.runName;
    if (m_work.inputs.duration)
        Q_EMIT progressChanged(m_percent, m_runName);
    m_worker.run(
        [measure = std::move(action.measure), cancelled = m_cancelled] {
            measure(cancelled.get());
            return true;
        },
        [this](bool) {
            if (m_cancelRequested)
                stepsDone();
            else
                act(m_steps[m_stepIndex]->measureEnded());
        });
}

void ExportJob::showProgress(double runPercent)
{
    // One bar across the runs; a run added to fit the size keeps it where it is.
    m_percent = std::max((m_runIndex * 100 + runPercent) / m_runCount, m_percent);
    Q_EMIT progressChanged(m_percent, m_runName);
}

void ExportJob::stepsDone()
{
    m_stepsDone = true;
    setStage(ExportStage::Finishing);
    concludeWhenIdle();
}

void ExportJob::concludeWhenIdle()
{
    // Every step that began has ended (a cancel ends them through their runs and measures).
    if (m_stage == ExportStage::Idle || m_stage == ExportStage::Done || m_stage == ExportStage::Judging || m_posterPending
        || (!m_steps.empty() && !m_stepsDone))
        return;
    if (!m_cancelRequested) {
        judge();
        return;
    }
    removeFolder();
    ExportOutcome outcome;
    outcome.result = ExportOutcome::Result::Cancelled;
    conclude(outcome);
}

void ExportJob::judge()
{
    if (!m_work.adaptiveFailure.isEmpty()) {
        fail({FailureCode::adaptiveUnwritten, m_work.adaptiveFailure});
        return;
    }
    setStage(ExportStage::Judging);
    FailureFacts facts;
    facts.sourcePath = m_request.sourcePath;
    facts.sourceSeconds = m_work.inputs.duration;
    facts.folder = m_request.folder;
    // The AV1 version, when made, must be there and play like the H.264 file.
    facts.besideVideo = m_captionNames;
    if (QFileInfo::exists(path(av1VideoFileName)))
        facts.besideVideo << av1VideoFileName.toString();
    if (!m_work.qualities.isEmpty())
        facts.besideVideo << AdaptiveLadder::folderName.toString();
    if (!m_work.pageContent.chapters.isEmpty())
        facts.besideVideo << m_work.pageContent.chapters;
    if (m_request.usesWebPlayer())
        facts.besideVideo << WebPlayer::folderName.toString();
    facts.besideVideo << m_work.thumbnailFiles;
    facts.encoderEndedNormally = m_work.encoderEndedNormally;
    facts.encoderMessage = m_work.encoderMessage;
    facts.sourceEndedEarly = m_work.sourceEndedEarly;
    facts.neededBytes = bytesNeeded(m_request);
    m_worker.run(
        [facts, captions = isTrimmed(m_work.inputs) ? QStringList() : m_captionNames] {
            // The encoder copies a cue's text as it is; cut captions were made safe as they were cut.
            for (const QString &caption : captions)
                makeCaptionFileSafe(facts.folder + u'/' + caption);
            return judgeFinishedFolder(facts);
        },
        [this](const std::pair<FailureFacts, FolderVerdict> &judged) {
            const auto &[observed, verdict] = judged;
            if (m_cancelRequested) {
                m_stage = ExportStage::Finishing;
                concludeWhenIdle();
                return;
            }
            EndFacts end;
            if (!MediaTools::resourcePath(MediaTools::encoderName))
                end.missingEncoderFolder = MediaTools::resourceDirectory();
            end.videoBytes = QFileInfo(path(videoFileName)).size();
            end.targetBytes = saturatingInt64(m_request.targetBytes);
            end.limitPromised = m_request.targetIsCeiling && !m_request.approximateSize;
            end.fixedBytes = m_work.fixedBytes;
            ExportOutcome outcome = exportVerdict(verdict, observed, end);
            outcome.av1Bytes = QFileInfo(path(av1VideoFileName)).size();
            outcome.av1Problem = m_work.av1Problem;
            outcome.av1ProblemCode = m_work.av1ProblemCode;
            if (outcome.succeeded()) {
                outcome.qualities = m_work.qualities;
                outcome.folderBytes = entryBytes(m_request.folder);
            }
            conclude(outcome);
        });
}

void ExportJob::fail(const Failure &failure)
{
    ExportOutcome outcome;
    outcome.reason = failure.text;
    outcome.reasonCode = failure.code;
    for (const QString &name : folderEntryNames(m_request.folder))
        outcome.entries << path(name);
    conclude(outcome);
}

void ExportJob::refuse(const Failure &failure)
{
    QDir().rmdir(m_request.folder); // only when empty
    fail(failure);
}

void ExportJob::conclude(ExportOutcome outcome)
{
    setStage(ExportStage::Done);
    AbnormalExit::dropCleanup(m_abnormalExitCleanup);
    m_temporary.reset();
    outcome.captionNames = m_captionNames;
    outcome.adaptiveSkipped = m_adaptiveSkipped.text;
    outcome.adaptiveSkippedCode = m_adaptiveSkipped.code;
    outcome.targetBytes = saturatingInt64(m_request.targetBytes);
    outcome.seconds = double(m_clock.elapsed()) / 1000;
    if (!outcome.succeeded() && !outcome.reason.isEmpty())
        writeDiagnosticLine(QStringLiteral("Export failed: ") + QString(outcome.reason).replace(u'\n', u' '));
    // Never from inside start() or cancel(): the caller learns of the end from the event loop.
    QMetaObject::invokeMethod(this, [this, outcome] { Q_EMIT finished(outcome); }, Qt::QueuedConnection);
}

void ExportJob::cancel()
{
    if (m_stage == ExportStage::Done || m_cancelRequested)
        return;
    m_cancelRequested = true;
    m_cancelled->store(true); // the poster's extraction and a measure under way stop
    if (m_run)
        m_run->cancel();
    concludeWhenIdle();
}
