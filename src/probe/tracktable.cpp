// The walk over the prober's streams: classification, track records and the
// information records of video and audio streams.
#include "probe/fileprobe.h"

#include "common/displaytext.h"
#include "probe/subtitlecodecs.h"
#include "common/numbertext.h"
#include "probe/framerate.h"
#include "probe/languages.h"

#include <QStringList>

#include <cmath>

using namespace Qt::StringLiterals;

const QStringList &textSubtitleCodecs()
{
    static const QStringList codecs = {
        u"mov_text"_s,  u"ass"_s,        u"hdmv_text_subtitle"_s, u"jacosub"_s, u"microdvd"_s,
        u"mpl2"_s,      u"pjs"_s,        u"realtext"_s,           u"sami"_s,    u"srt"_s,
        u"ssa"_s,       u"stl"_s,        u"subrip"_s,             u"subviewer"_s, u"subviewer1"_s,
        u"text"_s,      u"ttml"_s,       u"vplayer"_s,            u"webvtt"_s,  u"xsub"_s,
    };
    return codecs;
}

namespace {

const QStringList &imageSubtitleCodecs()
{
    static const QStringList codecs = {u"dvd_subtitle"_s, u"hdmv_pgs_subtitle"_s};
    return codecs;
}

const QStringList &closedCaptionCodecs()
{
    static const QStringList codecs = {u"eia_608"_s, u"dvb_subtitle"_s, u"dvb_teletext"_s};
    return codecs;
}

// A JSON string with exactly this text; a missing member or another kind never is.
bool isText(const JSON &value, QStringView text)
{
    return value.type() == JSON::Type::string && value.stringValue() == text;
}

struct Classification
{
    QString type;
    QString subtitleKind; // for "Subtitle" only
};

// Whether the container is a single image (image2, png_pipe, ...), not a video.
bool isImageContainer(const JSON &answer)
{
    const QString format = answer[u"format"][u"format_name"].stringValue();
    return format == u"image2" || format.endsWith(u"_pipe");
}

// An attached cover picture, unless the stream says it is no attachment and
// runs at a real frame rate in a video container: Motion-JPEG video in Matroska
// carries the same tag. A lone still image stays a picture.
bool isCoverPicture(const JSON &stream, const JSON &answer)
{
    if (!isText(stream[u"codec_tag_string"], u"[0][0][0][0]"))
        return false;
    // Alone in an image container, a picture is a still whatever its codec (BMP, WebP, TIFF ...).
    if (isImageContainer(answer))
        return true;
    const JSON codec = stream[u"codec_name"];
    if (!isText(codec, u"mjpeg") && !isText(codec, u"png"))
        return false;
    const JSON attached = stream[u"disposition"][u"attached_pic"];
    const bool notAttached = !attached.error() && attached.numberValue().toDouble() == 0;
    const std::optional<double> rate = rateOfFraction(stream[u"avg_frame_rate"].stringValue());
    const bool realRate = rate && std::isfinite(*rate) && *rate > 0;
    return !(notAttached && realRate);
}

Classification classify(const JSON &stream, const JSON &answer)
{
    const JSON codecType = stream[u"codec_type"];
    const JSON codecName = stream[u"codec_name"];
    const JSON codecTag = stream[u"codec_tag_string"];

    if (isText(codecType, u"audio"))
        return {u"Audio"_s, {}};
    if (isText(codecName, u"bin_data"))
        return {u"Chapter"_s, {}};
    if (isText(codecType, u"subtitle") && !isText(codecTag, u"text") && !codecName.error()) {
        const QString name = codecName.stringValue();
        if (textSubtitleCodecs().contains(name))
            return {u"Subtitle"_s, u"Text-Based"_s};
        if (imageSubtitleCodecs().contains(name))
            return {u"Subtitle"_s, u"Image-Based"_s};
        if (closedCaptionCodecs().contains(name))
            return {u"Closed Caption"_s, {}};
        return {u"Other"_s, {}};
    }
    if (isText(codecType, u"video") && isCoverPicture(stream, answer))
        return {u"Poster"_s, {}};
    if (isText(codecType, u"video") && !isText(stream[u"avg_frame_rate"], u"0/0")
        && !isText(codecName, u"ansi") && !(isText(codecName, u"mjpeg") && isText(codecTag, u"jpeg"))) {
        return {u"Video"_s, {}};
    }
    if (isText(codecType, u"video") && isText(codecName, u"theora"))
        return {u"Video"_s, {}};
    return {u"Other"_s, {}};
}

// Whether the picture is shown turned by a quarter: the "rotate" tag of older
// probers, or the rotation of the stream's display matrix.
bool isQuarterTurned(const JSON &stream)
{
    const JSON rotate = stream[u"tags"][u"rotate"];
    if (isText(rotate, u"90") || isText(rotate, u"270"))
        return true;
    for (const auto &[index, sideData] : stream[u"side_data_list"]) {
        if (!isText(sideData[u"side_data_type"], u"Display Matrix"))
            continue;
        const double rotation = std::abs(sideData[u"rotation"].numberValue().toDouble());
        if (rotation == 90 || rotation == 270)
            return true;
    }
    return false;
}

// The stored width stretched by a non-square sample aspect ratio N:D.
qint64 displayWidth(qint64 storedWidth, const JSON &stream)
{
    const auto ratio = numberPair(stream[u"sample_aspect_ratio"].stringValue(), u':');
    if (!ratio || ratio->first <= 0 || ratio->second <= 0 || ratio->first == ratio->second)
        return storedWidth;
    return saturatingInt64(std::round(double(storedWidth) * ratio->first / ratio->second));
}

// Each standard height names itself; the sides between two of them take the
// name of the range below the upper one.
QString resolutionClass(qint64 shorterSide)
{
    struct Step
    {
        qint64 height;
        QStringView below;
        QStringView exactly;
    };
    static constexpr Step steps[] = {
        {480, u"LD", u"480p"}, {720, u"SD", u"720p"}, {1080, u"HD", u"1080p"}, {2160, u"SHD", u"4K"}};
    for (const Step &step : steps) {
        if (shorterSide < step.height)
            return step.below.toString();
        if (shorterSide == step.height)
            return step.exactly.toString();
    }
    return u"UHD"_s;
}

QString profileWithLevel(const JSON &stream)
{
    const QString profile = stream[u"profile"].stringValue();
    const double level = stream[u"level"].numberValue().toDouble() / 10.0;
    if (profile == u"0" || level == -9.9)
        return u"Unknown"_s;
    return profile + u'@' + shortestDoubleText(level);
}

QVariantMap videoInformation(const JSON &stream, qsizetype index)
{
    const qint64 storedWidth = stream[u"width"].numberValue().toInt64();
    const qint64 storedHeight = stream[u"height"].numberValue().toInt64();
    const qint64 width = displayWidth(storedWidth, stream);
    const bool turned = isQuarterTurned(stream);
    const qint64 w = turned ? storedHeight : width;
    const qint64 h = turned ? width : storedHeight;

    const QString aspect = w > h ? u"Wide"_s : (w == h ? u"Square"_s : u"Tall"_s);
    const qint64 shorterSide = aspect == u"Tall" ? w : h;
    const double duration = stream[u"duration"].numberValue().toDouble();
    const qint64 bitrate = stream[u"bit_rate"].numberValue().toInt64();

    QVariantMap record = {
        {u"index"_s, QString::number(index)},
        {u"codec"_s, stream[u"codec_name"].stringValue()},
        {u"width"_s, w},
        {u"height"_s, h},
        {u"ratio"_s, double(w) / double(h)},
        {u"dimension"_s, QString::number(w) + u'x' + QString::number(h)},
        {u"aspectRatio"_s, aspect},
        {u"resolution"_s, resolutionClass(shorterSide)},
        {u"duration"_s, duration},
        {u"durationHuman"_s, formatDuration(duration)},
        {u"bitrate"_s, bitrate},
        {u"bitrateHuman"_s, bitrateText(bitrate)},
        {u"profilewithlevel"_s, profileWithLevel(stream)},
    };
    if (const std::optional<double> rate = rateOfFraction(stream[u"r_frame_rate"].stringValue())) {
        if (const std::optional<QString> fps = localizedDecimalText(*rate))
            record.insert(u"fps"_s, *fps);
    }
    return record;
}

QVariantMap audioInformation(const JSON &stream, qsizetype index)
{
    const double duration = stream[u"duration"].numberValue().toDouble();
    const qint64 bitrate = stream[u"bit_rate"].numberValue().toInt64();
    return {
        {u"index"_s, QString::number(index)},
        {u"codec"_s, stream[u"codec_name"].stringValue()},
        {u"duration"_s, duration},
        {u"durationHuman"_s, formatDuration(duration)},
        {u"bitrate"_s, bitrate},
        {u"bitrateHuman"_s, bitrateText(bitrate)},
        {u"channel"_s, stream[u"channel_layout"].stringValue()},
    };
}

QString languageName(const JSON &stream)
{
    QString code = stream[u"tags"][u"language"].stringValue();
    if (code.isEmpty())
        code = stream[u"tags"][u"LANGUAGE"].stringValue();
    return IsoLocaleCodes::find(code).name.toString();
}

JSON firstRecord(const QList<QVariantMap> &records)
{
    // No record at all becomes an unknown value, in which every lookup misses.
    return records.isEmpty() ? JSON(QVariant()) : JSON(QVariant(records.first()));
}

} // namespace

void FileProbe::buildTrackTable(const JSON &answer)
{
    const JSON streams = answer[u"streams"];
    const qsizetype chapterCount = answer[u"chapters"].count();
    QList<QVariantMap> videoRecords;
    QList<QVariantMap> audioRecords;

    for (qsizetype i = 0; i < streams.count(); ++i) {
        const JSON stream = streams[i];
        const Classification kind = classify(stream, answer);
        const double trackDuration = stream[u"duration"].numberValue().toDouble();
        const QString longName = stream[u"codec_long_name"].stringValue();

        QString extraInfo = longName;
        if (kind.type == u"Audio") {
            ++numberOfAudioTracks;
            extraInfo = stream[u"channel_layout"].stringValue();
            audioRecords.append(audioInformation(stream, i));
        } else if (kind.type == u"Video") {
            ++numberOfVideoTracks;
            const QVariantMap video = videoInformation(stream, i);
            extraInfo = video.value(u"aspectRatio"_s).toString() + u": "_s
                + video.value(u"dimension"_s).toString() + u" ("_s
                + video.value(u"resolution"_s).toString() + u')';
            videoRecords.append(video);
        } else if (kind.type == u"Subtitle") {
            ++numberOfSubtitleTracks;
            extraInfo = longName + u" - "_s + kind.subtitleKind;
        } else if (kind.type == u"Poster") {
            extraInfo = longName + u" - "_s + stream[u"width"].stringValue() + u'x'
                + stream[u"height"].stringValue();
        } else if (kind.type == u"Chapter") {
            extraInfo = u"Number of Chapters: "_s + QString::number(chapterCount);
        }

        tracksInfo.append({
            {u"trackNumber"_s, qint64(i)},
            {u"trackType"_s, kind.type},
            {u"trackCodec"_s, stream[u"codec_name"].stringValue()},
            {u"trackDuration"_s, trackDuration},
            {u"trackDurationHuman"_s, formatDuration(trackDuration)},
            {u"trackLanguage"_s, languageName(stream)},
            {u"trackExtraInfo"_s, extraInfo},
            {u"trackKeyValue"_s, toVariantList(streamKeyValues(stream))},
        });
    }
    firstVideoTrackInfo = firstRecord(videoRecords);
    firstAudioTrackInfo = firstRecord(audioRecords);
}
