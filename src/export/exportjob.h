#pragma once

#include "common/backgroundworker.h"
#include "export/encoderarguments.h"
#include "export/exactsize.h"
#include "export/exportrequest.h"
#include "export/loudness.h"

#include "export/failure.h"
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTemporaryDir>

#include <atomic>
#include <memory>

struct Av1Step;
class Av1Version;
class ExactSizeRuns;
class EncoderRun;
class QProcess;

// One export from start to end: the page, the caption files, the poster at the
// output size, the encoder runs (one, or the exact size's analysis, final pass
// and corrections, with the single run as the fallback), and the verdict on the
// folder. Its temporary folder is its own and is gone after every outcome; a
// cancelled export leaves no folder and no child process.
class ExportJob : public QObject
{
    Q_OBJECT
public:
    explicit ExportJob(ExportRequest request, QObject *parent = nullptr);
    // An export still under way is stopped and its folder removed, without a signal.
    ~ExportJob() override;

    void start();
    // At any moment; the outcome follows once every child process has ended.
    void cancel();

    [[nodiscard]] const ExportRequest &request() const { return m_request; }
    [[nodiscard]] bool isFinished() const { return m_stage == Stage::Done; }
    // Whether progress comes in percent: the source's duration is known. Valid once started.
    [[nodiscard]] bool hasProgress() const { return m_inputs.duration.has_value(); }
    // The encoder of the run under way, or of the last one while it is being replaced.
    [[nodiscard]] QProcess *encoderProcess() const;

Q_SIGNALS:
    void encoderStarted(QProcess *encoder);
    // 0 to 100 across all runs, going back only when the exact size falls back to
    // the single run; nothing when the duration is unknown.
    void progressChanged(double percent, const QString &runName);
    // Once; the job may then be deleted (with deleteLater from a slot of this signal).
    void finished(const ExportOutcome &outcome);

private:
    enum class Stage { Idle, Working, Judging, Done };
    enum class Phase { Single, Analysis, Loudness, Exact, Av1 };

    [[nodiscard]] QString path(QStringView name) const;
    void writePage();
    void startPoster();
    void startRun(Phase phase, const QString &name, const QStringList &arguments);
    void startSingleRun();
    // The runs, once even loudness (when asked for) knows the source's loudness.
    void startEncoding();
    // Even loudness: the source measured first; in the exact size, the audio
    // file measured after it is written and made again while it misses.
    void measureSourceLoudness();
    void checkAudioLoudness();
    [[nodiscard]] bool isCorrectingLoudness() const { return m_loudness && m_loudness->isCorrecting(); }
    void analysisDone();
    void startExactPass(const Pass &pass);
    void runFinished(bool cancelled, bool endedNormally);
    // After a pass of the exact size: another one, or the end of the encoding.
    void continueExactSize();
    void showProgress(double runPercent);
    // The AV1 version, after the H.264 file it falls back on.
    [[nodiscard]] int plannedAv1Runs() const;
    void startAv1();
    void takeAv1Step(const Av1Step &step);
    void av1RunFinished(bool endedNormally);
    void compareAv1WithH264();
    // A measure on the worker between the encoder's runs; then, unless the export was cancelled meanwhile.
    template <typename Measure, typename Then>
    void measureThen(Measure measure, Then then);
    void av1Done();
    void encodingDone(bool endedNormally);
    void concludeWhenIdle();
    void judge();
    void conclude(ExportOutcome outcome);
    void fail(const Failure &failure);
    // Before anything is written: the folder it was given goes again when still empty.
    void refuse(const Failure &failure);

    ExportRequest m_request;
    EncoderInputs m_inputs;
    Stage m_stage = Stage::Idle;
    Phase m_phase = Phase::Single;
    bool m_cancelRequested = false;
    bool m_posterPending = false;
    bool m_encodingDone = false;
    bool m_encoderEndedNormally = false;
    bool m_sourceEndedEarly = false;
    QString m_encoderMessage;
    std::shared_ptr<std::atomic<bool>> m_posterCancelled;
    std::unique_ptr<QTemporaryDir> m_temporary;
    std::unique_ptr<EncoderRun> m_run;
    QPointer<EncoderRun> m_previousRun; // deleted once its signal has returned
    QStringList m_captionNames;
    QList<CaptionTrack> m_trimmedCaptions; // of a part of the source, cut apart from the runs
    PageContent m_pageContent;

    // Progress across the runs.
    QString m_runName;
    int m_runIndex = -1;
    int m_runCount = 1;
    double m_percent = 0;
    QElapsedTimer m_clock;

    // The exact size.
    qint64 m_fixedBytes = 0; // the audio and the container's own bytes
    std::unique_ptr<ExactSizeRuns> m_exact; // once the analysis has run

    // Even loudness.
    std::optional<Loudness::Runs> m_loudness; // once the source is measured
    bool m_measuring = false; // a measure runs, between the encoder's runs
    bool m_loudnessBeforeSingleRun = false; // with one run, the sound is measured in runs of its own first

    std::unique_ptr<Av1Version> m_av1; // once the H.264 file is written

    BackgroundWorker m_worker; // last: its threads end before the rest goes
};
