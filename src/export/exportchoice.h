#pragma once

#include "export/exportrequest.h"
#include "export/htmlpage.h"
#include "export/settingstext.h"

#include <QString>

#include <memory>
#include <optional>

class FileProbe;

// What a person chose for an export, before any source is looked at: the
// window's sliders and preferences, the command line's options, or the
// settings that "Export Several Videos" gives every file alike.
struct ExportChoice
{
    FrameSizeSetting frameSize{100.0, {}};
    SizeSetting size;                     // a share of the kept part's source size, or a limit in bytes
    PositionSetting poster;               // a share of the kept part, or a time in the source
    std::optional<PositionSetting> start; // nothing: the video's start
    std::optional<PositionSetting> end;   // nothing: the video's end
    PageOptions page{true, false, false, false};
    bool minimalPage = false;
    bool fastStart = true; // every folder is for the web
    bool adaptive = false;
    bool approximateSize = false;
    bool av1Version = false;
    bool evenLoudness = false;
    bool webPlayer = true;  // the page's own player around its video
    bool thumbnails = true; // pictures of the video on the player's seek bar
};

// The export a choice gives for one source, or why it gives none.
struct ChosenExport
{
    std::optional<ExportRequest> request;
    QString refusal; // in words a user can act on; empty with a request

    // The refusal, or what the folder and the disk refuse of the request (exportRefusal).
    [[nodiscard]] std::optional<QString> refusalBeforeWriting() const;
};

// The one rule from a choice to an export, for every way in: the frame size the
// slider would reach, the target as a share of the kept part's source size or a
// limit (never above that size), the part kept (an end past the video is its
// end; a part shorter than a frame keeps nothing), the poster inside the part.
// What the folder and the disk allow is checked later (exportRefusal).
[[nodiscard]] ChosenExport chooseExport(const QString &sourcePath, std::shared_ptr<const FileProbe> probe,
                                        const ExportChoice &choice, const QString &folder);

// What the choice itself asks that the source cannot give, known before any
// folder is looked at: a part that keeps nothing, or a size limit under 1 % of
// the part kept (the target slider's left end). The same for every way in.
[[nodiscard]] std::optional<QString> choiceProblem(const FileProbe &probe, const ExportChoice &choice);

// The minimal page lists its video as plain "video/mp4", without codecs, so a
// browser could not tell an AV1 file it cannot play from the H.264 one: no AV1
// version is made for it. Why, as the window and the command line say it.
[[nodiscard]] bool makesAv1Version(const ExportChoice &choice);
[[nodiscard]] QString noAv1WithMinimalPage();

// How long one frame of the source lasts: the shortest part worth keeping.
[[nodiscard]] double frameSeconds(const FileProbe &probe);

// What a size limit aims at for a source (or part) of sourceBytes: a limit over
// the source acts as the source's own size; an unknown size (0) leaves it as typed.
[[nodiscard]] double limitTargetBytes(double limit, quint64 sourceBytes);

// The source's size for a part that is keptShare of the duration (exactly 1 for the whole).
[[nodiscard]] quint64 keptSourceBytes(quint64 fileSize, double keptShare);
