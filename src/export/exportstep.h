#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>

// Where an export is, as the window, the queue, the quit guard and the command
// line read it. One stage at a time, in this order, though most are skipped
// by most exports.
enum class ExportStage {
    Idle,              // not started
    Preparing,         // the page written, the poster begun
    MeasuringLoudness, // the source's sound, for even loudness
    Analysing,         // the exact size's first run
    CorrectingLoudness, // the audio written, measured and made again
    Encoding,          // the H.264 video
    Thumbnails,        // the seek bar's pictures, from the H.264 video
    EncodingQualities, // the smaller qualities of an adaptive folder, and its playlists
    EncodingAv1,       // the AV1 version
    Comparing,         // both videos against the source
    Finishing,         // the poster, when it is not made yet
    Judging,           // the verdict on the folder: it ends by itself in a moment
    Done,
};

// How one encoder run ended, for the step that asked for it.
struct RunEnd
{
    bool endedNormally = false; // exited by itself with status 0
    QString errorLines;         // its last words, when it did not end normally
    bool sourceEndedEarly = false;
};

// What a step asks the export to do next: run the encoder, measure on a
// worker thread (the measure obeys the cancel flag it is given), or nothing
// more, the step being over.
struct StepAction
{
    enum class Kind { Encode, Measure, Done };
    Kind kind = Kind::Done;
    ExportStage stage = ExportStage::Encoding;
    QString runName;       // as progress shows it
    QStringList arguments; // Encode: the encoder's
    std::function<void(const std::atomic<bool> *cancelled)> measure;
    bool restartsProgress = false; // the runs begin again (a fallback): the bar starts over

    [[nodiscard]] static StepAction encode(ExportStage stage, const QString &name, const QStringList &arguments)
    {
        return {Kind::Encode, stage, name, arguments, {}, false};
    }
    [[nodiscard]] static StepAction measureWith(ExportStage stage, const QString &name,
                                                std::function<void(const std::atomic<bool> *)> measure)
    {
        return {Kind::Measure, stage, name, {}, std::move(measure), false};
    }
    [[nodiscard]] static StepAction done() { return {}; }
};

// One part of an export (the source's loudness, the H.264 video, the AV1
// version) as the job drives it: asked for its first action, then told how
// each ended and asked for the next. The job owns cancelling, the processes
// and progress; a step only decides, so it can be driven by a script in a test.
class ExportStep
{
public:
    virtual ~ExportStep() = default;

    [[nodiscard]] virtual StepAction start() = 0;
    // After an Encode action.
    [[nodiscard]] virtual StepAction encoderEnded(const RunEnd &end) = 0;
    // After a Measure action, whose result the measure left with the step.
    [[nodiscard]] virtual StepAction measureEnded() = 0;
    // False when the export cannot go on after it (the H.264 video failed).
    [[nodiscard]] virtual bool succeeded() const { return true; }
    // The encoder runs it expects in all, for one progress bar across the steps.
    [[nodiscard]] virtual int plannedRuns() const = 0;
};
