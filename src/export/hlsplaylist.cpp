#include "export/hlsplaylist.h"

#include <algorithm>
#include <cmath>

namespace HlsPlaylist {

namespace {

// Version 7: byte ranges of the map (EXT-X-MAP with BYTERANGE) and fragmented MP4 segments.
constexpr const char *header = "#EXTM3U\n#EXT-X-VERSION:7\n#EXT-X-INDEPENDENT-SEGMENTS\n";

QByteArray secondsText(double seconds)
{
    return QByteArray::number(seconds, 'f', 6);
}

} // namespace

QByteArray mediaPlaylist(const QString &mediaUri, const FragmentIndex &index)
{
    const QByteArray uri = mediaUri.toUtf8();
    double longest = 0;
    for (const Mp4Fragment &fragment : index.fragments)
        longest = std::max(longest, fragment.seconds);
    // Each segment's length, rounded to a whole second, may not exceed the target.
    QByteArray text = header;
    text += "#EXT-X-TARGETDURATION:" + QByteArray::number(std::max<qint64>(1, std::llround(longest))) + '\n';
    text += "#EXT-X-PLAYLIST-TYPE:VOD\n#EXT-X-MEDIA-SEQUENCE:0\n";
    text += "#EXT-X-MAP:URI=\"" + uri + "\",BYTERANGE=\"" + QByteArray::number(index.initSize) + "@0\"\n";
    for (const Mp4Fragment &fragment : index.fragments) {
        text += "#EXTINF:" + secondsText(fragment.seconds) + ",\n";
        text += "#EXT-X-BYTERANGE:" + QByteArray::number(fragment.size) + '@' + QByteArray::number(fragment.offset) + '\n';
        text += uri + '\n';
    }
    return text + "#EXT-X-ENDLIST\n";
}

std::pair<qint64, qint64> bitsPerSecond(const FragmentIndex &index)
{
    double peak = 0;
    for (const Mp4Fragment &fragment : index.fragments) {
        if (fragment.seconds > 0)
            peak = std::max(peak, double(fragment.size) * 8 / fragment.seconds);
    }
    const double seconds = index.seconds();
    const double average = seconds > 0 ? double(index.mediaBytes()) * 8 / seconds : 0;
    return {qint64(std::ceil(peak)), qint64(std::ceil(average))};
}

QByteArray masterPlaylist(const QList<Variant> &variants)
{
    QByteArray text = header;
    for (const Variant &variant : variants) {
        text += "#EXT-X-STREAM-INF:BANDWIDTH=" + QByteArray::number(variant.peakBitsPerSecond)
            + ",AVERAGE-BANDWIDTH=" + QByteArray::number(variant.averageBitsPerSecond) + ",RESOLUTION="
            + QByteArray::number(variant.frame.width) + 'x' + QByteArray::number(variant.frame.height);
        if (variant.frameRate && *variant.frameRate > 0)
            text += ",FRAME-RATE=" + QByteArray::number(*variant.frameRate, 'f', 3);
        text += ",CODECS=\"" + variant.codecs.join(u',').toUtf8() + "\"\n";
        text += variant.uri.toUtf8() + '\n';
    }
    return text;
}

} // namespace HlsPlaylist
