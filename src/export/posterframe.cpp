#include "export/posterframe.h"

#include "common/diagnostics.h"
#include "common/numbertext.h"
#include "tools/mediatools.h"
#include "tools/toolrun.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

#include <atomic>

namespace PosterFrame {

double positionSeconds(double duration, double percent)
{
    // 100 / 0 is infinite, so the slider at 0 gives the position 0.
    return duration / (100 / percent);
}

double shownSeconds(double positionSeconds, double duration)
{
    if (positionSeconds == 0)
        return duration > 5 ? 5 : 0;
    return positionSeconds * 0.5;
}

QString seekText(double seconds)
{
    if (seconds == 0)
        return QStringLiteral("5");
    return shortestDoubleText(seconds * 0.5);
}

QString previewFilters(const QString &toneMap)
{
    return toneMap + QStringLiteral("scale=") + QString::number(-1) + u':' + QString::number(480)
        + QStringLiteral(",setsar=1:1");
}

QString posterFilters(FrameSize size, const QString &toneMap)
{
    return toneMap + QStringLiteral("scale=") + QString::number(size.width) + u':' + QString::number(size.height)
        + QStringLiteral(",setsar=1:1");
}

QStringList encoderArguments(const QString &seek, const QString &source, const QString &framePath,
                             const QString &filters)
{
    QStringList arguments = {QStringLiteral("-v"), QStringLiteral("quiet")};
    if (!seek.isEmpty())
        arguments << QStringLiteral("-ss") << seek;
    return arguments + QStringList{QStringLiteral("-i"), source, QStringLiteral("-vf"), filters,
                                   QStringLiteral("-frames:v"), QStringLiteral("1"), QStringLiteral("-y"), framePath};
}

namespace {

std::atomic<qint64> extractionTimeLimitMs{120'000};

QImage runEncoderForFrame(const QString &encoder, const QString &seek, const QString &source,
                          const QString &framePath, const QString &filters, const std::atomic<bool> *cancelled)
{
    QFile::remove(framePath);
    ToolRun::Options options;
    options.timeLimit = std::chrono::milliseconds(extractionTimeLimitMs.load());
    options.cancelled = cancelled;
    const ToolRun::Result result = ToolRun::run(encoder, encoderArguments(seek, source, framePath, filters), options);
    const QImage image = result.end == ToolRun::Result::End::Exited ? QImage(framePath) : QImage();
    QFile::remove(framePath);
    return image;
}

} // namespace

void setExtractionTimeLimit(std::chrono::milliseconds limit)
{
    extractionTimeLimitMs = limit.count();
}

namespace {

// The encoder that writes frames; without one, no frame stays from before.
std::optional<QString> frameEncoder(const QString &framePath)
{
    const std::optional<QString> encoder = MediaTools::resourcePath(MediaTools::encoderName);
    if (!encoder)
        QFile::remove(framePath);
    return encoder;
}

} // namespace

QImage extract(const QString &source, double seconds, const QString &temporaryFolder, const QString &filters,
               const QString &fileName, const std::atomic<bool> *cancelled)
{
    const QString framePath = temporaryFolder + u'/' + fileName;
    const std::optional<QString> encoder = frameEncoder(framePath);
    if (!encoder)
        return {};
    QImage image = runEncoderForFrame(*encoder, seekText(seconds), source, framePath, filters, cancelled);
    // Five seconds lie past the end of a short source; its first frame will do.
    // No seek at all reaches it: a raw stream has no time stamps to seek by.
    if (image.isNull() && seconds == 0 && !(cancelled && cancelled->load()))
        image = runEncoderForFrame(*encoder, QString(), source, framePath, filters, cancelled);
    return image;
}

QImage extractAtTime(const QString &source, double frameSeconds, const QString &temporaryFolder, const QString &filters,
                     const QString &fileName, const std::atomic<bool> *cancelled)
{
    const QString framePath = temporaryFolder + u'/' + fileName;
    const std::optional<QString> encoder = frameEncoder(framePath);
    if (!encoder)
        return {};
    const QString seek = frameSeconds > 0 ? shortestDoubleText(frameSeconds) : QString();
    return runEncoderForFrame(*encoder, seek, source, framePath, filters, cancelled);
}

QImage scaledImage(const QImage &image, qint64 width, qint64 height)
{
    if (image.isNull() || width <= 0 || height <= 0 || width > 32768 || height > 32768)
        return {};
    QImage bitmap(int(width), int(height), QImage::Format_RGBA8888);
    if (bitmap.isNull())
        return {};
    bitmap.fill(Qt::transparent);
    QPainter painter(&bitmap);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(0, 0, int(width), int(height)), image);
    painter.end();
    return bitmap;
}

void writePosterFile(const QImage &image, const QString &path, FrameSize size)
{
    const QImage scaled = scaledImage(image, size.width, size.height);
    if (scaled.isNull())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QImageWriter writer(&file, "jpeg");
    writer.setQuality(90);
    if (!writer.write(scaled)) {
        file.cancelWriting();
        return;
    }
    file.commit();
}

} // namespace PosterFrame
