#pragma once

#include "export/outputsettings.h"

#include <QLocale>
#include <QString>
#include <QStringView>

#include <optional>

class JSON;

// The export's settings as a person types them, the way the labels show them:
// shares of the source in per cent, sizes in decimal units, times as the clock reads.

// A target size: a share of the source's file size, or a number of bytes.
struct SizeSetting
{
    enum class Kind { Share, Bytes };
    Kind kind = Kind::Share;
    double value = 100; // per cent, or bytes

    bool operator==(const SizeSetting &) const = default;
};

// "50%" (more than 0, at most 100), or bytes: "8MB", "750kB", "1.5GB", "8000000"
// (units of 1000, as the labels print them; "B", "k", "M" and "G" alike); nothing
// for anything else, a zero or a negative size.
[[nodiscard]] std::optional<SizeSetting> parseSizeSetting(QStringView text);

// A frame size: a share of the source's ("50%") or pixels ("1280x720", "1280 x 720").
struct FrameSizeSetting
{
    std::optional<double> percent;
    FrameSize size; // when no percent is given

    bool operator==(const FrameSizeSetting &) const = default;
};
[[nodiscard]] std::optional<FrameSizeSetting> parseFrameSizeSetting(QStringView text);

// The smallest whole percentage from 1 to 100, as the frame-size slider offers
// them, that gives exactly that size for the first video record; nothing when none does.
[[nodiscard]] std::optional<int> frameSizePercent(const JSON &firstVideoTrackInfo, FrameSize size);

// A position in the video: a share of its duration ("40%", 0 to 100), or a time
// ("62.5", "1:02.5", "1:01:02.5", minutes and seconds below 60 after the first part).
struct PositionSetting
{
    enum class Kind { Share, Seconds };
    Kind kind = Kind::Share;
    double value = 50;

    bool operator==(const PositionSetting &) const = default;
};
[[nodiscard]] std::optional<PositionSetting> parsePositionSetting(QStringView text);

// The part of a video that a start and an end keep (each a share of the
// duration or a time; nothing for the video's own start or end; an end past the
// video is its end), or why it keeps nothing: a start at or after the end, or a
// part shorter than the shortest (a frame).
struct KeptPart
{
    double start = 0;
    std::optional<double> end; // nothing: the video's end
    QString problem;
};
[[nodiscard]] KeptPart keptPart(const std::optional<PositionSetting> &start, const std::optional<PositionSetting> &end,
                                double duration, double shortest = 0.04);

// Seconds as a clock reads them: "0:42", "1:02:05"; tenths for short spans ("0:05.2").
[[nodiscard]] QString clockText(double seconds, bool tenths = false);

// What a person typed, with the locale's decimal separator made a dot and the
// units as the window shows them made the parsers' own, so that "8,5 MB",
// "8,5 Mo" and "0:11,6" are read where the language writes them so; a dot and
// "MB" are read everywhere. The command line's options keep the one form.
[[nodiscard]] QString withDotDecimals(QStringView typed, const QLocale &locale = QLocale());
