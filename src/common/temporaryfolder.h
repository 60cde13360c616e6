#pragma once

#include <QString>

// A template for QTemporaryDir: a private folder (mode 0700) of this
// application in the per-user temporary directory, whose path holds no "%",
// which ffmpeg's image and pass-log writers would read as a number pattern.
[[nodiscard]] QString privateTemporaryTemplate();
