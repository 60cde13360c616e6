#include "export/fragmentindex.h"

#include "export/mp4boxes.h"

#include <QFile>
#include <QtEndian>

#include <numeric>

qint64 FragmentIndex::mediaBytes() const
{
    return std::accumulate(fragments.cbegin(), fragments.cend(), qint64(0),
                           [](qint64 bytes, const Mp4Fragment &fragment) { return bytes + fragment.size; });
}

double FragmentIndex::seconds() const
{
    return std::accumulate(fragments.cbegin(), fragments.cend(), 0.0,
                           [](double seconds, const Mp4Fragment &fragment) { return seconds + fragment.seconds; });
}

namespace {

// The content of a box, from its start; boxes of fragment headers are small.
QByteArray bodyOf(QFile &file, const Mp4Box &box)
{
    if (!file.seek(box.body))
        return {};
    return file.read(std::min<qint64>(box.end - box.body, 1 << 20));
}

std::optional<Mp4Box> child(QFile &file, const Mp4Box &parent, QByteArrayView type)
{
    for (const Mp4Box &box : mp4Boxes(file, parent.body, parent.end)) {
        if (box.type == type)
            return box;
    }
    return std::nullopt;
}

quint32 word(const QByteArray &bytes, qsizetype at)
{
    return at + 4 <= bytes.size() ? qFromBigEndian<quint32>(bytes.constData() + at) : 0;
}

struct VideoTrack
{
    quint32 id = 0;
    quint32 timescale = 0;
    quint32 defaultSampleDuration = 0; // the movie's extends box, for fragments that give none
};

// The video track of the movie: its id (tkhd), its time scale (mdhd) and the
// default sample duration of its trex.
std::optional<VideoTrack> videoTrack(QFile &file, const Mp4Box &movie)
{
    std::optional<VideoTrack> video;
    for (const Mp4Box &track : mp4Boxes(file, movie.body, movie.end)) {
        if (track.type != "trak")
            continue;
        const std::optional<Mp4Box> header = child(file, track, "tkhd");
        const std::optional<Mp4Box> media = child(file, track, "mdia");
        const std::optional<Mp4Box> handler = media ? child(file, *media, "hdlr") : std::nullopt;
        const std::optional<Mp4Box> mediaHeader = media ? child(file, *media, "mdhd") : std::nullopt;
        if (!header || !handler || !mediaHeader || bodyOf(file, *handler).mid(8, 4) != "vide")
            continue;
        const QByteArray tkhd = bodyOf(file, *header);
        const QByteArray mdhd = bodyOf(file, *mediaHeader);
        const bool longTkhd = !tkhd.isEmpty() && tkhd[0] == 1;
        const bool longMdhd = !mdhd.isEmpty() && mdhd[0] == 1;
        video = VideoTrack{word(tkhd, longTkhd ? 20 : 12), word(mdhd, longMdhd ? 20 : 12), 0};
        break;
    }
    if (!video || video->timescale == 0)
        return std::nullopt;
    if (const std::optional<Mp4Box> extends = child(file, movie, "mvex")) {
        for (const Mp4Box &box : mp4Boxes(file, extends->body, extends->end)) {
            const QByteArray trex = box.type == "trex" ? bodyOf(file, box) : QByteArray();
            if (!trex.isEmpty() && word(trex, 4) == video->id)
                video->defaultSampleDuration = word(trex, 12);
        }
    }
    return video;
}

// The summed sample durations of the video track's runs in one fragment, in
// the track's time scale; nothing when the fragment holds no video.
std::optional<quint64> videoTicks(QFile &file, const Mp4Box &fragment, const VideoTrack &video)
{
    for (const Mp4Box &trackFragment : mp4Boxes(file, fragment.body, fragment.end)) {
        if (trackFragment.type != "traf")
            continue;
        const std::optional<Mp4Box> header = child(file, trackFragment, "tfhd");
        const QByteArray tfhd = header ? bodyOf(file, *header) : QByteArray();
        if (word(tfhd, 4) != video.id)
            continue;
        // tfhd: flags, track id, then the optional fields its flags name.
        const quint32 flags = word(tfhd, 0) & 0xffffff;
        qsizetype at = 8 + (flags & 0x01 ? 8 : 0) + (flags & 0x02 ? 4 : 0);
        const quint32 defaultDuration = flags & 0x08 ? word(tfhd, at) : video.defaultSampleDuration;
        quint64 ticks = 0;
        for (const Mp4Box &box : mp4Boxes(file, trackFragment.body, trackFragment.end)) {
            if (box.type != "trun")
                continue;
            const QByteArray trun = bodyOf(file, box);
            const quint32 runFlags = word(trun, 0) & 0xffffff;
            const quint32 count = word(trun, 4);
            if (!(runFlags & 0x100)) {
                ticks += quint64(count) * defaultDuration;
                continue;
            }
            qsizetype sample = 8 + (runFlags & 0x01 ? 4 : 0) + (runFlags & 0x04 ? 4 : 0);
            const qsizetype stride = 4 * ((runFlags & 0x100 ? 1 : 0) + (runFlags & 0x200 ? 1 : 0)
                                          + (runFlags & 0x400 ? 1 : 0) + (runFlags & 0x800 ? 1 : 0));
            for (quint32 i = 0; i < count && sample + 4 <= trun.size(); ++i, sample += stride)
                ticks += word(trun, sample);
        }
        return ticks;
    }
    return std::nullopt;
}

} // namespace

std::optional<FragmentIndex> readFragmentIndex(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QList<Mp4Box> boxes = mp4Boxes(file, 0, file.size());
    FragmentIndex index;
    std::optional<VideoTrack> video;
    for (qsizetype i = 0; i < boxes.size(); ++i) {
        const Mp4Box &box = boxes.at(i);
        if (box.type == "moov") {
            video = videoTrack(file, box);
            index.initSize = box.end;
        } else if (box.type == "moof") {
            const std::optional<quint64> ticks = video ? videoTicks(file, box, *video) : std::nullopt;
            if (!ticks)
                return std::nullopt;
            // The fragment runs to the end of the media data after it.
            qint64 end = box.end;
            if (i + 1 < boxes.size() && boxes.at(i + 1).type == "mdat")
                end = boxes.at(++i).end;
            index.fragments.append({box.start, end - box.start, double(*ticks) / video->timescale});
        }
    }
    if (!video || index.fragments.isEmpty())
        return std::nullopt;
    return index;
}
