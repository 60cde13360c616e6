#include "export/exportfiles.h"

#include "export/adaptivefolder.h"
#include "export/captiontrim.h"
#include "export/chaptertrack.h"
#include "export/codecstring.h"
#include "export/encoderarguments.h"
#include "export/htmlpage.h"
#include "export/posterframe.h"
#include "export/webplayer.h"
#include "probe/fileprobe.h"

#include <cmath>

namespace ExportFiles {

PageContent writePage(const ExportRequest &request, const QString &playlist)
{
    const FrameSize size = request.frameSize;
    PageContent content = request.minimalPage ? PageContent{} : pageContent(*request.probe, request.sourcePath);
    if (!request.minimalPage && !playlist.isEmpty()) {
        content.playlist = playlist;
        content.scripts = AdaptiveFolder::pageScripts();
    }
    // After the adaptive starter: the player finds the qualities it offers on the video.
    if (request.usesWebPlayer())
        content.scripts << WebPlayer::pageScript();
    if (!request.minimalPage) {
        const QByteArray chapters = chapterTrack(sourceChapters(request.probe->json.value_or(JSON())), request.startSeconds,
                                                 request.endSeconds.value_or(HUGE_VAL));
        if (!chapters.isEmpty() && writeFileAtomically(request.folder + u'/' + chapterTrackFileName.toString(), chapters))
            content.chapters = chapterTrackFileName.toString();
    }
    writeFileAtomically(request.folder + u'/' + pageFileName.toString(),
                        request.minimalPage ? html5PageBytes(size.width, size.height, request.pageOptions)
                                            : visitorPageBytes(size.width, size.height, request.pageOptions, content));
    return content;
}

void rewritePage(const ExportRequest &request, const PageContent &content)
{
    const FrameSize size = request.frameSize;
    writeFileAtomically(request.folder + u'/' + pageFileName.toString(),
                        visitorPageBytes(size.width, size.height, request.pageOptions, content));
}

void writeTypedPage(const ExportRequest &request, PageContent content)
{
    for (const QStringView name : {av1VideoFileName, videoFileName}) {
        if (const std::optional<QString> type = mp4SourceType(request.folder + u'/' + name.toString()))
            content.sources << VideoSource{name.toString(), *type};
    }
    if (content.sources.isEmpty())
        return; // nothing to type: the page stays as written
    rewritePage(request, content);
}

void writePosterAndCaptions(const PosterWork &work, const std::atomic<bool> *cancelled)
{
    for (const CaptionTrack &caption : work.captions) {
        if (!cancelled->load())
            writeTrimmedCaptions(work.source, caption.streamIndex, work.partStart, work.partEnd,
                                 work.folder + u'/' + caption.fileName, cancelled);
    }
    const QString fileName = PosterFrame::fullSizeFileName.toString();
    const QImage frame = work.atExactTime
        ? PosterFrame::extractAtTime(work.source, work.seconds, work.temporaryFolder, work.filters, fileName, cancelled)
        : PosterFrame::extract(work.source, work.seconds, work.temporaryFolder, work.filters, fileName, cancelled);
    if (!cancelled->load())
        PosterFrame::writePosterFile(frame.isNull() ? work.fallback : frame, work.posterPath, work.size);
}

} // namespace ExportFiles
