#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The RFC 6381 "codecs" value of an MP4's first video track, read from its
// sample entry's configuration record, as browsers need it to choose among
// sources: "avc1.64001F" (the avcC's profile, constraint flags and level) or
// "av01.0.05M.08" (the av1C's profile, level, tier and bit depth). Nothing
// when the file has no H.264 or AV1 track or cannot be read. Reads only the
// boxes' headers and the records, never the media data.
[[nodiscard]] std::optional<QString> videoCodecString(const QString &path);

// The codec of the AAC audio the exports write (AAC-LC).
inline constexpr QStringView aacCodecString = u"mp4a.40.2";

// The codecs of an MP4 export, video first: "avc1.64001F" and, when the file
// has an AAC track, "mp4a.40.2". Nothing without a video codec.
[[nodiscard]] std::optional<QStringList> mp4Codecs(const QString &path);

// A source element's type for an MP4 export: video/mp4; codecs="VIDEO, mp4a.40.2",
// the audio only when the file has an AAC track. Nothing without a video codec.
[[nodiscard]] std::optional<QString> mp4SourceType(const QString &path);
