#pragma once

#include <QString>

// Seconds as HH:MM:SS.mmm: hours not wrapped at 24, milliseconds truncated.
// 3725.5 gives 01:02:05.500, 360000 gives 100:00:00.000.
[[nodiscard]] QString formatDuration(double seconds);

// A byte count as a file manager shows it, in 1000-based units and the user's
// locale: 12345678 gives about "12.3 MB".
[[nodiscard]] QString byteCountText(quint64 bytes);

// Bits per second as kilobits in shortest double text, then "kbps": 128000 gives 128.0kbps.
[[nodiscard]] QString bitrateText(qint64 bitsPerSecond);
