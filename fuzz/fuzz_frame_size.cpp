// The frame-size label read back for the page and the poster.
#include "export/outputsettings.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    if (const std::optional<FrameSize> parsed = parseFrameSizeText(text)) {
        // Whatever parses is a size the page and the poster can use as it is.
        if (parsed->width < 0 || parsed->height < 0 || parseFrameSizeText(frameSizeText(*parsed)) != parsed)
            __builtin_trap();
    }
    return 0;
}
