#include "json/json.h"

#include "common/numbertext.h"

#include <charconv>
#include <cmath>

JSONNumber JSONNumber::leadingIn(const QString &text)
{
    const QByteArray bytes = text.toLatin1();
    const char *const begin = bytes.constData();
    const char *const end = begin + bytes.size();
    auto isDigit = [](char c) { return c >= '0' && c <= '9'; };

    const char *p = begin;
    while (p != end && (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r'))
        ++p;
    const char *const start = p;
    if (p != end && (*p == '+' || *p == '-'))
        ++p;
    const char *const digits = p;
    while (p != end && isDigit(*p))
        ++p;
    bool isInteger = true;
    qsizetype digitCount = p - digits;
    if (p != end && *p == '.') {
        const char *const fraction = ++p;
        while (p != end && isDigit(*p))
            ++p;
        digitCount += p - fraction;
        isInteger = false;
    }
    if (digitCount == 0)
        return JSONNumber::integer(0);
    if (p != end && (*p == 'e' || *p == 'E')) {
        const char *exponent = p + 1;
        if (exponent != end && (*exponent == '+' || *exponent == '-'))
            ++exponent;
        if (exponent != end && isDigit(*exponent)) {
            p = exponent;
            while (p != end && isDigit(*p))
                ++p;
            isInteger = false;
        }
    }

    // from_chars takes neither a leading '+' nor a bare "-." without digits before it.
    QByteArray number(start, p - start);
    if (number.startsWith('+'))
        number.remove(0, 1);
    if (isInteger) {
        qint64 integer = 0;
        const auto result = std::from_chars(number.cbegin(), number.cend(), integer);
        if (result.ec == std::errc() && result.ptr == number.cend())
            return JSONNumber::integer(integer);
    }
    double decimal = 0;
    const auto result = std::from_chars(number.cbegin(), number.cend(), decimal);
    if (result.ec == std::errc::result_out_of_range) {
        // Too large in magnitude or too close to zero for a double.
        const bool negative = number.startsWith('-');
        const bool tiny = number.contains("e-") || number.contains("E-");
        decimal = tiny ? 0.0 : HUGE_VAL;
        decimal = negative ? -decimal : decimal;
    }
    return JSONNumber::decimal(decimal);
}


double JSONNumber::toDouble() const
{
    return m_isInteger ? double(m_integer) : m_decimal;
}

qint64 JSONNumber::toInt64() const
{
    return m_isInteger ? m_integer : saturatingInt64(m_decimal);
}

QString JSONNumber::text() const
{
    if (m_isInteger)
        return QString::number(m_integer);
    // A whole decimal reads like an integer, as number formatters write it.
    if (std::isfinite(m_decimal) && std::trunc(m_decimal) == m_decimal && std::abs(m_decimal) < 1e15)
        return QString::number(qint64(m_decimal));
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, m_decimal);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

bool operator==(const JSONNumber &a, const JSONNumber &b)
{
    if (a.m_isInteger && b.m_isInteger)
        return a.m_integer == b.m_integer;
    return a.toDouble() == b.toDouble();
}

