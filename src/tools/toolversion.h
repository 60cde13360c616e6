#pragma once

#include <QString>

namespace MediaTools {

// The first line of "creator -version", such as "ffmpeg version 5.1.6-0+deb12u1";
// empty when there is no encoder. Blocks while the encoder runs.
[[nodiscard]] QString encoderVersion();

} // namespace MediaTools
