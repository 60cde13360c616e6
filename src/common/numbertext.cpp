#include "common/numbertext.h"

#include <array>
#include <charconv>
#include <cctype>
#include <cmath>
#include <limits>

QString shortestDoubleText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");

    // Fixed notation of the largest double has 309 integer digits.
    std::array<char, 400> buffer;
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed);
    QString text = QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
    if (!text.contains(u'.'))
        text += QLatin1String(".0");
    return text;
}

qint64 saturatingInt64(double value) noexcept
{
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    if (std::isnan(value))
        return 0;
    // 2^63 is exactly representable; every double below it converts exactly after truncation.
    if (value >= 9223372036854775808.0)
        return max;
    if (value < -9223372036854775808.0)
        return min;
    return static_cast<qint64>(value);
}

std::optional<double> parseDouble(QStringView text)
{
    const QByteArray latin1 = text.toLatin1();
    const char *begin = latin1.constData();
    const char *end = begin + latin1.size();
    // from_chars rejects a leading '+', which tools and people write.
    if (end - begin > 1 && *begin == '+' && begin[1] != '-')
        ++begin;
    // from_chars reads "nan" and "inf"; a number starts with a digit, a point or a minus.
    const char *first = (begin != end && *begin == '-') ? begin + 1 : begin;
    if (first == end || !(std::isdigit(static_cast<unsigned char>(*first)) || *first == '.'))
        return std::nullopt;

    double value = 0;
    const auto result = std::from_chars(begin, end, value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}
