#include "export/exportjob.h"

#include "common/diagnostics.h"
#include "common/numbertext.h"
#include "common/temporaryfolder.h"
#include "export/av1steps.h"
#include "export/colour.h"
#include "export/encoderrun.h"
#include "export/exportfiles.h"
#include "export/exportpreflight.h"
#include "export/exactsizeruns.h"
#include "export/exportverdict.h"
#include "export/folderverdict.h"
#include "export/posterframe.h"
#include "export/sharpness.h"
#include "probe/fileprobe.h"
#include "tools/mediatools.h"

#include <QCoreApplication>
#include <QDir>
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
        refuse({FailureCode::refused, *refusal});
        return;
    }
    m_temporary = std::make_unique<QTemporaryDir>(privateTemporaryTemplate());
    if (!m_temporary->isValid()) {
        fail({FailureCode::noTemporaryFolder,
              QCoreApplication::translate("Export", "No temporary folder could be made in %1.").arg(QDir::tempPath())});
        return;
    }
    const FileProbe &probe = *m_request.probe;
    m_inputs = encoderInputs(probe, m_request.sourcePath, m_request.folder, m_request.targetBytes, m_request.frameSize);
    m_inputs.fastStart = m_request.fastStart;
    keepPart(m_inputs, m_request.startSeconds, m_request.endSeconds);
    if (const std::optional<Failure> failure = limitWithoutRate(m_request, m_inputs)) {
        fail(*failure);
        return;
    }
    writePage();
    if (!QFileInfo::exists(path(pageFileName))) {
        fail({FailureCode::folderUnwritable,
              QCoreApplication::translate("Export", "The folder %1 cannot be written.").arg(m_request.folder)});
        return;
    }
    startPoster();
    if (m_request.evenLoudness && m_inputs.numberOfAudioTracks >= 1 && m_inputs.firstAudioTrackNumber)
        measureSourceLoudness();
    else
        startEncoding();
}

template <typename Measure, typename Then>
void ExportJob::measureThen(Measure measure, Then then)
{
    m_measuring = true;
    m_worker.run(std::move(measure), [this, then = std::move(then)](auto measured) {
        m_measuring = false;
        if (m_cancelRequested)
            encodingDone(false);
        else
            then(std::move(measured));
    });
}

void ExportJob::measureSourceLoudness()
{
    m_runName = QCoreApplication::translate("Export", "Measuring loudness");
    if (m_inputs.duration)
        Q_EMIT progressChanged(0, m_runName);
    measureThen([input = sourceInputArguments(m_inputs), map = audioMap(m_inputs), cancelled = m_posterCancelled] {
        return Loudness::measure(input, map, cancelled.get());
    },
                [this](std::optional<Loudness::Measure> source) {
                    m_loudness.emplace(firstAudioSampleRate(*m_request.probe, m_inputs));
                    if (const std::optional<QString> filters = m_loudness->sourceMeasured(source))
                        m_inputs.audioFilters = *filters;
                    startEncoding();
                });
}

void ExportJob::startEncoding()
{
    if (m_request.approximateSize || !canHitExactSize(m_inputs)) {
        m_runCount = 1 + plannedAv1Runs();
        if (isCorrectingLoudness()) {
            // The sound alone first, measured and corrected; the one run then
            // encodes it again through the same filters, to the same result.
            m_loudnessBeforeSingleRun = true;
            ++m_runCount;
            startRun(Phase::Loudness, QCoreApplication::translate("Export", "Loudness"), audioArguments(m_inputs, m_temporary->path()));
            return;
        }
        startSingleRun();
        return;
    }
    m_runCount = 2 + plannedAv1Runs();
    startRun(Phase::Analysis, QCoreApplication::translate("Export", "Analysing"), analysisArguments(m_inputs, m_temporary->path()));
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
    startRun(Phase::Single, QCoreApplication::translate("Export", "Encoding"), buildEncoderArguments(m_inputs));
}

void ExportJob::startExactPass(const Pass &pass)
{
    startRun(Phase::Exact, passTitle(pass.kind), finalArguments(m_inputs, m_temporary->path(), pass.videoKilobits, pass.kind == PassKind::Capped));
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
        if (isCorrectingLoudness()) {
            checkAudioLoudness();
            return;
        }
        analysisDone();
        return;
    }
    if (m_phase == Phase::Exact && !endedNormally && !reportsFullDisk(m_encoderMessage)) {
        // Two-pass libx264 refuses a rate below its own floor for the picture; the
        // single run of old makes the smallest file it can instead.
        writeDiagnosticLine(QStringLiteral("Exact size: the %1 failed, one run as before").arg(passName(m_exact->last().kind)));
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
    const qint64 audio = QFileInfo(m_temporary->path() + u'/' + audioFileName.toString()).size();
    m_fixedBytes = audio + mp4OverheadBytes(m_temporary->path() + u'/' + analysisFileName.toString());
    m_exact = std::make_unique<ExactSizeRuns>(saturatingInt64(m_request.targetBytes), m_inputs.duration.value_or(1),
                                              m_request.targetIsCeiling);
    startExactPass(m_exact->first(m_fixedBytes));
}

void ExportJob::checkAudioLoudness()
{
    const QString audioPath = m_temporary->path() + u'/' + audioFileName.toString();
    measureThen([audioPath, cancelled = m_posterCancelled] {
        return Loudness::measure({QStringLiteral("-i"), audioPath}, QStringLiteral("0:a"), cancelled.get());
    },
                 [this](std::optional<Loudness::Measure> written) {
                     const std::optional<QString> filters = m_loudness->audioMeasured(written);
                     if (!filters) {
                         if (m_loudnessBeforeSingleRun)
                             startSingleRun();
                         else
                             analysisDone();
                         return;
                     }
                     m_inputs.audioFilters = *filters;
                     startRun(Phase::Loudness, QCoreApplication::translate("Export", "Loudness correction"), audioArguments(m_inputs, m_temporary->path()));
                 });
}

void ExportJob::continueExactSize()
{
    if (const std::optional<Pass> next = m_exact->passEnded(QFileInfo(path(videoFileName)).size()))
        startExactPass(*next);
    else
        encodingDone(true);
}

int ExportJob::plannedAv1Runs() const
{
    return m_request.av1Version ? Av1Version::plannedRuns(m_request.approximateSize) : 0;
}

void ExportJob::startAv1()
{
    const Av1Start start = av1StartFor(m_request, m_inputs, m_fixedBytes);
    m_av1 = std::make_unique<Av1Version>(m_request.folder, start.targetBytes, m_request.approximateSize);
    takeAv1Step(m_av1->start(start));
}

void ExportJob::takeAv1Step(const Av1Step &step)
{
    if (step.kind == Av1Step::Kind::Run) {
        startRun(Phase::Av1, m_av1->runName(), av1Arguments(m_inputs, m_av1->runPath(), step.kilobits));
        return;
    }
    m_av1->finish(step);
    if (step.kind == Av1Step::Kind::Keep)
        compareAv1WithH264();
    else
        av1Done();
}

void ExportJob::compareAv1WithH264()
{
    m_runName = QCoreApplication::translate("Export", "Comparing both videos with the source");
    Q_EMIT progressChanged(m_percent, m_runName);
    measureThen([arguments = sharpnessArguments(m_inputs, path(videoFileName), path(av1VideoFileName)),
                 seconds = m_inputs.duration.value_or(0), cancelled = m_posterCancelled] {
        return measureSharpness(arguments, seconds, cancelled.get());
    },
                [this](const Sharpness &sharpness) {
                    m_av1->judged(judgeSharpness(sharpness));
                    av1Done();
                });
}

void ExportJob::av1Done()
{
    if (!m_request.minimalPage)
        ExportFiles::writeTypedPage(m_request, m_pageContent);
    encodingDone(true);
}

void ExportJob::av1RunFinished(bool endedNormally)
{
    takeAv1Step(m_av1->runEnded(endedNormally, endedNormally ? QString() : m_run->lastErrorLines()));
}

void ExportJob::encodingDone(bool endedNormally)
{
    if (endedNormally && m_request.av1Version && !m_av1 && !m_cancelRequested) {
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
        [facts] { return judgeFinishedFolder(facts); },
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
            outcome.av1Problem = m_av1 ? m_av1->problem() : QString();
            outcome.av1ProblemCode = m_av1 ? m_av1->problemCode() : QString();
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
