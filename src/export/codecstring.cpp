#include "export/codecstring.h"

#include <QFile>
#include <QList>

#include <algorithm>

namespace {

struct Box
{
    QByteArray type;
    qint64 body = 0; // where its content starts
    qint64 end = 0;
};

quint64 bigEndian(const QByteArray &bytes)
{
    quint64 value = 0;
    for (const char byte : bytes)
        value = (value << 8) | quint8(byte);
    return value;
}

// The boxes one after another in [start, end).
QList<Box> boxesIn(QFile &file, qint64 start, qint64 end)
{
    QList<Box> boxes;
    for (qint64 at = start; at + 8 <= end;) {
        if (!file.seek(at))
            break;
        const QByteArray header = file.read(8);
        if (header.size() < 8)
            break;
        quint64 size = bigEndian(header.first(4));
        qint64 body = at + 8;
        if (size == 1) { // a 64-bit size follows
            const QByteArray large = file.read(8);
            if (large.size() < 8)
                break;
            size = bigEndian(large);
            body += 8;
        } else if (size == 0) { // to the end
            size = quint64(end - at);
        }
        if (size < quint64(body - at) || size > quint64(end - at))
            break;
        boxes.append({header.mid(4, 4), body, at + qint64(size)});
        at += qint64(size);
    }
    return boxes;
}

std::optional<Box> child(QFile &file, const Box &parent, QByteArrayView type, qint64 skip = 0)
{
    for (const Box &box : boxesIn(file, parent.body + skip, parent.end)) {
        if (box.type == type)
            return box;
    }
    return std::nullopt;
}

// The first sample entry of a track, through mdia/minf/stbl/stsd.
std::optional<Box> sampleEntry(QFile &file, const Box &track)
{
    std::optional<Box> box = track;
    for (const char *type : {"mdia", "minf", "stbl", "stsd"}) {
        box = child(file, *box, type);
        if (!box)
            return std::nullopt;
    }
    // stsd: version and flags, then the entry count, then the entries.
    const QList<Box> entries = boxesIn(file, box->body + 8, box->end);
    return entries.isEmpty() ? std::nullopt : std::optional(entries.first());
}

QByteArray recordBytes(QFile &file, const Box &record, qint64 count)
{
    if (record.end - record.body < count || !file.seek(record.body))
        return {};
    return file.read(count);
}

std::optional<QString> avcCodec(QFile &file, const Box &entry)
{
    // A visual sample entry's own fields take 78 bytes before its boxes.
    const std::optional<Box> record = child(file, entry, "avcC", 78);
    const QByteArray bytes = record ? recordBytes(file, *record, 4) : QByteArray();
    if (bytes.size() < 4)
        return std::nullopt;
    return QStringLiteral("avc1.") + QString::fromLatin1(bytes.mid(1, 3).toHex().toUpper());
}

std::optional<QString> av1Codec(QFile &file, const Box &entry)
{
    const std::optional<Box> record = child(file, entry, "av1C", 78);
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
QList<Box> sampleEntries(QFile &file)
{
    QList<Box> entries;
    const std::optional<Box> movie = child(file, Box{{}, 0, file.size()}, "moov");
    if (!movie)
        return entries;
    for (const Box &track : boxesIn(file, movie->body, movie->end)) {
        if (track.type != "trak")
            continue;
        if (const std::optional<Box> entry = sampleEntry(file, track))
            entries << *entry;
    }
    return entries;
}

std::optional<QString> videoCodecOf(QFile &file, const QList<Box> &entries)
{
    for (const Box &entry : entries) {
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

std::optional<QString> mp4SourceType(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<Box> entries = sampleEntries(file);
    const std::optional<QString> video = videoCodecOf(file, entries);
    if (!video)
        return std::nullopt;
    const bool hasAudio = std::any_of(entries.cbegin(), entries.cend(), [](const Box &entry) { return entry.type == "mp4a"; });
    const QString codecs = hasAudio ? *video + QStringLiteral(", ") + aacCodecString.toString() : *video;
    return QStringLiteral("video/mp4; codecs=\"%1\"").arg(codecs);
}
