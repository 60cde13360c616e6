#pragma once

#include "common/backgroundworker.h"
#include "export/exportrequest.h"
#include "export/exportstep.h"
#include "export/exportsteps.h"
#include "export/failure.h"
#include "export/outputfolder.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTemporaryDir>

#include <atomic>
#include <memory>
#include <optional>
#include <vector>

class EncoderRun;
class QProcess;

// One export from start to end: the page and the caption files, the poster at
// the output size beside the steps (the source's loudness, the H.264 video, the
// AV1 version), each driven through the one step interface, then the verdict
// on the folder. Its temporary folder is its own and is gone after every
// outcome; a cancel reaches whatever runs (an encoder, a measure, the poster),
// and a cancelled export leaves no folder and no child process.
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
    [[nodiscard]] ExportStage stage() const { return m_stage; }
    [[nodiscard]] bool isFinished() const { return m_stage == ExportStage::Done; }
    // Whether progress comes in percent: the source's duration is known. Valid once started.
    [[nodiscard]] bool hasProgress() const { return m_work.inputs.duration.has_value(); }
    // The encoder of the run under way, or of the last one while it is being replaced.
    [[nodiscard]] QProcess *encoderProcess() const;

Q_SIGNALS:
    void stageChanged(ExportStage stage);
    void encoderStarted(QProcess *encoder);
    // 0 to 100 across all runs, going back only when the exact size falls back to
    // the single run; nothing when the duration is unknown.
    void progressChanged(double percent, const QString &runName);
    // Once; the job may then be deleted (with deleteLater from a slot of this signal).
    void finished(const ExportOutcome &outcome);

private:
    [[nodiscard]] QString path(QStringView name) const;
    void setStage(ExportStage stage);
    // An adaptive folder's smaller qualities, or why the source gets the plain folder.
    void planAdaptive();
    void writePage();
    void startPoster();
    // The loop over the steps: does what the step under way asks, or moves on to the next.
    void act(StepAction action);
    void startEncoder(const StepAction &action);
    void encoderEnded(bool cancelled, bool endedNormally);
    void startMeasure(StepAction action);
    void stepsDone();
    [[nodiscard]] int plannedRuns() const;
    void showProgress(double runPercent);
    void concludeWhenIdle();
    void judge();
    void conclude(ExportOutcome outcome);
    void fail(const Failure &failure);
    // Before anything is written: the folder it was given goes again when still empty.
    void refuse(const Failure &failure);
    // The folder goes only while it is still the one this export was given.
    void removeFolder();

    ExportRequest m_request;
    ExportWork m_work{m_request};
    std::optional<FolderIdentity> m_folderIdentity;
    quint64 m_abnormalExitCleanup = 0; // the folder goes should the program end from under the job
    ExportStage m_stage = ExportStage::Idle;
    bool m_cancelRequested = false;
    bool m_posterPending = false;
    bool m_stepsDone = false;
    std::shared_ptr<std::atomic<bool>> m_cancelled; // read by the poster and the measures on their threads
    std::unique_ptr<QTemporaryDir> m_temporary;
    std::unique_ptr<EncoderRun> m_run;
    QStringList m_captionNames;
    Failure m_adaptiveSkipped; // asked for, but not worth making: the folder is plain
    QList<CaptionTrack> m_trimmedCaptions; // of a part of the source, cut apart from the runs

    std::vector<std::unique_ptr<ExportStep>> m_steps;
    std::size_t m_stepIndex = 0;

    // Progress across the runs.
    QString m_runName;
    int m_runIndex = -1;
    int m_runCount = 1;
    double m_percent = 0;
    QElapsedTimer m_clock;

    BackgroundWorker m_worker; // last: its threads end before the rest goes
};
