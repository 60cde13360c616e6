#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// Locale-independent conversions between numbers and text. Their texts become
// arguments of the media tools, which accept neither exponents nor a decimal comma.

// The shortest decimal text that reads back as the same double, in plain fixed
// notation, with ".0" appended when it has no fraction: 128.0, 1411.2, 100000.0.
// NaN and the infinities give "nan", "inf" and "-inf"; negative zero gives "-0.0".
[[nodiscard]] QString shortestDoubleText(double value);

// Truncates toward zero; NaN gives 0 and values out of range saturate.
[[nodiscard]] qint64 saturatingInt64(double value) noexcept;

// The whole text as a decimal number ("12.345", "-3", "1e3"), independent of the
// user's locale; nothing for anything else, including "nan" and "inf".
[[nodiscard]] std::optional<double> parseDouble(QStringView text);
