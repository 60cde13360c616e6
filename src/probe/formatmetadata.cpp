// The container metadata and the chapter list of a prober answer.
#include "probe/fileprobe.h"

#include "common/displaytext.h"
#include "probe/movieinfo.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

// The media kinds of the "media_type" tag.
const QHash<qint64, QString> &mediaKindNames()
{
    static const QHash<qint64, QString> names = {
        {0, u"Home Video"_s}, {1, u"Music"_s},     {2, u"Audiobook"_s}, {6, u"Music Video"_s},
        {9, u"Movie"_s},      {10, u"TV Show"_s},  {11, u"Booklet"_s},  {14, u"Ringtone"_s},
        {21, u"Podcast"_s},   {23, u"iTunes U"_s}, {27, u"Alert Tone"_s},
    };
    return names;
}

void addFormatTags(const JSON &tags, KeyValueMap &entries)
{
    for (const auto &[tag, value] : tags) {
        if (tag == u"iTunMOVI") {
            unpackMovieInformation(value.stringValue(), entries);
        } else if (tag == u"media_type") {
            const QString name = u"media_type.modified.tags"_s;
            const auto kind = mediaKindNames().constFind(value.numberValue().toInt64());
            if (kind != mediaKindNames().cend())
                entries.insert(name, kind.value());
            else
                entries.remove(name);
        } else {
            entries.insert(tag + u".tags"_s, detailText(value));
        }
    }
}

} // namespace

KeyValueList formatKeyValues(const JSON &answer)
{
    KeyValueMap entries;
    for (const auto &[name, value] : answer[u"format"]) {
        if (name == u"tags")
            addFormatTags(value, entries);
        else
            entries.insert(name, detailText(value));
    }
    return sortedByKey(entries);
}

KeyValueList FileProbe::chapterKeyValues() const
{
    if (!json)
        return {};
    const JSON chapters = (*json)[u"chapters"];
    KeyValueMap entries;
    for (qsizetype i = 0; i < chapters.count(); ++i) {
        const JSON chapter = chapters[i];
        const QString title = chapter[u"tags"][u"title"].stringValue();
        const qint64 start = chapter[u"start_time"].numberValue().toInt64();
        const qint64 end = chapter[u"end_time"].numberValue().toInt64();
        entries.insert(title, formatDuration(double(start)) + u" - "_s + formatDuration(double(end)));
    }
    return sortedByValue(entries);
}
