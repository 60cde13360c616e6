#pragma once

#include "json/json.h"

#include <QString>

#include <optional>

// The output frame size for a percentage of the source's: each side scaled and
// rounded to an even number of pixels.
struct FrameSize
{
    qint64 width = 0;
    qint64 height = 0;

    [[nodiscard]] bool isEmpty() const { return width <= 0 || height <= 0; }
    friend bool operator==(const FrameSize &, const FrameSize &) = default;
};

// The frame size at percent of the first video record's "width" and "height".
[[nodiscard]] FrameSize outputFrameSize(const JSON &firstVideoTrackInfo, double percent);

// "W x H", as the frame-size label shows it: "960 x 540".
[[nodiscard]] QString frameSizeText(FrameSize size);

// The frame-size label read back strictly: two non-negative decimal integers
// around " x ", nothing else.
[[nodiscard]] std::optional<FrameSize> parseFrameSizeText(const QString &text);

// The target size at percent of the source file's size, truncated to whole bytes.
[[nodiscard]] qint64 targetSizeBytes(quint64 sourceFileSize, double percent);

// Why bytes cannot be a size limit for a source file of sourceFileSize bytes:
// it is smaller than 1 % of it gives, the slider's left end; nothing when it
// can be (a limit over the source acts as the source's own size).
[[nodiscard]] std::optional<QString> sizeLimitProblem(double bytes, quint64 sourceFileSize);

// The target slider's position (1 to 100) nearest to a size limit.
[[nodiscard]] int sizeLimitPercent(double bytes, quint64 sourceFileSize);
