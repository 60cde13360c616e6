#pragma once

#include "export/exactsize.h"
#include "export/outputsettings.h"

#include <QList>
#include <QString>

#include <optional>

// The AV1 version's decisions, one at a time: with what is known now in, the
// next run, the run whose file is kept, or why the page goes without one.
struct Av1Step
{
    enum class Kind { Run, Keep, Drop };
    Kind kind = Kind::Drop;
    double kilobits = 0;   // Run: the video rate of the next run
    qsizetype keptRun = 0; // Keep: its index among the runs
    QString problem;       // Drop: why, in words a user can act on

    [[nodiscard]] static Av1Step run(double kilobits) { return {Kind::Run, kilobits, 0, {}}; }
    [[nodiscard]] static Av1Step keep(qsizetype index) { return {Kind::Keep, 0, index, {}}; }
    [[nodiscard]] static Av1Step drop(const QString &why) { return {Kind::Drop, 0, 0, why}; }
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

// The first run, or why none can be made.
[[nodiscard]] Av1Step firstAv1Step(const Av1Start &start);

// After the runs so far (the last one's written bytes filled in when it ended
// normally): another run, the file kept, or why there is none.
[[nodiscard]] Av1Step nextAv1Step(const QList<Pass> &runs, bool lastEndedNormally, const QString &lastErrorLines,
                                  qint64 targetBytes, qint64 fixedBytes, bool approximateSize);
