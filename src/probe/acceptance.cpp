#include "probe/acceptance.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

// Vob and hevc files are refused by their name, whatever the probe found.
std::optional<QString> refusalByName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot < 0 ? QString() : name.sliced(dot + 1).toLower();
    if (extension == u"vob")
        return QCoreApplication::translate("Probe", "App does not support opening of '.vob' files");
    if (extension == u"hevc")
        return QCoreApplication::translate("Probe", "App does not support opening of '.hevc' files for now.");
    return std::nullopt;
}

} // namespace

std::optional<QString> refusalMessage(const QString &path, const FileProbe &probe)
{
    if (const std::optional<QString> refusal = refusalByName(path))
        return refusal;
    const bool accepted = !probe.hasErrors && !probe.isEncrypted && probe.isValidMediaFile
        && probe.numberOfVideoTracks > 0;
    if (!accepted)
        return QCoreApplication::translate("Probe", "Seems to be an unsupported file. Does the video play in VLC Player?");
    return std::nullopt;
}

namespace {

constexpr qint64 shownBytes = 16;

// "4a 75 73 74 … (“Just some notes.”)": the bytes, and as text where they are printable.
QString firstBytesText(const QByteArray &bytes)
{
    QString hex = QString::fromLatin1(bytes.toHex(' '));
    QString text;
    for (const char byte : bytes)
        text += byte >= 0x20 && byte < 0x7f ? QChar::fromLatin1(byte) : QChar(u'·');
    return QCoreApplication::translate("Probe", "Its first bytes: %1 (“%2”).").arg(hex, text);
}

} // namespace

QString refusalDetails(const QString &path, const FileProbe &probe)
{
    if (refusalByName(path))
        return {};
    if (!QFileInfo::exists(path))
        return QCoreApplication::translate("Probe", "The file is no longer there: it was moved, renamed or deleted.");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("Probe", "The file cannot be read: %1.").arg(file.errorString());
    if (file.size() == 0)
        return QCoreApplication::translate("Probe", "The file is empty (0 bytes).");
    QStringList lines;
    if (!probe.proberError.isEmpty())
        lines << QCoreApplication::translate("Probe", "It cannot be read as a video: %1.").arg(probe.proberError);
    else if (!probe.isValidMediaFile)
        lines << QCoreApplication::translate("Probe", "It cannot be read as a video.");
    else if (probe.isEncrypted)
        lines << QCoreApplication::translate("Probe", "It is encrypted (protected by DRM).");
    else if (probe.numberOfVideoTracks == 0)
        lines << QCoreApplication::translate("Probe", "It holds no video track, only %n other track(s).", nullptr, int(probe.numberOfTracks));
    lines << firstBytesText(file.read(shownBytes));
    return lines.join(u'\n');
}

std::optional<QString> refusalWithDetails(const QString &path, const FileProbe &probe)
{
    const std::optional<QString> refusal = refusalMessage(path, probe);
    if (!refusal)
        return std::nullopt;
    const QString details = refusalDetails(path, probe);
    return details.isEmpty() ? *refusal : *refusal + u'\n' + details;
}
