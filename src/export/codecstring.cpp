#include "export/codecstring.h"

#include "export/mp4boxes.h"

#include <QFile>
#include <QList>

#include <algorithm>

namespace {

std::optional<Mp4Box> child(QFile &file, const Mp4Box &parent, QByteArrayView type, qint64 skip = 0)
{
    for (const Mp4Box &box : mp4Boxes(file, parent.body + skip, parent.end)) {
        if (box.type == type)
            return box;
    }
    return std::nullopt;
}

// The first sample entry of a track, through mdia/minf/stbl/stsd.
std::optional<Mp4Box> sampleEntry(QFile &file, const Mp4Box &track)
{
    std::optional<Mp4Box> box = track;
    for (const char *type : {"mdia", "minf", "stbl", "stsd"}) {
        box = child(file, *box, type);
        if (!box)
            return std::nullopt;
    }
    // stsd: version and flags, then the entry count, then the entries.
    const QList<Mp4Box> entries = mp4Boxes(file, box->body + 8, box->end);
    return entries.isEmpty() ? std::nullopt : std::optional(entries.first());
}

QByteArray recordBytes(QFile &file, const Mp4Box &record, qint64 count)
{
    if (record.end - record.body < count || !file.seek(record.body))
        return {};
    return file.read(count);
}

std::optional<QString> avcCodec(QFile &file, const Mp4Box &entry)
{
    // A visual sample entry's own fields take 78 bytes before its boxes.
    const std::optional<Mp4Box> record = child(file, entry, "avcC", 78);
    const QByteArray bytes = record ? recordBytes(file, *record, 4) : QByteArray();
    if (bytes.size() < 4)
        return std::nullopt;
    return QStringLiteral("avc1.") + QString::fromLatin1(bytes.mid(1, 3).toHex().toUpper());
}

std::optional<QString> av1Codec(QFile &file, const Mp4Box &entry)
{
    const std::optional<Mp4Box> record = child(file, entry, "av1C", 78);
    const QByteArray bytes = record ? recordBytes(file, *record, 3) : QByteArray();
    if (bytes.size() < 3)
        return std::nullopt;
    const int profile = quint8(bytes[1]) >> 5;
    const int level = quint8(bytes[1]) & 0x1f;
    const bool highTier = quint8(bytes[2]) & 0x80;
    const bool highBitDepth = quint8(bytes[2]) & 0x40;
    const bool twelveBit = quint8(bytes[2]) & 0x20;
    const int depth = profile == 2 && highBitDepth && twelveBit ? 12 : highBitDepth ? 10 : 8;
    return QStringLiteral("av01.%1.%2%3.%4")
        .arg(QString::number(profile), QString::number(level).rightJustified(2, u'0'),
             highTier ? QStringLiteral("H") : QStringLiteral("M"), QString::number(depth).rightJustified(2, u'0'));
}

} // namespace

namespace {

// The first sample entry of every track of the movie.
QList<Mp4Box> sampleEntries(QFile &file)
{
    QList<Mp4Box> entries;
    const std::optional<Mp4Box> movie = child(file, Mp4Box{{}, 0, file.size()}, "moov");
    if (!movie)
        return entries;
    for (const Mp4Box &track : mp4Boxes(file, movie->body, movie->end)) {
        if (track.type != "trak")
            continue;
        if (const std::optional<Mp4Box> entry = sampleEntry(file, track))
            entries << *entry;
    }
    return entries;
}

std::optional<QString> videoCodecOf(QFile &file, const QList<Mp4Box> &entries)
{
    for (const Mp4Box &entry : entries) {
        if (entry.type == "avc1" || entry.type == "avc3")
            return avcCodec(file, entry);
        if (entry.type == "av01")
            return av1Codec(file, entry);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> videoCodecString(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return videoCodecOf(file, sampleEntries(file));
}

std::optional<QStringList> mp4Codecs(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<Mp4Box> entries = sampleEntries(file);
    const std::optional<QString> video = videoCodecOf(file, entries);
    if (!video)
        return std::nullopt;
    QStringList codecs = {*video};
    if (std::any_of(entries.cbegin(), entries.cend(), [](const Mp4Box &entry) { return entry.type == "mp4a"; }))
        codecs << aacCodecString.toString();
    return codecs;
}

std::optional<QString> mp4SourceType(const QString &path)
{
    const std::optional<QStringList> codecs = mp4Codecs(path);
    if (!codecs)
        return std::nullopt;
    return QStringLiteral("video/mp4; codecs=\"%1\"").arg(codecs->join(QStringLiteral(", ")));
}
