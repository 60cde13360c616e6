#pragma once

#include "export/adaptiveladder.h"

#include <QList>
#include <QString>

#include <optional>

// One quality of an adaptive folder as the summary tells of it.
struct StreamQuality
{
    QString name; // "720p"
    FrameSize frame;
    qint64 peakBitsPerSecond = 0;
    qint64 averageBitsPerSecond = 0;
    qint64 bytes = 0; // its file's; the top's is html5video.mp4

    bool operator==(const StreamQuality &) const = default;
};

// The playlists and the player of an adaptive folder, once its qualities are encoded.
namespace AdaptiveFolder {

// The web library that plays the playlists where the browser does not, its
// licence, and the page's script that starts it, among the web player's files;
// all three are copied beside the playlists.
[[nodiscard]] QStringList playerFileNames();

// The scripts the page runs, from the page: the library, then its starter.
[[nodiscard]] QStringList pageScripts();

// The master playlist's path from the page.
[[nodiscard]] QString masterPlaylistUri();

struct Written
{
    QList<StreamQuality> qualities; // lowest first; empty when it failed
    QString problem;                // why it failed
};

// Writes, in folder's subfolder, a media playlist for every quality (the top
// one over folder's html5video.mp4, the lower ones over their files there), the
// master playlist over all of them, and the player's files.
[[nodiscard]] Written write(const QString &folder, FrameSize top, const QList<AdaptiveLadder::Quality> &lower,
                            std::optional<double> frameRate);

} // namespace AdaptiveFolder
