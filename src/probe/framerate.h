#pragma once

#include <QString>
#include <QStringView>

#include <optional>
#include <utility>

// The two decimal numbers around the first separator ("30000/1001", "64:45").
[[nodiscard]] std::optional<std::pair<double, double>> numberPair(QStringView text, QChar separator);

// The rate N/D of a fraction text such as "30000/1001", in floating point
// (so "0/0" gives NaN); nothing when the text is not two decimal numbers around "/".
[[nodiscard]] std::optional<double> rateOfFraction(QStringView fraction);

// A decimal number in the user's locale (LC_ALL, LC_NUMERIC, LANG), with 0 to 3
// fraction digits rounded half to even: 29.97, 23.976, 25; in German 29,97.
// Nothing when the formatter fails.
[[nodiscard]] std::optional<QString> localizedDecimalText(double value);

// The ICU locale name that localizedDecimalText uses for the current environment.
[[nodiscard]] QByteArray numericLocaleName();
