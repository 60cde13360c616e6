#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Whether a browser can play the file: the prober ("sniffer") finds an H.264
// (or, for the AV1 version, an AV1) video stream in it, decodes its first frame, and reads a positive duration.
// Blocks while the prober runs.
[[nodiscard]] bool isPlayableVideo(const QString &path);
// The same check, giving the video's duration in seconds when it passes.
[[nodiscard]] std::optional<double> playableVideoSeconds(const QString &path);

// The prober's arguments for that check: the first video stream's first frame decoded.
[[nodiscard]] QStringList playabilityArguments(const QString &path);
