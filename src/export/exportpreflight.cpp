#include "export/exportpreflight.h"

#include "common/displaytext.h"
#include "common/numbertext.h"
#include "export/encoderarguments.h"
#include "export/exactsize.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryFile>

#include <cmath>

qint64 bytesNeeded(const ExportRequest &request)
{
    // A JPEG at quality 90 of a camera picture takes well under 3 bits a pixel.
    const double poster = double(request.frameSize.width) * double(request.frameSize.height) * 3 / 8;
    constexpr double margin = 1'000'000;
    // The AV1 version's runs sit beside the H.264 file until the one kept is known.
    const int av1Runs = request.av1Version ? (request.approximateSize ? 1 : mostAv1Runs) : 0;
    return saturatingInt64(std::ceil(request.targetBytes * 1.05 * (1 + av1Runs) + poster + margin));
}

QString nearestExistingFolder(const QString &path)
{
    QString current = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    while (!QFileInfo(current).isDir() && current != u"/")
        current = QFileInfo(current).path();
    return current;
}

namespace {

std::optional<QString> sourceRefusal(const QString &sourcePath)
{
    const QString name = QFileInfo(sourcePath).fileName();
    if (!QFileInfo::exists(sourcePath))
        return QCoreApplication::translate("Export", "“%1” is no longer there: it was moved, renamed or deleted after it was opened.").arg(name);
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("Export", "“%1” can no longer be read: %2.").arg(name, source.errorString());
    return std::nullopt;
}

std::optional<QString> folderRefusal(const QString &folder, const QString &existing)
{
    QTemporaryFile trial(existing + QStringLiteral("/.videofold-write-check-XXXXXX"));
    if (trial.open())
        return std::nullopt;
    if (QDir::cleanPath(folder) != existing)
        return QCoreApplication::translate("Export", "The folder %1 cannot be created in %2: %3.").arg(folder, existing, trial.errorString());
    return QCoreApplication::translate("Export", "The folder %1 cannot be written: %2.").arg(existing, trial.errorString());
}

std::optional<QString> spaceRefusal(const QString &existing, qint64 needed)
{
    const QStorageInfo disk(existing);
    if (!disk.isValid() || disk.bytesAvailable() < 0 || disk.bytesAvailable() >= needed)
        return std::nullopt;
    return QCoreApplication::translate("Export", "The disk holding %1 has %2 free, and this export needs about %3. Free some space, "
                          "or choose a smaller size or a folder on another disk.")
        .arg(existing, byteCountText(quint64(disk.bytesAvailable())), byteCountText(quint64(needed)));
}

} // namespace

std::optional<QString> exportRefusal(const ExportRequest &request)
{
    if (std::optional<QString> refusal = sourceRefusal(request.sourcePath))
        return refusal;
    const QString existing = nearestExistingFolder(request.folder);
    if (std::optional<QString> refusal = folderRefusal(QFileInfo(request.folder).absoluteFilePath(), existing))
        return refusal;
    return spaceRefusal(existing, bytesNeeded(request));
}

std::optional<Failure> limitWithoutRate(const ExportRequest &request, const EncoderInputs &inputs)
{
    if (!request.targetIsCeiling || request.approximateSize || canHitExactSize(inputs))
        return std::nullopt;
    const QString limit = byteCountText(quint64(saturatingInt64(request.targetBytes)));
    return Failure{FailureCode::noRate,
                   inputs.duration
                       ? QCoreApplication::translate("Export", "A limit of %1 leaves no rate for this video's picture.").arg(limit)
                       : QCoreApplication::translate("Export", "A limit of %1 leaves no rate for this video's picture, whose "
                                                               "duration is unknown.")
                             .arg(limit)};
}
