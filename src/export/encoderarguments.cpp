#include "export/encoderarguments.h"

#include "common/numbertext.h"
#include "export/colour.h"
#include "probe/fileprobe.h"

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
                            double sizePercent, const QString &frameSizeText)
{
    EncoderInputs inputs;
    inputs.sourcePath = sourcePath;
    inputs.folder = folder;
    inputs.fileSize = probe.fileSize.value_or(0);
    inputs.numberOfAudioTracks = probe.numberOfAudioTracks;
    inputs.firstAudioTrackNumber = firstAudioTrackNumber(probe);
    inputs.firstVideoTrackInfo = probe.firstVideoTrackInfo;
    inputs.sizePercent = sizePercent;
    inputs.frameSizeText = frameSizeText;

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
        }
    }
    return inputs;
}

std::optional<BitRates> bitRates(double sizePercent, quint64 fileSize, std::optional<double> duration,
                                 qint64 audioTracks)
{
    if (!duration || !usableDuration(*duration))
        return std::nullopt;
    const double total = std::round(sizePercent * double(fileSize) / 100 / 1000000 * 0.96 * 8192 / *duration);
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

QStringList buildEncoderArguments(const EncoderInputs &inputs)
{
    const bool hasAudio = inputs.numberOfAudioTracks >= 1 && inputs.firstAudioTrackNumber.has_value();
    const std::optional<BitRates> rates =
        bitRates(inputs.sizePercent, inputs.fileSize, inputs.duration, inputs.numberOfAudioTracks);

    QStringList arguments = {QStringLiteral("-i"), inputs.sourcePath, QStringLiteral("-sn"), QStringLiteral("-dn"),
                             QStringLiteral("-map_chapters"), QStringLiteral("-1"), QStringLiteral("-map_metadata"),
                             QStringLiteral("-1"), QStringLiteral("-avoid_negative_ts"), QStringLiteral("auto")};
    if (inputs.firstVideoTrackInfo && needsBrowserPixelFormat(inputs))
        arguments << QStringLiteral("-pix_fmt") << QStringLiteral("yuv420p");
    // Without a duration there is no rate to aim for: the encoders' default quality serves.
    if (rates) {
        // libx264 reads a rate below 1 kb/s as none and refuses to start; 0 leaves it at its default quality.
        const double video = rates->video > 0 && rates->video < 1 ? 1.0 : rates->video;
        arguments << QStringLiteral("-b:v") << rateText(video);
        if (hasAudio)
            arguments << QStringLiteral("-b:a") << rateText(rates->audio);
    }
    QString frameSize = inputs.frameSizeText;
    frameSize.replace(QStringLiteral(" x "), QStringLiteral(":"));
    arguments << QStringLiteral("-vf")
              << toneMapFilters(inputs.firstVideoTransfer) + QStringLiteral("scale=") + frameSize
            + QStringLiteral(",setsar=1:1");
    // Mapped to SDR, the video says so, or players would still treat it as HDR.
    if (isHdrTransfer(inputs.firstVideoTransfer)) {
        arguments << QStringLiteral("-color_primaries") << QStringLiteral("bt709") << QStringLiteral("-color_trc")
                  << QStringLiteral("bt709") << QStringLiteral("-colorspace") << QStringLiteral("bt709");
    }
    if (inputs.firstVideoTrackInfo) {
        arguments << QStringLiteral("-map") << QStringLiteral("0:") + (*inputs.firstVideoTrackInfo)[u"index"].stringValue()
                  << QStringLiteral("-c:v") << QStringLiteral("libx264");
    }
    if (hasAudio) {
        arguments << QStringLiteral("-ac") << QStringLiteral("2") << QStringLiteral("-map")
                  << QStringLiteral("0:") + QString::number(*inputs.firstAudioTrackNumber) << QStringLiteral("-c:a")
                  << QStringLiteral("aac");
    }
    if (inputs.fastStart)
        arguments << QStringLiteral("-movflags") << QStringLiteral("+faststart");
    arguments << QStringLiteral("-y") << inputs.folder + u'/' + videoFileName.toString();
    for (const CaptionTrack &caption : inputs.captions) {
        arguments << QStringLiteral("-map") << QStringLiteral("0:") + QString::number(caption.streamIndex)
                  << QStringLiteral("-c:s") << QStringLiteral("webvtt") << inputs.folder + u'/' + caption.fileName;
    }
    return arguments;
}
