#pragma once

#include "export/pagecontent.h"
#include "json/json.h"

#include <QString>
#include <QStringList>

#include <optional>

class FileProbe;

// Everything the encoder's command line depends on, gathered from the loaded
// file and the sliders.
struct EncoderInputs
{
    QString sourcePath;
    QString folder;                     // the output folder, no trailing "/"
    std::optional<double> duration;     // seconds; nothing when unknown
    quint64 fileSize = 0;
    qint64 numberOfAudioTracks = 0;
    std::optional<qint64> firstAudioTrackNumber;
    std::optional<JSON> firstVideoTrackInfo;
    QString firstVideoPixelFormat;      // the prober's "pix_fmt", empty when unknown
    QString firstVideoTransfer;         // the prober's "color_transfer"; PQ and HLG are mapped to SDR
    double sizePercent = 100;
    QString frameSizeText;              // "W x H"
    bool fastStart = false;             // index before the media data, for progressive playback
    QList<CaptionTrack> captions;       // written as WebVTT beside the video, by the same run
};

// The inputs for a loaded file. The duration is the container's, else the
// first video stream's; nothing when neither is a positive finite number.
[[nodiscard]] EncoderInputs encoderInputs(const FileProbe &probe, const QString &sourcePath,
                                          const QString &folder, double sizePercent,
                                          const QString &frameSizeText);

struct BitRates
{
    double video = 0; // kilobits per second
    double audio = 0;
};

// The whole rate for the target size, split between video and audio.
[[nodiscard]] std::optional<BitRates> bitRates(double sizePercent, quint64 fileSize,
                                               std::optional<double> duration, qint64 audioTracks);

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
// The share of the bytes left that the video aims at: the encoder's rate
// control lands within about a percent either way.
inline constexpr double exactSizeAim = 0.985;
// What an exact-size file may weigh against the target: at most 2 % more, and
// at most 10 % less unless the video needs no more at the encoder's best.
inline constexpr double exactSizeMost = 1.02;
inline constexpr double exactSizeLeast = 0.9;

// Whether the inputs have a rate to aim for (a duration, a size) and a video.
[[nodiscard]] bool canHitExactSize(const EncoderInputs &inputs);
[[nodiscard]] QStringList analysisArguments(const EncoderInputs &inputs, const QString &temporaryFolder);
[[nodiscard]] QStringList finalArguments(const EncoderInputs &inputs, const QString &temporaryFolder,
                                         double videoKilobits);
// The bytes the target-size label promises.
[[nodiscard]] qint64 targetBytes(const EncoderInputs &inputs);
// The video rate in kb/s that fills the target beside the audio and the
// container's own bytes; at least 1 kb/s, the smallest the encoder takes.
[[nodiscard]] double exactVideoKilobits(qint64 targetBytes, qint64 audioBytes, qint64 overheadBytes, double duration);
// What an MP4 file holds besides its media data: its size minus the payload of
// its "mdat" boxes; 0 when it cannot be read.
[[nodiscard]] qint64 mp4OverheadBytes(const QString &path);
