#pragma once

#include "export/outputsettings.h"

#include <QList>
#include <QString>

#include <optional>

// The qualities of an adaptive folder beside html5video.mp4, which is its top
// quality: each a smaller frame of the source's shape at a lower rate, so a
// player can step down as the visitor's connection allows.
namespace AdaptiveLadder {

// Seconds between key frames in every quality, so that each segment of one
// starts where the same segment of every other does: a player switches only there.
inline constexpr double segmentSeconds = 4;
// Shorter videos and lower rates play well enough as one file.
inline constexpr double shortestSeconds = 30;
inline constexpr double lowestTopKilobits = 300;
// The subfolder of the playlists, the smaller qualities and the player's script.
inline constexpr QStringView folderName = u"hls";
inline constexpr QStringView masterPlaylistName = u"master.m3u8";

struct Quality
{
    QString name; // "360p", as files and summaries name it
    FrameSize frame;
    double videoKilobits = 0;
    double audioKilobits = 0; // 0 without audio
    int audioChannels = 0;

    bool operator==(const Quality &) const = default;
};

// The qualities below the top, largest first, or why the source gets the plain folder.
struct Plan
{
    QList<Quality> lower;
    QString skipReason; // in words, for the summary
    QString skipCode;   // "adaptiveTooShort", "adaptiveTooLow", "adaptiveTooSmall"
};

// The plan for a top quality of frame size top at topKilobits (video and audio)
// over seconds: three qualities below it at a half, a quarter and an eighth of
// its rate, each frame scaled by the square root of its share, so every quality
// spends as many bits on a pixel as the top does.
[[nodiscard]] Plan plan(FrameSize top, double topKilobits, std::optional<double> seconds, bool hasAudio);

// The frames a quality holds between its key frames, at a frame rate (30 when unknown).
[[nodiscard]] int keyFrameInterval(std::optional<double> frameRate);

// The quality's name for a frame: its height, "360p".
[[nodiscard]] QString qualityName(FrameSize frame);

} // namespace AdaptiveLadder
