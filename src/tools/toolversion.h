#pragma once

#include <QString>

namespace MediaTools {

// The first line of "creator -version", such as "ffmpeg version 5.1.6-0+deb12u1";
// empty when there is no encoder. Blocks while the encoder runs.
[[nodiscard]] QString encoderVersion();

// The encoder's name for SVT-AV1, which the AV1 version needs.
inline constexpr QStringView av1EncoderName = u"libsvtav1";

// Whether the encoder was built with the named encoder ("libsvtav1"), from
// "creator -encoders"; false when there is no encoder. Blocks while it runs.
[[nodiscard]] bool encoderHas(QStringView name);

} // namespace MediaTools
