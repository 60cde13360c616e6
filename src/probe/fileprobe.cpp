#include "probe/fileprobe.h"

#include "common/diagnostics.h"
#include "common/displaytext.h"
#include "probe/proberrun.h"
#include "tools/mediatools.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace {

// The size of the item at path, following symbolic links, or nothing after
// writing why it could not be read.
std::optional<quint64> sizeAttribute(const QString &path)
{
    struct stat attributes = {};
    if (::stat(QFile::encodeName(path).constData(), &attributes) != 0) {
        const int error = errno;
        writeDiagnosticLine(QStringLiteral("Failed to get file attributes for local path: ") + path
                            + QStringLiteral(" with error: ") + QString::fromLocal8Bit(std::strerror(error)));
        return std::nullopt;
    }
    return quint64(attributes.st_size);
}

// The text after the last "/", ignoring trailing ones.
QString lastPathComponent(const QString &path)
{
    QStringView trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith(u'/'))
        trimmed.chop(1);
    const qsizetype slash = trimmed.lastIndexOf(u'/');
    if (slash < 0 || trimmed.size() == 1)
        return trimmed.toString();
    return trimmed.sliced(slash + 1).toString();
}

QString pathExtension(const QString &path)
{
    const QString name = lastPathComponent(path);
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.sliced(dot + 1);
}

bool isPresent(const JSON &value)
{
    return !value.error().has_value();
}

} // namespace

quint64 fileSizeOf(const QString &path)
{
    return sizeAttribute(path).value_or(0);
}

QString fileSizeText(const QString &path)
{
    const std::optional<quint64> size = sizeAttribute(path);
    return size ? byteCountText(*size) : QCoreApplication::translate("Probe", "Unknown File Size");
}

QStringList FileProbe::proberArguments(const QString &path)
{
    // An absolute path never reads as an option, even when the name starts with "-".
    const QString file = QFileInfo(path).isAbsolute() ? path : QFileInfo(path).absoluteFilePath();
    return {QStringLiteral("-v"),           QStringLiteral("quiet"),         QStringLiteral("-print_format"),
            QStringLiteral("json"),         QStringLiteral("-show_format"),  QStringLiteral("-show_streams"),
            QStringLiteral("-show_chapters"), QStringLiteral("-show_error"), file};
}

FileProbe::FileProbe(const QString &path)
{
    measure(path);
    if (fileSize.value_or(0) == 0) {
        hasErrors = true;
        return;
    }
    const std::optional<QString> prober = MediaTools::resourcePath(MediaTools::proberName);
    if (!prober)
        return;
    readAnswer(path, runProber(*prober, proberArguments(path)));
}

FileProbe::FileProbe(const QString &path, const QByteArray &proberAnswer)
{
    measure(path);
    if (fileSize.value_or(0) == 0) {
        hasErrors = true;
        return;
    }
    readAnswer(path, proberAnswer);
}

void FileProbe::measure(const QString &path)
{
    fileSize = fileSizeOf(path);
    fileSizeHuman = fileSizeText(path);
    fileName = lastPathComponent(path);
}

void FileProbe::readAnswer(const QString &path, const QByteArray &answer)
{
    const std::optional<JSON> parsed = JSON::fromBytes(answer);
    if (!parsed)
        return;
    if (isPresent((*parsed)[u"error"])) {
        hasErrors = true;
        proberError = (*parsed)[u"error"][u"string"].stringValue();
        return;
    }
    json = parsed;

    const JSON format = (*parsed)[u"format"];
    duration = format[u"duration"].numberValue().toDouble();
    durationHuman = formatDuration(duration);
    bitrate = format[u"bit_rate"].numberValue().toInt64();
    bitrateHuman = bitrateText(bitrate);

    const JSON streams = (*parsed)[u"streams"];
    const qsizetype streamCount = streams.count();
    if (streamCount > 0) {
        numberOfTracks = streamCount;
        if (pathExtension(path).toLower() != u"txt") {
            isValidMediaFile = true;
            for (qsizetype i = 0; i < streamCount; ++i) {
                if (streams[i][u"codec_tag_string"].stringValue().contains(u"drm")) {
                    isEncrypted = true;
                    break;
                }
            }
        }
    }
    if (isPresent(format))
        metadata = formatKeyValues(*parsed);
    if (isPresent(streams))
        buildTrackTable(*parsed);
}
