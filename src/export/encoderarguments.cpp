#include "export/encoderarguments.h"

#include "common/numbertext.h"
#include "export/adaptiveladder.h"
#include "export/colour.h"
#include "export/exactsize.h"
#include "export/outputsettings.h"
#include "probe/fileprobe.h"
#include "probe/framerate.h"

#include <cmath>

namespace {

std::optional<double> usableDuration(double seconds)
{
    if (std::isfinite(seconds) && seconds > 0)
        return seconds;
    return std::nullopt;
}

std::optional<qint64> firstAudioTrackNumber(const FileProbe &probe)
{
    if (probe.numberOfAudioTracks < 1)
        return std::nullopt;
    for (const QVariantMap &track : probe.tracksInfo) {
        if (track.value(QStringLiteral("trackType")).toString() == u"Audio")
            return track.value(QStringLiteral("trackNumber")).toLongLong();
    }
    return std::nullopt;
}

// libx264 keeps a 10-bit or 4:2:2/4:4:4 source's format, which browsers decoding
// through the system or the hardware cannot play.
bool needsBrowserPixelFormat(const EncoderInputs &inputs)
{
    const QString codec = (*inputs.firstVideoTrackInfo)[u"codec"].stringValue();
    const QString &format = inputs.firstVideoPixelFormat;
    return codec == u"prores" || (!format.isEmpty() && format != u"yuv420p" && format != u"yuvj420p");
}

} // namespace

EncoderInputs encoderInputs(const FileProbe &probe, const QString &sourcePath, const QString &folder,
                            double targetBytes, FrameSize frameSize)
{
    EncoderInputs inputs;
    inputs.sourcePath = sourcePath;
    inputs.folder = folder;
    inputs.numberOfAudioTracks = probe.numberOfAudioTracks;
    inputs.firstAudioTrackNumber = firstAudioTrackNumber(probe);
    inputs.firstVideoTrackInfo = probe.firstVideoTrackInfo;
    inputs.targetBytes = targetBytes;
    inputs.frameSize = frameSize;

    // Raw streams and stills have no container duration; the stream's may do.
    inputs.duration = usableDuration(probe.duration);
    if (probe.firstVideoTrackInfo) {
        const JSON video = *probe.firstVideoTrackInfo;
        if (!inputs.duration)
            inputs.duration = usableDuration(video[u"duration"].numberValue().toDouble());
        if (probe.json) {
            const qint64 index = video[u"index"].numberValue().toInt64();
            inputs.firstVideoPixelFormat = (*probe.json)[u"streams"][index][u"pix_fmt"].stringValue();
            inputs.firstVideoTransfer = (*probe.json)[u"streams"][index][u"color_transfer"].stringValue();
            inputs.frameRate = rateOfFraction((*probe.json)[u"streams"][index][u"avg_frame_rate"].stringValue());
        }
    }
    return inputs;
}

void keepPart(EncoderInputs &inputs, double start, std::optional<double> end)
{
    inputs.start = std::max(0.0, start);
    if (end && (!inputs.duration || *end < *inputs.duration))
        inputs.keptSeconds = *end - inputs.start;
    if (inputs.duration)
        inputs.duration = usableDuration(inputs.keptSeconds.value_or(*inputs.duration - inputs.start));
    else if (inputs.keptSeconds)
        inputs.duration = usableDuration(*inputs.keptSeconds);
}

bool isTrimmed(const EncoderInputs &inputs)
{
    return inputs.start > 0 || inputs.keptSeconds;
}

double targetBytesForShare(quint64 fileSize, double percent)
{
    return percent * double(fileSize) / 100;
}

std::optional<BitRates> bitRates(double targetBytes, std::optional<double> duration, qint64 audioTracks)
{
    if (!duration || !usableDuration(*duration))
        return std::nullopt;
    const double total = std::round(targetBytes / 1000000 * 0.96 * 8192 / *duration);
    if (!std::isfinite(total))
        return std::nullopt;
    if (audioTracks < 1)
        return BitRates{total, 128};
    if (total <= 368)
        return BitRates{total * 0.6666666666666666 * 0.96, total * 0.3333333333333333 * 0.96};
    return BitRates{total - 128, 128};
}

QString rateText(double kilobits)
{
    return shortestDoubleText(kilobits) + u'k';
}

namespace {

bool hasAudio(const EncoderInputs &inputs)
{
    return inputs.numberOfAudioTracks >= 1 && inputs.firstAudioTrackNumber.has_value();
}

std::optional<BitRates> ratesFor(const EncoderInputs &inputs)
{
    return bitRates(inputs.targetBytes, inputs.duration, inputs.numberOfAudioTracks);
}

// libx264 reads a rate below 1 kb/s as none and refuses to start; 0 leaves it at its default quality.
double acceptedVideoRate(double kilobits)
{
    return kilobits > 0 && kilobits < 1 ? 1.0 : kilobits;
}

// The source, read from the kept part's start for its length: decoded from the
// key frame before the start, with the frames before it dropped, so the cut is
// exact to the frame for every stream.
QStringList sourceInput(const EncoderInputs &inputs)
{
    QStringList arguments;
    if (inputs.start > 0)
        arguments << QStringLiteral("-ss") << shortestDoubleText(inputs.start);
    if (inputs.keptSeconds)
        arguments << QStringLiteral("-t") << shortestDoubleText(*inputs.keptSeconds);
    return arguments << QStringLiteral("-i") << inputs.sourcePath;
}

// No subtitles, data, chapters or tags in an output, and time stamps from zero.
QStringList plainOutputOptions()
{
    return {QStringLiteral("-sn"), QStringLiteral("-dn"), QStringLiteral("-map_chapters"),
            QStringLiteral("-1"), QStringLiteral("-map_metadata"), QStringLiteral("-1"),
            QStringLiteral("-avoid_negative_ts"), QStringLiteral("auto")};
}

QStringList containerOptions(const EncoderInputs &inputs)
{
    QStringList options = plainOutputOptions();
    if (inputs.firstVideoTrackInfo && needsBrowserPixelFormat(inputs))
        options << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p");
    return options;
}

QStringList colourTagOptions(const EncoderInputs &inputs)
{
    if (!isHdrTransfer(inputs.firstVideoTransfer))
        return {};
    return {QStringLiteral("-color_primaries"), QStringLiteral("bt709"), QStringLiteral("-color_trc"),
            QStringLiteral("bt709"), QStringLiteral("-colorspace"), QStringLiteral("bt709")};
}

QStringList videoFilterOptions(const EncoderInputs &inputs)
{
    // Mapped to SDR, the video says so, or players would still treat it as HDR.
    return QStringList{QStringLiteral("-vf"), videoFilterChain(inputs)} + colourTagOptions(inputs);
}

// Key frames at fixed frames only (no extra ones at scene cuts), the same in every quality.
QStringList keyFrameOptions(int interval)
{
    if (interval <= 0)
        return {};
    return {QStringLiteral("-g"), QString::number(interval), QStringLiteral("-keyint_min"), QString::number(interval),
            QStringLiteral("-sc_threshold"), QStringLiteral("0")};
}

// A fragment at every key frame, the movie without samples before them and a
// segment index, so that both a player of segments and a plain video element can use the file.
QStringList fragmentedOptions()
{
    return {QStringLiteral("-movflags"), QStringLiteral("+frag_keyframe+empty_moov+default_base_moof+global_sidx")};
}

QStringList videoStreamOptions(const EncoderInputs &inputs)
{
    if (!inputs.firstVideoTrackInfo)
        return {};
    return QStringList{QStringLiteral("-map"), QStringLiteral("0:") + (*inputs.firstVideoTrackInfo)[u"index"].stringValue(),
                       QStringLiteral("-c:v"), QStringLiteral("libx264")}
        + keyFrameOptions(inputs.keyFrameInterval);
}


QStringList audioStreamOptions(const EncoderInputs &inputs)
{
    QStringList options;
    if (!inputs.audioFilters.isEmpty())
        options << QStringLiteral("-af") << inputs.audioFilters;
    return options + QStringList{QStringLiteral("-ac"), QStringLiteral("2"), QStringLiteral("-map"),
                                 QStringLiteral("0:") + QString::number(*inputs.firstAudioTrackNumber),
                                 QStringLiteral("-c:a"), QStringLiteral("aac")};
}

// The video's output, then each caption file as an output of its own.
QStringList outputs(const EncoderInputs &inputs)
{
    QStringList options;
    if (inputs.keyFrameInterval > 0)
        options << fragmentedOptions();
    else if (inputs.fastStart)
        options << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    options << QStringLiteral("-y") << inputs.folder + u'/' + videoFileName.toString();
    for (const CaptionTrack &caption : inputs.captions) {
        options << QStringLiteral("-map") << QStringLiteral("0:") + QString::number(caption.streamIndex)
                << QStringLiteral("-c:s") << QStringLiteral("webvtt") << inputs.folder + u'/' + caption.fileName;
    }
    return options;
}

QStringList passOptions(int pass, const QString &temporaryFolder)
{
    return {QStringLiteral("-pass"), QString::number(pass), QStringLiteral("-passlogfile"),
            temporaryFolder + QStringLiteral("/pass")};
}

} // namespace

QString videoFilterChain(const EncoderInputs &inputs)
{
    const QString frameSize = QString::number(inputs.frameSize.width) + u':' + QString::number(inputs.frameSize.height);
    return toneMapFilters(inputs.firstVideoTransfer) + QStringLiteral("scale=") + frameSize + QStringLiteral(",setsar=1:1");
}

QStringList buildEncoderArguments(const EncoderInputs &inputs)
{
    const std::optional<BitRates> rates = ratesFor(inputs);
    QStringList arguments = sourceInput(inputs) + containerOptions(inputs);
    // Without a duration there is no rate to aim for: the encoders' default quality serves.
    if (rates) {
        arguments << QStringLiteral("-b:v") << rateText(acceptedVideoRate(rates->video));
        if (hasAudio(inputs))
            arguments << QStringLiteral("-b:a") << rateText(rates->audio);
    }
    arguments << videoFilterOptions(inputs) << videoStreamOptions(inputs);
    if (hasAudio(inputs))
        arguments << audioStreamOptions(inputs);
    return arguments + outputs(inputs);
}

QStringList sourceInputArguments(const EncoderInputs &inputs)
{
    return sourceInput(inputs);
}

QString audioMap(const EncoderInputs &inputs)
{
    return QStringLiteral("0:") + QString::number(inputs.firstAudioTrackNumber.value_or(0));
}

QStringList audioArguments(const EncoderInputs &inputs, const QString &temporaryFolder)
{
    const BitRates rates = ratesFor(inputs).value_or(BitRates{});
    return sourceInput(inputs) + QStringList{QStringLiteral("-vn")} + plainOutputOptions()
        + QStringList{QStringLiteral("-b:a"), rateText(rates.audio)} + audioStreamOptions(inputs)
        + QStringList{QStringLiteral("-y"), temporaryFolder + u'/' + audioFileName.toString()};
}

bool canHitExactSize(const EncoderInputs &inputs)
{
    const std::optional<BitRates> rates = ratesFor(inputs);
    return rates && rates->video > 0 && inputs.firstVideoTrackInfo;
}

QStringList analysisArguments(const EncoderInputs &inputs, const QString &temporaryFolder)
{
    const BitRates rates = ratesFor(inputs).value_or(BitRates{});
    QStringList arguments = sourceInput(inputs) + containerOptions(inputs);
    arguments << QStringLiteral("-b:v") << rateText(acceptedVideoRate(rates.video)) << videoFilterOptions(inputs)
              << videoStreamOptions(inputs) << passOptions(1, temporaryFolder) << QStringLiteral("-an")
              << QStringLiteral("-y") << temporaryFolder + u'/' + analysisFileName.toString();
    if (hasAudio(inputs)) {
        arguments << QStringLiteral("-vn") << plainOutputOptions() << QStringLiteral("-b:a") << rateText(rates.audio) << audioStreamOptions(inputs)
                  << QStringLiteral("-y") << temporaryFolder + u'/' + audioFileName.toString();
    }
    return arguments;
}

QStringList finalArguments(const EncoderInputs &inputs, const QString &temporaryFolder, double videoKilobits,
                           bool capped)
{
    QStringList arguments = sourceInput(inputs);
    if (hasAudio(inputs))
        arguments << QStringLiteral("-i") << temporaryFolder + u'/' + audioFileName.toString();
    const double rate = acceptedVideoRate(videoKilobits);
    arguments << containerOptions(inputs) << QStringLiteral("-b:v") << rateText(rate);
    if (capped) {
        arguments << QStringLiteral("-maxrate") << rateText(rate) << QStringLiteral("-bufsize")
                  << rateText(rate * cappedBufferSeconds);
    }
    arguments << videoFilterOptions(inputs) << videoStreamOptions(inputs) << passOptions(2, temporaryFolder);
    if (hasAudio(inputs))
        arguments << QStringLiteral("-map") << QStringLiteral("1:a") << QStringLiteral("-c:a") << QStringLiteral("copy");
    return arguments + outputs(inputs);
}

// x264's "fast" keeps the smaller qualities as sharp as its default does (SSIM
// 0.98877 against 0.98876 on a real recording) in three quarters of the time.
const QString ladderPreset = QStringLiteral("fast");

QStringList ladderArguments(const EncoderInputs &inputs, const QList<AdaptiveLadder::Quality> &qualities,
                            const QString &outputFolder)
{
    // One decode, tone-mapped once, split into a scaled picture for each quality.
    QString graph = QStringLiteral("[0:") + (*inputs.firstVideoTrackInfo)[u"index"].stringValue() + u']'
        + toneMapFilters(inputs.firstVideoTransfer) + QStringLiteral("split=") + QString::number(qualities.size());
    for (qsizetype i = 0; i < qualities.size(); ++i)
        graph += QStringLiteral("[s%1]").arg(i);
    for (qsizetype i = 0; i < qualities.size(); ++i) {
        const FrameSize frame = qualities.at(i).frame;
        graph += QStringLiteral(";[s%1]scale=%2:%3,setsar=1:1[v%1]").arg(i).arg(frame.width).arg(frame.height);
    }
    QStringList arguments = sourceInput(inputs) + QStringList{QStringLiteral("-filter_complex"), graph};
    for (qsizetype i = 0; i < qualities.size(); ++i) {
        const AdaptiveLadder::Quality &quality = qualities.at(i);
        const double rate = acceptedVideoRate(quality.videoKilobits);
        // A buffer of two seconds at one and a half times the rate: a quality
        // for slow connections must not spend a slow link's time on one scene.
        arguments << QStringLiteral("-map") << QStringLiteral("[v%1]").arg(i) << plainOutputOptions()
                  << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p") << colourTagOptions(inputs)
                  << QStringLiteral("-c:v") << QStringLiteral("libx264") << QStringLiteral("-preset") << ladderPreset
                  << QStringLiteral("-b:v") << rateText(rate) << QStringLiteral("-maxrate") << rateText(rate * 1.5) << QStringLiteral("-bufsize")
                  << rateText(rate * 3) << keyFrameOptions(inputs.keyFrameInterval);
        if (hasAudio(inputs) && quality.audioChannels > 0) {
            if (!inputs.audioFilters.isEmpty())
                arguments << QStringLiteral("-af") << inputs.audioFilters;
            arguments << QStringLiteral("-map") << QStringLiteral("0:") + QString::number(*inputs.firstAudioTrackNumber)
                      << QStringLiteral("-c:a") << QStringLiteral("aac") << QStringLiteral("-b:a")
                      << rateText(quality.audioKilobits) << QStringLiteral("-ac") << QString::number(quality.audioChannels);
        }
        arguments << fragmentedOptions() << QStringLiteral("-f") << QStringLiteral("mp4") << QStringLiteral("-y")
                  << outputFolder + u'/' + quality.name + QStringLiteral(".mp4");
    }
    return arguments;
}

QStringList av1Arguments(const EncoderInputs &inputs, const QString &outputPath, double videoKilobits)
{
    const double rate = inputs.frameRate && *inputs.frameRate > 0 && *inputs.frameRate <= 240 ? *inputs.frameRate : 30;
    const qint64 keyFrameInterval = std::max<qint64>(1, std::llround(rate * av1KeyFrameSeconds));
    QStringList arguments = sourceInput(inputs);
    if (hasAudio(inputs))
        arguments << QStringLiteral("-i") << inputs.folder + u'/' + videoFileName.toString();
    arguments << plainOutputOptions() << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p") << QStringLiteral("-b:v")
              << rateText(acceptedVideoRate(videoKilobits)) << videoFilterOptions(inputs) << QStringLiteral("-map")
              << QStringLiteral("0:") + (*inputs.firstVideoTrackInfo)[u"index"].stringValue() << QStringLiteral("-c:v")
              << QStringLiteral("libsvtav1") << QStringLiteral("-preset") << QString::number(av1Preset)
              << QStringLiteral("-g") << QString::number(keyFrameInterval) << QStringLiteral("-svtav1-params")
              << av1EncoderParameters.toString();
    if (hasAudio(inputs))
        arguments << QStringLiteral("-map") << QStringLiteral("1:a") << QStringLiteral("-c:a") << QStringLiteral("copy");
    if (inputs.fastStart)
        arguments << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    return arguments << QStringLiteral("-y") << outputPath;
}

std::optional<int> firstAudioSampleRate(const FileProbe &probe, const EncoderInputs &inputs)
{
    if (!probe.json || !inputs.firstAudioTrackNumber)
        return std::nullopt;
    bool read = false;
    const int rate = (*probe.json)[u"streams"][*inputs.firstAudioTrackNumber][u"sample_rate"].stringValue().toInt(&read);
    return read ? std::optional(rate) : std::nullopt;
}
