#pragma once

#include "export/adaptivefolder.h"
#include "export/htmlpage.h"
#include "export/outputsettings.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class FileProbe;

// Everything one export needs, taken when it is asked for: the window's sliders
// and preferences, or the command line's options.
struct ExportRequest
{
    QString sourcePath;
    std::shared_ptr<const FileProbe> probe; // the source's description, accepted for export
    QString folder;                         // an existing, empty folder; no trailing "/"
    FrameSize frameSize;
    double targetBytes = 0;       // a share of the source's size stays unrounded (targetBytesForShare)
    bool targetIsCeiling = false; // a limit typed in bytes: the video is never larger
    double posterSeconds = 0;     // the poster's position in the video
    bool posterAtExactTime = false; // posterSeconds is the frame's own time, as inside a part kept
    double startSeconds = 0;              // where the published clip starts in the source
    std::optional<double> endSeconds;     // where it ends; nothing: at the source's end
    PageOptions pageOptions;
    bool minimalPage = false;
    bool fastStart = true;
    bool approximateSize = false; // one encoder run instead of the exact size's two or more
    QImage fallbackPoster;        // written when no frame comes out at the poster's position
    bool av1Version = false;      // an AV1 file too, first on the page, the H.264 file its fallback
    bool evenLoudness = false;    // the audio at -16 LUFS with true peaks at most -1 dBTP
    bool adaptive = false;        // smaller qualities and playlists beside the MP4, for slow connections
    bool webPlayer = true;        // the visitor page's own player (with controls); else the browser's
    bool thumbnails = true;       // the seek bar's thumbnails beside the visitor page's video

    // The page's own player, with its script: for a visitor page with controls.
    [[nodiscard]] bool usesWebPlayer() const { return webPlayer && !minimalPage && pageOptions.controls; }
    [[nodiscard]] bool makesThumbnails() const { return thumbnails && !minimalPage; }
};

// How an export ended.
// Why the AV1 version is missing, as stable names for scripts and the window.
namespace Av1Problem {
inline const QString unknownDuration = QStringLiteral("av1UnknownDuration");
inline const QString frameTooSmall = QStringLiteral("av1FrameTooSmall");
inline const QString encoderStopped = QStringLiteral("av1EncoderStopped");
inline const QString overTarget = QStringLiteral("av1OverTarget");
inline const QString noSharper = QStringLiteral("av1NoSharper");
} // namespace Av1Problem

struct ExportOutcome
{
    enum class Result { Succeeded, Failed, Cancelled };

    Result result = Result::Failed;
    QString reason;           // why it failed, in words a user can act on
    QString reasonCode;       // the same as a stable name for scripts: "diskFull", "sourceGone" ... (FailureCode)
    QStringList entries;      // folder + "/" + name for each entry, sorted by name
    QStringList captionNames; // the caption files the export wrote beside the video
    qint64 targetBytes = 0;
    qint64 videoBytes = 0;
    qint64 av1Bytes = 0;    // the AV1 version, when one was made
    QString av1Problem;     // why the AV1 version asked for is missing; the export still succeeds
    QString av1ProblemCode; // the same as a stable name (Av1Problem)
    QList<StreamQuality> qualities; // an adaptive folder's, lowest first; the top is html5video.mp4
    QString adaptiveSkipped;        // why a folder asked to be adaptive is plain; the export still succeeds
    QString adaptiveSkippedCode;    // the same as a stable name ("adaptiveTooShort" ...)
    qint64 folderBytes = 0;         // everything the folder holds
    double seconds = 0; // from start to end

    [[nodiscard]] bool succeeded() const { return result == Result::Succeeded; }
};
