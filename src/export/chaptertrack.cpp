#include "export/chaptertrack.h"

#include "export/webvtttime.h"
#include "json/json.h"

#include <QCoreApplication>

#include <algorithm>

QList<Chapter> sourceChapters(const JSON &answer)
{
    const JSON chapters = answer[u"chapters"];
    QList<Chapter> found;
    for (qsizetype i = 0; i < chapters.count(); ++i) {
        const JSON chapter = chapters[i];
        const Chapter read{chapter[u"start_time"].numberValue().toDouble(), chapter[u"end_time"].numberValue().toDouble(),
                           chapter[u"tags"][u"title"].stringValue().trimmed()};
        if (read.end > read.start)
            found << read;
    }
    std::stable_sort(found.begin(), found.end(), [](const Chapter &a, const Chapter &b) { return a.start < b.start; });
    return found;
}

QByteArray chapterTrack(const QList<Chapter> &chapters, double start, double end)
{
    QString track;
    for (qsizetype i = 0; i < chapters.size(); ++i) {
        const Chapter &chapter = chapters.at(i);
        // Times in whole milliseconds, as the track writes them: a sliver at a cut is no chapter.
        const double from = std::round((std::max(chapter.start, start) - start) * 1000) / 1000;
        const double to = std::round((std::min(chapter.end, end) - start) * 1000) / 1000;
        if (to <= from)
            continue;
        const QString title = chapter.title.isEmpty()
            ? QCoreApplication::translate("Export", "Chapter %1").arg(i + 1)
            : chapter.title.simplified(); // a line break would end the cue
        track += QStringLiteral("\n\n") + webVttTime(from) + QStringLiteral(" --> ") + webVttTime(to) + u'\n'
            + webVttCueText(title);
    }
    if (track.isEmpty())
        return {};
    return (QStringLiteral("WEBVTT") + track + u'\n').toUtf8();
}
