#include "probe/framerate.h"

#include "common/numbertext.h"

#include <unicode/unum.h>

#include <memory>

std::optional<std::pair<double, double>> numberPair(QStringView text, QChar separator)
{
    const qsizetype at = text.indexOf(separator);
    if (at < 0)
        return std::nullopt;
    const std::optional<double> first = parseDouble(text.first(at));
    const std::optional<double> second = parseDouble(text.sliced(at + 1));
    if (!first || !second)
        return std::nullopt;
    return std::pair(*first, *second);
}

std::optional<double> rateOfFraction(QStringView fraction)
{
    const auto pair = numberPair(fraction, u'/');
    if (!pair)
        return std::nullopt;
    return pair->first / pair->second;
}

QByteArray numericLocaleName()
{
    QByteArray name;
    for (const char *variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        name = qgetenv(variable);
        if (!name.isEmpty())
            break;
    }
    // de_DE.UTF-8@euro names the locale de_DE for ICU.
    const qsizetype cut = name.indexOf('.') >= 0 ? name.indexOf('.') : name.indexOf('@');
    if (cut >= 0)
        name.truncate(cut);
    if (name.isEmpty() || name == "C" || name == "POSIX")
        return QByteArrayLiteral("en_US");
    return name;
}

namespace {

struct FormatterCloser
{
    void operator()(UNumberFormat *formatter) const { unum_close(formatter); }
};
using Formatter = std::unique_ptr<UNumberFormat, FormatterCloser>;

Formatter openDecimalFormatter(const QByteArray &locale)
{
    UErrorCode status = U_ZERO_ERROR;
    Formatter formatter(unum_open(UNUM_DECIMAL, nullptr, 0, locale.constData(), nullptr, &status));
    if (U_FAILURE(status))
        return nullptr;
    unum_setAttribute(formatter.get(), UNUM_MIN_FRACTION_DIGITS, 0);
    unum_setAttribute(formatter.get(), UNUM_MAX_FRACTION_DIGITS, 3);
    unum_setAttribute(formatter.get(), UNUM_ROUNDING_MODE, UNUM_ROUND_HALFEVEN);
    return formatter;
}

} // namespace

std::optional<QString> localizedDecimalText(double value)
{
    // A formatter is not safe to share between threads; each keeps its own and
    // opens it anew when the locale changes.
    thread_local QByteArray formatterLocale;
    thread_local Formatter formatter;
    const QByteArray locale = numericLocaleName();
    if (!formatter || locale != formatterLocale) {
        formatter = openDecimalFormatter(locale);
        formatterLocale = locale;
    }
    if (!formatter)
        return std::nullopt;

    UChar buffer[512]; // room for the largest double with grouping
    UErrorCode status = U_ZERO_ERROR;
    const int32_t length = unum_formatDouble(formatter.get(), value, buffer, 512, nullptr, &status);
    if (U_FAILURE(status) || length <= 0 || length > 512)
        return std::nullopt;
    return QString(reinterpret_cast<const QChar *>(buffer), length);
}
