#pragma once

#include <QList>
#include <QString>

#include <optional>

// The arithmetic of an exact target size: what rate the final pass gets, and
// whether a file that missed its bounds is encoded once more, and how.

// What an exact-size file may weigh against its target.
struct SizeBounds
{
    double most = 1.02; // at most 2 % over
    double least = 0.9; // at most 10 % under, unless the video needs no more at the encoder's best
};
// A limit typed in bytes is a ceiling: never over it.
inline constexpr SizeBounds ceilingBounds{1.0, 0.9};

// The share of the bytes left that the video aims at: the encoder's rate
// control lands within about a percent either way.
inline constexpr double exactSizeAim = 0.985;

// The video rate in kb/s that fills the target beside the audio and the
// container's own bytes; at least 1 kb/s, the smallest the encoder takes.
[[nodiscard]] double exactVideoKilobits(qint64 targetBytes, qint64 audioBytes, qint64 overheadBytes, double duration);

// What an MP4 file holds besides its media data: its size minus the payload of
// its "mdat" boxes; 0 when it cannot be read.
[[nodiscard]] qint64 mp4OverheadBytes(const QString &path);

// One pass after the analysis: the final pass, a correction at a rate scaled by
// the last miss, or, when corrections alone do not land, a pass under a rate cap,
// which cannot overshoot.
enum class PassKind { Final, Corrected, Capped };

struct Pass
{
    PassKind kind = PassKind::Final;
    double videoKilobits = 0;
    qint64 writtenBytes = 0; // the file the pass wrote
};

// The seconds of video the capped pass's rate buffer holds.
inline constexpr double cappedBufferSeconds = 1.0;

// The most passes of each kind after the final one.
inline constexpr int mostCorrections = 2;
inline constexpr int mostCappedPasses = 2;

// The pass to run after the passes so far, or nothing when the last file stays:
// it is within its bounds; nothing was written; the audio and the container
// leave the video no bytes; the video reached the encoder's quality ceiling (a
// higher rate gave it hardly more bytes); or every pass allowed has run.
[[nodiscard]] std::optional<Pass> nextExactSizePass(const QList<Pass> &passes, qint64 targetBytes, qint64 fixedBytes,
                                                    double duration, SizeBounds bounds = {});

// How a pass is named in diagnostics: "final pass", "correction", "rate-capped pass".
[[nodiscard]] QString passName(PassKind kind);
// How a pass is named in progress, in the user's language: "Final pass", "Correction", "Rate-capped pass".
[[nodiscard]] QString passTitle(PassKind kind);

// The AV1 version's size. SVT-AV1 has no second pass here: its size is held in
// a closed loop of whole runs, each at the rate scaled by the last one's miss,
// never over the target and close under it, so that the AV1 file gets the
// bytes the H.264 file gets.
inline constexpr int mostAv1Runs = 3;
inline constexpr SizeBounds av1Bounds{1.0, 0.94};
// The share of the bytes left that an AV1 run aims at: one-pass rate control,
// held to 5 % either way, lands from 6 % under (still pictures) to 9 % over
// (short clips) on real footage; over is not allowed.
inline constexpr double av1Aim = 0.98;

// The first AV1 run's video rate beside the audio and the container's bytes.
[[nodiscard]] double firstAv1Kilobits(qint64 targetBytes, qint64 fixedBytes, double duration);
// The rate of the next AV1 run after the runs so far, or nothing when the last
// file is within the ceiling's bounds, nothing was written, the video reached the
// encoder's quality ceiling, or every run allowed has run.
[[nodiscard]] std::optional<double> nextAv1Kilobits(const QList<Pass> &runs, qint64 targetBytes, qint64 fixedBytes);
// The run whose file is kept: the last within bounds, else the largest at most
// the target; nothing when every file is over it or none was written.
[[nodiscard]] std::optional<qsizetype> keptAv1Run(const QList<Pass> &runs, qint64 targetBytes);
