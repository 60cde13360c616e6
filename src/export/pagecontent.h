#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class FileProbe;
class JSON;

// One caption file of the page: a text subtitle stream of the source, converted
// to WebVTT beside the video.
struct CaptionTrack
{
    qint64 streamIndex = 0; // the prober's "index", for "-map 0:N"
    QString fileName;       // "captions.en.vtt"; "captions.und.vtt" without a language
    QString language;       // BCP 47, "und" when unknown
    QString label;          // the language's English name, as the player's menu shows it
    bool isDefault = false;

    bool operator==(const CaptionTrack &) const = default;
};

// One video file the page offers; the browser plays the first whose type it can.
struct VideoSource
{
    QString fileName;
    QString type; // "video/mp4; codecs=\"avc1.64001F, mp4a.40.2\""

    bool operator==(const VideoSource &) const = default;
};

// What the page for visitors says beyond the video element's size and options.
struct PageContent
{
    QString title;    // the source's name without its extension
    QString language; // BCP 47 of the first audio track, else of the user's language; empty when unknown
    QList<CaptionTrack> captions;
    QList<VideoSource> sources = {}; // in order; none: html5video.mp4 as "video/mp4"
    QString playlist = {};           // an adaptive folder's master playlist; the sources its fallback
    QStringList scripts = {};        // run in this order after the video element
    QString chapters = {};           // the chapters track, when the part has chapters
    QString thumbnails = {};         // the seek bar's thumbnails track, once written
    QString description = {};        // for search engines' results: the source's own, else the title
};

// A BCP 47 tag for a language code of the prober ("eng" gives "en", "pt-BR" and
// "por_br" give "pt-BR"); nothing for "und", an empty or an unknown code.
[[nodiscard]] std::optional<QString> languageTag(QStringView code);

// The caption files for a prober answer: one per text subtitle stream, in
// stream order, named by language with a number added when two share one. Only
// the first may carry default, when the source marks its stream so.
[[nodiscard]] QList<CaptionTrack> captionTracks(const JSON &answer);

// The source's description, synopsis or comment tag, whitespace simplified; nothing without one.
[[nodiscard]] std::optional<QString> sourceDescription(const JSON &answer);

[[nodiscard]] PageContent pageContent(const FileProbe &probe, const QString &sourcePath);
