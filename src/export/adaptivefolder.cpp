#include "export/adaptivefolder.h"

#include "export/codecstring.h"
#include "export/encoderarguments.h"
#include "export/hlsplaylist.h"
#include "export/htmlpage.h"
#include "export/webplayer.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>

namespace AdaptiveFolder {

QStringList playerFileNames()
{
    return {QStringLiteral("hls.light.min.js"), QStringLiteral("hls.js-LICENSE.txt"), QStringLiteral("adaptive.js")};
}

QStringList pageScripts()
{
    const QString folder = AdaptiveLadder::folderName.toString() + u'/';
    return {folder + QStringLiteral("hls.light.min.js"), folder + QStringLiteral("adaptive.js")};
}

QString masterPlaylistUri()
{
    return AdaptiveLadder::folderName.toString() + u'/' + AdaptiveLadder::masterPlaylistName.toString();
}

namespace {

struct QualityFile
{
    QString name;
    FrameSize frame;
    QString mediaPath; // the file's path
    QString mediaUri;  // the file's address from the playlists' folder
};

} // namespace

Written write(const QString &folder, FrameSize top, const QList<AdaptiveLadder::Quality> &lower,
              std::optional<double> frameRate)
{
    const QString streamFolder = folder + u'/' + AdaptiveLadder::folderName.toString();
    QList<QualityFile> files;
    for (auto quality = lower.crbegin(); quality != lower.crend(); ++quality)
        files << QualityFile{quality->name, quality->frame, streamFolder + u'/' + quality->name + QStringLiteral(".mp4"),
                             quality->name + QStringLiteral(".mp4")};
    files << QualityFile{AdaptiveLadder::qualityName(top), top, folder + u'/' + videoFileName.toString(),
                         QStringLiteral("../") + videoFileName.toString()};

    Written written;
    QList<HlsPlaylist::Variant> variants;
    for (const QualityFile &file : std::as_const(files)) {
        const std::optional<FragmentIndex> index = readFragmentIndex(file.mediaPath);
        const std::optional<QStringList> codecs = mp4Codecs(file.mediaPath);
        const QString playlistName = file.name + QStringLiteral(".m3u8");
        if (!index || !codecs) {
            written.problem = QCoreApplication::translate("Export", "The quality %1 was not written as segments.").arg(file.name);
            return written;
        }
        if (!writeFileAtomically(streamFolder + u'/' + playlistName, HlsPlaylist::mediaPlaylist(file.mediaUri, *index))) {
            written.problem = QCoreApplication::translate("Export", "The folder %1 cannot be written.").arg(streamFolder);
            return written;
        }
        const auto [peak, average] = HlsPlaylist::bitsPerSecond(*index);
        variants << HlsPlaylist::Variant{playlistName, peak, average, file.frame, frameRate, *codecs};
        written.qualities << StreamQuality{file.name, file.frame, peak, average, QFileInfo(file.mediaPath).size()};
    }
    const QString problem = WebPlayer::copyFiles(playerFileNames(), streamFolder);
    if (!problem.isEmpty()
        || !writeFileAtomically(streamFolder + u'/' + AdaptiveLadder::masterPlaylistName.toString(),
                                HlsPlaylist::masterPlaylist(variants))) {
        written.problem = problem.isEmpty()
            ? QCoreApplication::translate("Export", "The folder %1 cannot be written.").arg(streamFolder)
            : problem;
        written.qualities.clear();
    }
    return written;
}

} // namespace AdaptiveFolder
