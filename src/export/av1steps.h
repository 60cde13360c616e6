#pragma once

#include "export/exactsize.h"
#include "export/exportrequest.h"
#include "export/outputsettings.h"

#include <QList>
#include <QString>

#include <optional>

struct EncoderInputs;

// The AV1 version's decisions, one at a time: with what is known now in, the
// next run, the run whose file is kept, or why the page goes without one.
struct Av1Step
{
    enum class Kind { Run, Keep, Drop };
    Kind kind = Kind::Drop;
    double kilobits = 0;   // Run: the video rate of the next run
    qsizetype keptRun = 0; // Keep: its index among the runs
    QString problem;       // Drop: why, in words a user can act on
    QString problemCode;   // Drop: the same as a stable name (Av1Problem)

    [[nodiscard]] static Av1Step run(double kilobits) { return {Kind::Run, kilobits, 0, {}, {}}; }
    [[nodiscard]] static Av1Step keep(qsizetype index) { return {Kind::Keep, 0, index, {}, {}}; }
    [[nodiscard]] static Av1Step drop(const QString &code, const QString &why) { return {Kind::Drop, 0, 0, why, code}; }
};

// What the first AV1 run needs to know.
struct Av1Start
{
    std::optional<double> singleRunKilobits; // the single run's video rate; nothing without a duration
    bool hasVideo = true;
    FrameSize frameSize;
    qint64 targetBytes = 0;
    qint64 fixedBytes = 0; // the audio and the container's bytes, known after the exact size's analysis
    double duration = 0;
};

// What the first run needs to know of an export: its request, the encoder's inputs, and the
// audio and container's bytes the exact size's analysis measured (0 without one).
[[nodiscard]] Av1Start av1StartFor(const ExportRequest &request, const EncoderInputs &inputs, qint64 fixedBytes);

// The first run, or why none can be made.
[[nodiscard]] Av1Step firstAv1Step(const Av1Start &start);

// After the runs so far (the last one's written bytes filled in when it ended
// normally): another run, the file kept, or why there is none.
[[nodiscard]] Av1Step nextAv1Step(const QList<Pass> &runs, bool lastEndedNormally, const QString &lastErrorLines,
                                  qint64 targetBytes, qint64 fixedBytes, bool approximateSize);

// The AV1 version of one export as a step object: it records the runs and owns
// their files in the export's folder; the job only starts the runs it names.
class Av1Version
{
public:
    Av1Version(QString folder, qint64 targetBytes, bool approximateSize);

    // The runs the progress bar plans for: a correction is usual; a third run is not.
    [[nodiscard]] static int plannedRuns(bool approximateSize) { return approximateSize ? 1 : 2; }

    // The first step; a Run step is recorded as the run under way.
    [[nodiscard]] Av1Step start(const Av1Start &start);
    // After the run under way has ended: the next step, recorded the same way.
    [[nodiscard]] Av1Step runEnded(bool endedNormally, const QString &errorLines);
    // The run under way: its file and its name in progress.
    [[nodiscard]] QString runPath() const { return runPath(m_runs.size() - 1); }
    [[nodiscard]] QString runName() const;
    // After a Keep or Drop step: the kept run's file becomes the AV1 video, the other runs' files go.
    void finish(const Av1Step &step);
    // After the kept file was compared with the H.264 one: a file no sharper goes.
    void judged(const struct Av1Judgement &judgement);
    // Why the AV1 version is missing; empty when it was kept.
    [[nodiscard]] const QString &problem() const { return m_problem; }
    [[nodiscard]] const QString &problemCode() const { return m_problemCode; }

private:
    [[nodiscard]] QString runPath(qsizetype run) const;
    Av1Step record(Av1Step step);

    QString m_folder;
    qint64 m_targetBytes = 0;
    bool m_approximateSize = false;
    qint64 m_fixedBytes = 0;
    QList<Pass> m_runs;
    QString m_problem;
    QString m_problemCode;
};
