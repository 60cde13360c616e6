#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <QStringView>

class JSON;

inline constexpr QStringView chapterTrackFileName = u"chapters.vtt";

// One chapter of a source, in its own seconds.
struct Chapter
{
    double start = 0;
    double end = 0;
    QString title; // empty when the source names none

    friend bool operator==(const Chapter &, const Chapter &) = default;
};

// The chapters of a probe answer ("chapters" with "start_time", "end_time" and
// a "title" tag), by their start; those without a length left out.
[[nodiscard]] QList<Chapter> sourceChapters(const JSON &answer);

// The WebVTT chapters track of the part kept, from start to end in the source's
// seconds: each chapter moved to the part's own time, clipped to it, those
// outside it left out; an untitled chapter is named by its place in the source.
// Empty when no chapter falls in the part.
[[nodiscard]] QByteArray chapterTrack(const QList<Chapter> &chapters, double start, double end);
