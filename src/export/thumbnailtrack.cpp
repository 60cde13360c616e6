#include "export/thumbnailtrack.h"

#include "export/webvtttime.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr qint64 tileWidth = 160;
constexpr double shortestInterval = 2;
constexpr double shareOfVideoBytes = 0.05;
// What a JPEG thumbnail at the sheets' quality takes, per pixel, on busy pictures.
constexpr double bytesPerPixel = 0.35;
constexpr int sheetColumns = 10;
constexpr int sheetRows = 10;

qint64 evenAtLeastTwo(double value)
{
    return std::max<qint64>(2, 2 * std::llround(value / 2));
}

QString sheetNamePattern()
{
    return QStringLiteral("thumbnails-%1.jpg");
}

} // namespace

std::optional<ThumbnailPlan> thumbnailPlan(double seconds, FrameSize frame, qint64 videoBytes)
{
    if (!(seconds > 0) || !std::isfinite(seconds) || frame.isEmpty() || videoBytes <= 0)
        return std::nullopt;
    ThumbnailPlan plan;
    plan.tile.width = std::min(tileWidth, std::max<qint64>(2, frame.width / 2 * 2));
    plan.tile.height = evenAtLeastTwo(double(plan.tile.width) * double(frame.height) / double(frame.width));
    const double tileBytes = bytesPerPixel * double(plan.tile.width * plan.tile.height);
    const double affordable = std::floor(shareOfVideoBytes * double(videoBytes) / tileBytes);
    // Whole seconds apart, so that the cues read plainly.
    plan.interval = std::max(shortestInterval, std::ceil(seconds / std::max(affordable, 1.0)));
    plan.count = qsizetype(std::ceil(seconds / plan.interval - 1e-9));
    if (plan.count < 2 || double(plan.count) > affordable)
        return std::nullopt;
    plan.columns = int(std::min<qsizetype>(sheetColumns, plan.count));
    plan.rows = int(std::min<qsizetype>(sheetRows, (plan.count + plan.columns - 1) / plan.columns));
    return plan;
}

QString thumbnailSheetName(qsizetype sheet)
{
    return sheetNamePattern().arg(sheet);
}

QByteArray thumbnailTrack(const ThumbnailPlan &plan, double seconds)
{
    QString track = QStringLiteral("WEBVTT\n");
    for (qsizetype i = 0; i < plan.count; ++i) {
        const qsizetype place = i % plan.perSheet();
        const double from = double(i) * plan.interval;
        track += QStringLiteral("\n%1 --> %2\n%3#xywh=%4,%5,%6,%7\n")
                     .arg(webVttTime(from), webVttTime(std::min(from + plan.interval, seconds)),
                          thumbnailSheetName(i / plan.perSheet() + 1))
                     .arg((place % plan.columns) * plan.tile.width)
                     .arg((place / plan.columns) * plan.tile.height)
                     .arg(plan.tile.width)
                     .arg(plan.tile.height);
    }
    return track.toUtf8();
}

QStringList thumbnailSheetArguments(const QString &videoPath, const ThumbnailPlan &plan, const QString &folder)
{
    // The frame showing at each thumbnail's time (the last one at or before it), the last
    // sheet filled up with black.
    const QString filters = QStringLiteral("fps=1/%1:round=up,scale=%2:%3,setsar=1:1,tile=%4x%5")
                                .arg(plan.interval)
                                .arg(plan.tile.width)
                                .arg(plan.tile.height)
                                .arg(plan.columns)
                                .arg(plan.rows);
    // Frames no other frame refers to are not decoded: a quarter less work, and a tile at most
    // a frame or two from its time, as a seek bar's picture may be.
    return {QStringLiteral("-skip_frame"), QStringLiteral("noref"), QStringLiteral("-i"), videoPath,
            QStringLiteral("-map"), QStringLiteral("0:v:0"), QStringLiteral("-an"), QStringLiteral("-sn"),
            QStringLiteral("-dn"), QStringLiteral("-vf"), filters, QStringLiteral("-q:v"), QStringLiteral("5"),
            QStringLiteral("-f"), QStringLiteral("image2"), QStringLiteral("-start_number"), QStringLiteral("1"),
            QStringLiteral("-y"), folder + u'/' + sheetNamePattern().arg(QStringLiteral("%d"))};
}
