#pragma once

#include "export/adaptivefolder.h"
#include "export/adaptiveladder.h"
#include "export/encoderarguments.h"
#include "export/exportrequest.h"
#include "export/exportstep.h"
#include "export/loudness.h"
#include "export/pagecontent.h"
#include "export/thumbnailtrack.h"

#include <memory>
#include <optional>

class Av1Version;
class ExactSizeRuns;
struct Av1Step;
struct Pass;
struct Sharpness;

// What the steps of one export share: its request, the encoder's inputs
// (which even loudness tunes), and what the H.264 video's runs found.
struct ExportWork
{
    explicit ExportWork(const ExportRequest &exported) : request(exported) {}

    const ExportRequest &request;
    EncoderInputs inputs;
    QString temporaryPath;
    PageContent pageContent;
    std::optional<Loudness::Runs> loudness; // once the source is measured
    qint64 fixedBytes = 0;                  // the audio's and the container's, known after the exact size's analysis

    // The H.264 video's last run, for the verdict.
    bool encoderEndedNormally = false;
    QString encoderMessage;
    bool sourceEndedEarly = false;

    // The seek bar's thumbnails, as planned; the sheets and their track, as written.
    std::optional<ThumbnailPlan> thumbnails;
    QStringList thumbnailFiles;

    // An adaptive folder's smaller qualities, as planned, then as written.
    QList<AdaptiveLadder::Quality> lowerQualities;
    QList<StreamQuality> qualities;
    QString adaptiveFailure; // its playlists or player could not be written

    // Why the AV1 version asked for is missing; empty when it was kept.
    QString av1Problem;
    QString av1ProblemCode;

    [[nodiscard]] bool isCorrectingLoudness() const { return loudness && loudness->isCorrecting(); }
};

// Even loudness: the source's sound measured once, the first correction's filters set.
class SourceLoudnessStep : public ExportStep
{
public:
    explicit SourceLoudnessStep(ExportWork &work) : m_work(work) {}

    [[nodiscard]] StepAction start() override;
    [[nodiscard]] StepAction encoderEnded(const RunEnd &) override { return StepAction::done(); }
    [[nodiscard]] StepAction measureEnded() override;
    [[nodiscard]] int plannedRuns() const override { return 0; }

private:
    ExportWork &m_work;
    std::shared_ptr<std::optional<Loudness::Measure>> m_measured;
};

// The H.264 video: one run, or the exact size's analysis and passes (falling
// back on the one run where libx264 refuses a pass), with even loudness's
// audio measured and made again between them while it misses.
class H264Step : public ExportStep
{
public:
    explicit H264Step(ExportWork &work);
    ~H264Step() override;

    [[nodiscard]] StepAction start() override;
    [[nodiscard]] StepAction encoderEnded(const RunEnd &end) override;
    [[nodiscard]] StepAction measureEnded() override;
    [[nodiscard]] bool succeeded() const override { return m_work.encoderEndedNormally; }
    [[nodiscard]] int plannedRuns() const override { return m_plannedRuns; }

private:
    enum class Phase { Single, Analysis, Loudness, Exact };

    [[nodiscard]] StepAction run(Phase phase, ExportStage stage, const QString &name, const QStringList &arguments);
    [[nodiscard]] StepAction singleRun();
    [[nodiscard]] StepAction measureAudio();
    [[nodiscard]] StepAction afterAudio();
    [[nodiscard]] StepAction firstExactPass();
    [[nodiscard]] StepAction exactPass(const Pass &pass);
    [[nodiscard]] StepAction ended(bool endedNormally);

    ExportWork &m_work;
    Phase m_phase = Phase::Single;
    bool m_exactSize = false;
    int m_plannedRuns = 1;
    std::unique_ptr<ExactSizeRuns> m_exact; // once the analysis has run
    std::shared_ptr<std::optional<Loudness::Measure>> m_audioMeasured;
};

// The seek bar's thumbnails: their sheets in one run over the H.264 video,
// then their track. They only add to the page: when the run fails the export
// goes on without them.
class ThumbnailStep : public ExportStep
{
public:
    explicit ThumbnailStep(ExportWork &work) : m_work(work) {}

    [[nodiscard]] StepAction start() override;
    [[nodiscard]] StepAction encoderEnded(const RunEnd &end) override;
    [[nodiscard]] StepAction measureEnded() override;
    [[nodiscard]] int plannedRuns() const override { return 1; }

private:
    ExportWork &m_work;
    std::shared_ptr<QStringList> m_written;
};

// The smaller qualities of an adaptive folder in one run, after the H.264
// file that is its top quality, then the playlists over all of them.
class AdaptiveStep : public ExportStep
{
public:
    explicit AdaptiveStep(ExportWork &work) : m_work(work) {}

    [[nodiscard]] StepAction start() override;
    [[nodiscard]] StepAction encoderEnded(const RunEnd &end) override;
    [[nodiscard]] StepAction measureEnded() override;
    [[nodiscard]] bool succeeded() const override { return m_work.encoderEndedNormally && m_work.adaptiveFailure.isEmpty(); }
    [[nodiscard]] int plannedRuns() const override { return 1; }

private:
    ExportWork &m_work;
    std::shared_ptr<AdaptiveFolder::Written> m_written;
};

// The AV1 version, after the H.264 file it falls back on: its runs, then the
// comparison of both with the source, then the page typed from the files.
class Av1VersionStep : public ExportStep
{
public:
    explicit Av1VersionStep(ExportWork &work);
    ~Av1VersionStep() override;

    [[nodiscard]] StepAction start() override;
    [[nodiscard]] StepAction encoderEnded(const RunEnd &end) override;
    [[nodiscard]] StepAction measureEnded() override;
    [[nodiscard]] int plannedRuns() const override;

private:
    [[nodiscard]] StepAction take(const Av1Step &step);
    [[nodiscard]] StepAction compare();
    [[nodiscard]] StepAction finish();

    ExportWork &m_work;
    std::unique_ptr<Av1Version> m_av1;
    std::shared_ptr<Sharpness> m_sharpness;
};
