#include "app/mediainfomodel.h"

#include "probe/fileprobe.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

// A tag may hold megabytes (a damaged or hostile file): laying out all of it
// would stall the window, so the pane shows its beginning.
constexpr qsizetype longestShownText = 1'000;

QString shownText(const QString &text)
{
    if (text.size() <= longestShownText)
        return text;
    const qsizetype length = text.at(longestShownText - 1).isHighSurrogate() ? longestShownText - 1 : longestShownText;
    return text.first(length) + u'\u2026';
}

// The words the prober's description uses, in the user's language; the
// description itself keeps them in English, as the export's rules read them.
const char *const describingWords[] = {
    QT_TRANSLATE_NOOP("MediaInfo", "Video"),      QT_TRANSLATE_NOOP("MediaInfo", "Audio"),
    QT_TRANSLATE_NOOP("MediaInfo", "Subtitle"),   QT_TRANSLATE_NOOP("MediaInfo", "Chapter"),
    QT_TRANSLATE_NOOP("MediaInfo", "Poster"),     QT_TRANSLATE_NOOP("MediaInfo", "Other"),
    QT_TRANSLATE_NOOP("MediaInfo", "Wide"),       QT_TRANSLATE_NOOP("MediaInfo", "Square"),
    QT_TRANSLATE_NOOP("MediaInfo", "Tall"),       QT_TRANSLATE_NOOP("MediaInfo", "Text-Based"),
    QT_TRANSLATE_NOOP("MediaInfo", "Image-Based"), QT_TRANSLATE_NOOP("MediaInfo", "Unknown"),
    QT_TRANSLATE_NOOP("MediaInfo", "Home Video"), QT_TRANSLATE_NOOP("MediaInfo", "Music"),
    QT_TRANSLATE_NOOP("MediaInfo", "Audiobook"),  QT_TRANSLATE_NOOP("MediaInfo", "Music Video"),
    QT_TRANSLATE_NOOP("MediaInfo", "Movie"),      QT_TRANSLATE_NOOP("MediaInfo", "TV Show"),
    QT_TRANSLATE_NOOP("MediaInfo", "Booklet"),    QT_TRANSLATE_NOOP("MediaInfo", "Ringtone"),
    QT_TRANSLATE_NOOP("MediaInfo", "Podcast"),    QT_TRANSLATE_NOOP("MediaInfo", "Alert Tone"),
};

QString translatedWord(const QString &word)
{
    for (const char *known : describingWords) {
        if (word == QLatin1StringView(known))
            return QCoreApplication::translate("MediaInfo", known);
    }
    return word;
}

// "Wide: 1920x1080 (1080p)", "SubRip subtitle - Text-Based", "Number of Chapters: 12".
QString translatedInformation(const QString &information)
{
    static const QRegularExpression chapters(QStringLiteral("^Number of Chapters: (\\d+)$"));
    if (const QRegularExpressionMatch match = chapters.match(information); match.hasMatch()) {
        const int count = match.captured(1).toInt();
        return QCoreApplication::translate("MediaInfo", "%n chapter(s)", nullptr, count);
    }
    if (const qsizetype colon = information.indexOf(QStringLiteral(": ")); colon > 0) {
        return QCoreApplication::translate("MediaInfo", "%1: %2", "the picture's shape and its size: Wide: 1920x1080 (1080p)")
            .arg(translatedWord(information.first(colon)), information.sliced(colon + 2));
    }
    if (const qsizetype dash = information.lastIndexOf(QStringLiteral(" - ")); dash > 0)
        return information.first(dash + 3) + translatedWord(information.sliced(dash + 3));
    return information;
}

QList<QStandardItem *> row(const QString &name, const QString &value = {})
{
    auto *nameItem = new QStandardItem(shownText(name));
    auto *valueItem = new QStandardItem(shownText(value));
    nameItem->setEditable(false);
    valueItem->setEditable(false);
    valueItem->setToolTip(valueItem->text());
    return {nameItem, valueItem};
}

QStandardItem *addGroup(QStandardItem *parent, const QString &name, const QString &value = {})
{
    const QList<QStandardItem *> items = row(name, value);
    parent->appendRow(items);
    return items.first();
}

void addEntries(QStandardItem *parent, const QList<QVariantMap> &entries)
{
    for (const QVariantMap &entry : entries)
        parent->appendRow(row(entry.value(QStringLiteral("key")).toString(),
                              translatedWord(entry.value(QStringLiteral("value")).toString())));
}

void addTrack(QStandardItem *tracks, const QVariantMap &track)
{
    auto text = [&track](const char *key) { return track.value(QString::fromLatin1(key)).toString(); };
    QStandardItem *item = addGroup(tracks,
                                   QCoreApplication::translate("MediaInfo", "Track %1").arg(track.value(QStringLiteral("trackNumber")).toLongLong()),
                                   translatedWord(text("trackType")));
    item->appendRow(row(QCoreApplication::translate("MediaInfo", "Codec"), text("trackCodec")));
    if (!text("trackLanguage").isEmpty())
        item->appendRow(row(QCoreApplication::translate("MediaInfo", "Language"), text("trackLanguage")));
    item->appendRow(row(QCoreApplication::translate("MediaInfo", "Duration"), text("trackDurationHuman")));
    item->appendRow(row(QCoreApplication::translate("MediaInfo", "Information"), translatedInformation(text("trackExtraInfo"))));
    QList<QVariantMap> details;
    for (const QVariant &entry : track.value(QStringLiteral("trackKeyValue")).toList())
        details.append(entry.toMap());
    if (!details.isEmpty())
        addEntries(addGroup(item, QCoreApplication::translate("MediaInfo", "Details")), details);
}

} // namespace

std::unique_ptr<QStandardItemModel> buildMediaInfoModel(const FileProbe &probe)
{
    auto model = std::make_unique<QStandardItemModel>();
    model->setHorizontalHeaderLabels({QCoreApplication::translate("MediaInfo", "Item"), QCoreApplication::translate("MediaInfo", "Value")});
    QStandardItem *root = model->invisibleRootItem();

    QStandardItem *file = addGroup(root, QCoreApplication::translate("MediaInfo", "File"), probe.fileName.value_or(QString()));
    file->appendRow(row(QCoreApplication::translate("MediaInfo", "Size"), probe.fileSizeHuman.value_or(QString())));
    file->appendRow(row(QCoreApplication::translate("MediaInfo", "Duration"), probe.durationHuman.value_or(QString())));
    file->appendRow(row(QCoreApplication::translate("MediaInfo", "Bit rate"), probe.bitrateHuman.value_or(QString())));

    QStandardItem *tracks = addGroup(root, QCoreApplication::translate("MediaInfo", "Tracks"), QString::number(probe.tracksInfo.size()));
    for (const QVariantMap &track : probe.tracksInfo)
        addTrack(tracks, track);
    if (!probe.metadata.isEmpty())
        addEntries(addGroup(root, QCoreApplication::translate("MediaInfo", "Container")), probe.metadata);
    const KeyValueList chapters = probe.chapterKeyValues();
    if (!chapters.isEmpty())
        addEntries(addGroup(root, QCoreApplication::translate("MediaInfo", "Chapters"), QString::number(chapters.size())), chapters);
    return model;
}
