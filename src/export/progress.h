#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Reading the encoder's progress from its diagnostic output.
namespace Utils {

// The position pattern HH:MM:SS.hh (any character before the hundredths).
inline constexpr QStringView timestampPattern = u"([0-9][0-9]):([0-9][0-9]):([0-9][0-9]).([0-9][0-9])";

// All non-overlapping matches of pattern in text, in order. A pattern that does
// not compile gives none and an "invalid regex: " diagnostic line.
[[nodiscard]] QStringList matches(QStringView pattern, const QString &text);

// The seconds of HH:MM:SS.hh ("00:01:02.50" gives 62.5); nothing when a piece
// is not a number.
[[nodiscard]] std::optional<double> secondsFromTimestamp(const QString &timestamp);

} // namespace Utils

// The percentage (0 to 100) of an encode at the last position written after
// "time=" in one chunk of diagnostic output; nothing when the chunk holds no
// position ("time=N/A", header lines), is not UTF-8, or the duration is unknown.
[[nodiscard]] std::optional<double> progressPercent(const QByteArray &chunk, double duration);
