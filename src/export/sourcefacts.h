#pragma once

#include <QString>

class FileProbe;

// A codec as people know it: "h264" gives "H.264", "mp3" gives "MP3"; an
// unknown name is shown in capitals.
[[nodiscard]] QString codecDisplayName(const QString &codecName);

// The source at a glance, one line under the preview: display size, duration,
// file size, first video codec, first audio codec with its channel layout.
// "1280 x 720 · 00:00:14 · 728.8 kB · H.264 · MP3 mono"; parts that are unknown
// are left out.
[[nodiscard]] QString sourceFactsText(const FileProbe &probe);
