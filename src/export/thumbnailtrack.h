#pragma once

#include "export/outputsettings.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// The small pictures a player shows over its seek bar: one every interval
// seconds, laid out in rows on a few sheets (JPEG images), each named with
// its place on its sheet by a WebVTT track.
struct ThumbnailPlan
{
    double interval = 0; // seconds from one thumbnail to the next
    FrameSize tile;      // one thumbnail's size
    qsizetype count = 0; // thumbnails in all
    int columns = 0;     // thumbnails across a sheet
    int rows = 0;        // rows of a sheet

    [[nodiscard]] qsizetype perSheet() const { return qsizetype(columns) * rows; }
    [[nodiscard]] qsizetype sheetCount() const { return (count + perSheet() - 1) / perSheet(); }
};

// The thumbnails of a video of this length, frame and size: 160 wide in the
// frame's shape, every 2 seconds, further apart where that many would weigh
// more than a twentieth of the video's bytes. Nothing when the video has no
// length or frame, or not even two thumbnails fit.
[[nodiscard]] std::optional<ThumbnailPlan> thumbnailPlan(double seconds, FrameSize frame, qint64 videoBytes);

inline constexpr QStringView thumbnailTrackFileName = u"thumbnails.vtt";

// The sheet's file name in the folder, counted from 1.
[[nodiscard]] QString thumbnailSheetName(qsizetype sheet);

// The track: for each thumbnail a cue from its time to the next one's (the
// last to the video's end) naming its sheet and its rectangle on it.
[[nodiscard]] QByteArray thumbnailTrack(const ThumbnailPlan &plan, double seconds);

// The encoder's arguments that lay the thumbnails of the video at videoPath
// out on the plan's sheets in folder: one decode of the small, written video.
[[nodiscard]] QStringList thumbnailSheetArguments(const QString &videoPath, const ThumbnailPlan &plan, const QString &folder);
