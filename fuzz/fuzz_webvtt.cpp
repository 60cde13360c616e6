// Captions cut from a source's subtitles: any WebVTT text and any part kept.
#include "export/captiontrim.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // The first bytes choose the part kept, the rest is the captions.
    if (size < 4)
        return 0;
    const double start = double(data[0] | data[1] << 8) / 100;
    const double length = double(data[2] | data[3] << 8) / 100;
    const QByteArray captions(reinterpret_cast<const char *>(data + 4), qsizetype(size - 4));
    const QByteArray kept = trimmedCaptions(captions, start, start + length);
    // What comes out is made safe once and for all: another pass changes nothing.
    const QByteArray whole = safeCaptions(captions);
    if (safeCaptions(whole) != whole || trimmedCaptions(kept, 0, HUGE_VAL) != kept)
        __builtin_trap();
    return 0;
}
