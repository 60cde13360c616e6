#pragma once

#include <QString>

class FileProbe;

// The first video stream's transfer function ("color_transfer"), empty when unknown.
[[nodiscard]] QString firstVideoTransfer(const FileProbe &probe);

// Whether a transfer function is HDR: PQ ("smpte2084") or HLG ("arib-std-b67").
// Screens and browsers without HDR show such a picture washed out.
[[nodiscard]] bool isHdrTransfer(const QString &transfer);

// The filters that map an HDR picture to SDR BT.709 (8-bit 4:2:0), to run
// before the scaling, with a trailing ","; empty for an SDR picture.
[[nodiscard]] QString toneMapFilters(const QString &transfer);
