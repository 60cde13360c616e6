#pragma once

#include <QString>

#include <optional>

// The media tools ship among the application's resources under fixed names.
namespace MediaTools {

// FFmpeg's ffprobe.
inline constexpr QStringView proberName = u"sniffer";
// FFmpeg's ffmpeg, with libx264 and the native AAC encoder.
inline constexpr QStringView encoderName = u"creator";

// Overrides the resource directory, so tests can put fake tools in place.
inline constexpr char resourcesVariable[] = "VIDEOFOLD_RESOURCES";

// The resource directory: $VIDEOFOLD_RESOURCES when set, otherwise the first of
// <binary dir>/resources (the build tree) and <binary dir>/../lib/videofold/resources
// (the installed tree) that exists.
[[nodiscard]] QString resourceDirectory();

// The path of an executable resource, or nothing when there is none by that name.
[[nodiscard]] std::optional<QString> resourcePath(QStringView name);

} // namespace MediaTools
