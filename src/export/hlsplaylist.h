#pragma once

#include "export/fragmentindex.h"
#include "export/outputsettings.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The text of HTTP Live Streaming playlists for fragmented MP4 files whose
// fragments are the segments, addressed by byte ranges of the one file.
namespace HlsPlaylist {

// One quality as the master playlist lists it.
struct Variant
{
    QString uri; // its media playlist, relative to the master
    qint64 peakBitsPerSecond = 0;
    qint64 averageBitsPerSecond = 0;
    FrameSize frame;
    std::optional<double> frameRate;
    QStringList codecs; // RFC 6381: "avc1.64001F", "mp4a.40.2"

    bool operator==(const Variant &) const = default;
};

// The media playlist of a file at mediaUri: its initialisation as the map,
// each fragment a segment, the whole as one video on demand.
[[nodiscard]] QByteArray mediaPlaylist(const QString &mediaUri, const FragmentIndex &index);

// The rates a quality needs: its largest segment's over that segment's time,
// and all its segments' over all their time.
[[nodiscard]] std::pair<qint64, qint64> bitsPerSecond(const FragmentIndex &index);

// The master playlist, the variants in the order given (the lowest first:
// players that start with the first listed start quickly).
[[nodiscard]] QByteArray masterPlaylist(const QList<Variant> &variants);

} // namespace HlsPlaylist
