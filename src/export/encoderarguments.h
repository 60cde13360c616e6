#pragma once

#include "export/outputsettings.h"
#include "export/pagecontent.h"
#include "json/json.h"

#include <QString>
#include <QStringList>

#include <optional>

class FileProbe;

// Everything the encoder's command line depends on, gathered from the source's
// description and the export's settings.
struct EncoderInputs
{
    QString sourcePath;
    QString folder;                     // the output folder, no trailing "/"
    std::optional<double> duration;     // seconds; nothing when unknown
    qint64 numberOfAudioTracks = 0;
    std::optional<qint64> firstAudioTrackNumber;
    std::optional<JSON> firstVideoTrackInfo;
    QString firstVideoPixelFormat;      // the prober's "pix_fmt", empty when unknown
    QString firstVideoTransfer;         // the prober's "color_transfer"; PQ and HLG are mapped to SDR
    std::optional<double> frameRate;    // the first video stream's average, frames a second
    double targetBytes = 0;             // the target size; a share of the source's size is not rounded
    FrameSize frameSize;
    bool fastStart = false;             // index before the media data, for progressive playback
    QList<CaptionTrack> captions;       // written as WebVTT beside the video, by the same run
    double start = 0;                   // the kept part's start in the source, read from there
    std::optional<double> keptSeconds;  // how much of the source is read, when its end is cut
    QString audioFilters;               // even loudness's gain and limiter; empty: the audio as it is
    // Above 0: a key frame every so many frames and none elsewhere, and the MP4
    // fragmented at them, as the top quality of an adaptive folder.
    int keyFrameInterval = 0;
};

// Keeps the part of the source from start to end (nothing: its end); the
// duration becomes the kept part's, which the rates and the progress follow.
void keepPart(EncoderInputs &inputs, double start, std::optional<double> end);

// The sample rate of the first audio stream the inputs read, as the prober gave it.
[[nodiscard]] std::optional<int> firstAudioSampleRate(const FileProbe &probe, const EncoderInputs &inputs);

// Whether the inputs read only a part of the source.
[[nodiscard]] bool isTrimmed(const EncoderInputs &inputs);

// The inputs for a loaded file. The duration is the container's, else the
// first video stream's; nothing when neither is a positive finite number.
[[nodiscard]] EncoderInputs encoderInputs(const FileProbe &probe, const QString &sourcePath,
                                          const QString &folder, double targetBytes, FrameSize frameSize);

// The target size for a percentage of the source's file size, unrounded, in the
// order of operations the bit rates have always been computed in.
[[nodiscard]] double targetBytesForShare(quint64 fileSize, double percent);

struct BitRates
{
    double video = 0; // kilobits per second
    double audio = 0;
};

// The whole rate for the target size, split between video and audio.
[[nodiscard]] std::optional<BitRates> bitRates(double targetBytes, std::optional<double> duration, qint64 audioTracks);

// A rate as the encoder reads it: "6426.0k".
[[nodiscard]] QString rateText(double kilobits);

// The encoder's arguments (without the program) for one export into folder.
[[nodiscard]] QStringList buildEncoderArguments(const EncoderInputs &inputs);

inline constexpr QStringView videoFileName = u"html5video.mp4";

// An exact target size takes two runs of the encoder. The first analyses the
// video (its first pass, through the same filters into an MP4 as the final
// run, so both see the same frames) and encodes the audio once; the second
// gives the video exactly the bytes left and copies the audio in. Both write
// their own files into a private temporary folder, never the output folder.
inline constexpr QStringView analysisFileName = u"analysis.mp4";
inline constexpr QStringView audioFileName = u"audio.m4a";

// Whether the inputs have a rate to aim for (a duration, a size) and a video.
[[nodiscard]] bool canHitExactSize(const EncoderInputs &inputs);
[[nodiscard]] QStringList analysisArguments(const EncoderInputs &inputs, const QString &temporaryFolder);
// The audio alone into the temporary folder's audio file, as the analysis
// writes it: for the corrections of even loudness.
[[nodiscard]] QStringList audioArguments(const EncoderInputs &inputs, const QString &temporaryFolder);
// The audio's stream, as the encoder's "-map" reads it.
[[nodiscard]] QString audioMap(const EncoderInputs &inputs);
// The filters that make the source's frames the output's: tone mapping, frame size, square pixels.
[[nodiscard]] QString videoFilterChain(const EncoderInputs &inputs);
// The source as the encoder's input options read it: from the kept part's start, for its length.
[[nodiscard]] QStringList sourceInputArguments(const EncoderInputs &inputs);
// The final pass at a video rate; with a rate cap, libx264's buffer model keeps
// every stretch of the video under it, so the file cannot grow past the rate.
[[nodiscard]] QStringList finalArguments(const EncoderInputs &inputs, const QString &temporaryFolder,
                                         double videoKilobits, bool capped = false);

namespace AdaptiveLadder {
struct Quality;
}

// The smaller qualities of an adaptive folder in one run, from one decode of
// the source: each quality its own fragmented MP4 in outputFolder, named after
// it, with key frames at the same frames as the top quality's.
[[nodiscard]] QStringList ladderArguments(const EncoderInputs &inputs, const QList<AdaptiveLadder::Quality> &qualities,
                                          const QString &outputFolder);

// The AV1 version beside the H.264 file, for the browsers that play AV1.
inline constexpr QStringView av1VideoFileName = u"html5video-av1.mp4";
// SVT-AV1's settings, chosen by measurement on real footage of five kinds
// against the H.264 file at the same size (the table is in bench/README.md):
// the slowest preset whose runs stay within twice the H.264 exact-size runs;
// mini-GOPs of 32 frames, which help still and slow pictures most; rate
// control held to 5 % either way of the rate, so that one run usually lands.
// Screen-content mode, film-grain synthesis and the visual-quality tune made
// the picture no sharper and took up to 6.6 times as long.
inline constexpr int av1Preset = 9;
inline constexpr QStringView av1EncoderParameters = u"hierarchical-levels=5:undershoot-pct=5:overshoot-pct=5";
// SVT-AV1 encodes no frame narrower or lower than this.
inline constexpr qint64 av1SmallestSide = 64;
// Seconds between key frames at most: libx264's own distance for the H.264
// file at 25 frames a second. Seeking stays quick, and a shorter distance cost
// up to 0.01 of SSIM on screen recordings and other still pictures.
inline constexpr double av1KeyFrameSeconds = 10;

// One AV1 run into outputPath at a video rate: the frames the H.264 file got
// (filters, tone mapping, rotation), 8-bit 4:2:0, and that file's audio copied in.
[[nodiscard]] QStringList av1Arguments(const EncoderInputs &inputs, const QString &outputPath, double videoKilobits);
