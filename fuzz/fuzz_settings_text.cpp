// Sizes, frame sizes and times as a person types them or a script gives them.
#include "export/settingstext.h"

#include <QLocale>

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QString &typed : {text, withDotDecimals(text, QLocale(QLocale::German)), withDotDecimals(text, QLocale(QLocale::French))}) {
        // Whatever reads is a finite, positive size and a finite, non-negative time or share.
        if (const std::optional<SizeSetting> setting = parseSizeSetting(typed); setting && !(std::isfinite(setting->value) && setting->value > 0))
            __builtin_trap();
        if (const std::optional<PositionSetting> position = parsePositionSetting(typed); position && !(std::isfinite(position->value) && position->value >= 0))
            __builtin_trap();
        (void)parseFrameSizeSetting(typed);
    }
    return 0;
}
