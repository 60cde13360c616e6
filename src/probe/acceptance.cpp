#include "probe/acceptance.h"

#include <QCoreApplication>
#include <QFileInfo>

std::optional<QString> refusalMessage(const QString &path, const FileProbe &probe)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString extension = dot < 0 ? QString() : name.sliced(dot + 1).toLower();
    if (extension == u"vob")
        return QCoreApplication::translate("Probe", "App does not support opening of '.vob' files");
    if (extension == u"hevc")
        return QCoreApplication::translate("Probe", "App does not support opening of '.hevc' files for now.");
    const bool accepted = !probe.hasErrors && !probe.isEncrypted && probe.isValidMediaFile
        && probe.numberOfVideoTracks > 0;
    if (!accepted)
        return QCoreApplication::translate("Probe", "Seems to be an unsupported file. Does the video play in VLC Player?");
    return std::nullopt;
}
