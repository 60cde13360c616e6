#pragma once

#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>
#include <optional>

// Even loudness for the web: the audio brought to -16 LUFS integrated with true
// peaks at most -1 dBTP, as streaming guidelines ask. A linear gain, then a
// limiter for the peaks the gain would push over, then the result measured and
// corrected once more where the limiter took loudness away.
namespace Loudness {

inline constexpr double target = -16;        // LUFS, integrated
inline constexpr double tolerance = 0.5;     // LU either side before a correction
inline constexpr double peakCeiling = -1;    // dBTP
inline constexpr double firstLimit = -2;     // dBFS: sample peaks, with room for the peaks between samples
inline constexpr double silenceBelow = -70;  // LUFS: a track this quiet (or quieter) is left alone, not raised into noise
inline constexpr int highestRate = 48000;    // Hz: web audio needs no more

struct Measure
{
    double integrated = 0; // LUFS
    double truePeak = 0;   // dBTP
};

// What FFmpeg's ebur128 filter (with peak=true) prints at its end; nothing without its summary.
[[nodiscard]] std::optional<Measure> parseSummary(const QString &messages);

// Measures the audio of input (the encoder's input arguments, ending with
// "-i" and a path) at the stream map given; blocks. Nothing when it cannot,
// or when it takes longer than decoding hours of sound could.
inline constexpr std::chrono::hours measureTimeLimit{2};
[[nodiscard]] std::optional<Measure> measure(const QStringList &input, const QString &map,
                                             const std::atomic<bool> *cancelled = nullptr);

// A gain and a peak limit for the audio.
struct Correction
{
    double gain = 0;     // dB
    double limit = firstLimit; // dBFS
};

// The first correction, for the source's own measure; nothing for a silent track.
[[nodiscard]] std::optional<Correction> firstCorrection(const Measure &source);
// After an encode with last that came out as measured: the next correction,
// or nothing when the result keeps the promise.
[[nodiscard]] std::optional<Correction> nextCorrection(const Correction &last, const Measure &measured);

// The exact size's next correction after correctionsMade of them, for the audio
// file as measured (nothing: it could not be measured): two at most, as for the
// size, and the last one stays; nothing when none is needed or allowed.
[[nodiscard]] std::optional<Correction> followUp(const Correction &last, const std::optional<Measure> &measured,
                                                 int correctionsMade);
inline constexpr int mostCorrections = 2;

// Even loudness of one export as a step object: the source's measure in, the
// first correction's filters out; each written audio file's measure in, the
// next correction's filters out, or nothing once the audio keeps the promise.
class Runs
{
public:
    explicit Runs(std::optional<int> sourceRate) : m_sourceRate(sourceRate) {}

    // The first correction's filters; nothing leaves the sound as it is (unmeasured or silent).
    [[nodiscard]] std::optional<QString> sourceMeasured(const std::optional<Measure> &source);
    // The next correction's filters; nothing when the audio as written stays.
    [[nodiscard]] std::optional<QString> audioMeasured(const std::optional<Measure> &written);
    [[nodiscard]] bool isCorrecting() const { return m_correction.has_value(); }

private:
    std::optional<int> m_sourceRate;
    std::optional<Correction> m_correction;
    int m_corrections = 0;
};

// The audio filters for a correction, down to 48 kHz when the source has more.
[[nodiscard]] QString filters(const Correction &correction, std::optional<int> sourceRate);

} // namespace Loudness
