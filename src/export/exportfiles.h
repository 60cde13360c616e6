#pragma once

#include "export/exportrequest.h"
#include "export/pagecontent.h"

#include <QImage>
#include <QList>
#include <QString>

#include <atomic>

// What an export writes beside the encoder's runs: the page, the chapters, the
// poster at the output size, and the captions of a part, cut apart from the runs.
namespace ExportFiles {

// Writes the page of the request (the minimal page, or the visitor's with its
// captions and the part's chapters, whose track it writes beside it) and gives what it holds; the page's presence tells whether the folder takes files.
// An adaptive folder's page names its master playlist.
PageContent writePage(const ExportRequest &request, const QString &playlist = {});

// Writes the page again, its sources typed by the codecs of the video files in the folder.
void writeTypedPage(const ExportRequest &request, PageContent content);
// The page for visitors written again with what the folder now holds.
void rewritePage(const ExportRequest &request, const PageContent &content);

// The poster's and the cut captions' work, done off the window's thread.
struct PosterWork
{
    QString source;
    double seconds = 0;
    bool atExactTime = false;
    QString temporaryFolder;
    QString filters;
    QImage fallback; // written when no frame comes out
    QString posterPath;
    FrameSize size;
    QList<CaptionTrack> captions; // of a part, cut here
    QString folder;
    double partStart = 0;
    double partEnd = 0;
};

// Blocks; stops early, writing no poster, once *cancelled is set.
void writePosterAndCaptions(const PosterWork &work, const std::atomic<bool> *cancelled);

} // namespace ExportFiles
