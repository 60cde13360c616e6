// The loudness meter's summary among whatever else the encoder printed.
#include "export/loudness.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString messages = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<Loudness::Measure> measure = Loudness::parseSummary(messages)) {
        // A correction from any reading stays a finite gain and a limit the filter takes.
        if (const std::optional<Loudness::Correction> correction = Loudness::firstCorrection(*measure)) {
            const QString filters = Loudness::filters(*correction, 96000);
            if (!std::isfinite(correction->gain) || filters.contains(u"nan") || filters.contains(u"inf"))
                __builtin_trap();
        }
    }
    return 0;
}
