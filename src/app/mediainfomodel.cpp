#include "app/mediainfomodel.h"

#include "probe/fileprobe.h"

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
                              entry.value(QStringLiteral("value")).toString()));
}

void addTrack(QStandardItem *tracks, const QVariantMap &track)
{
    auto text = [&track](const char *key) { return track.value(QString::fromLatin1(key)).toString(); };
    QStandardItem *item = addGroup(tracks,
                                   QStringLiteral("Track %1").arg(track.value(QStringLiteral("trackNumber")).toLongLong()),
                                   text("trackType"));
    item->appendRow(row(QStringLiteral("Codec"), text("trackCodec")));
    if (!text("trackLanguage").isEmpty())
        item->appendRow(row(QStringLiteral("Language"), text("trackLanguage")));
    item->appendRow(row(QStringLiteral("Duration"), text("trackDurationHuman")));
    item->appendRow(row(QStringLiteral("Information"), text("trackExtraInfo")));
    QList<QVariantMap> details;
    for (const QVariant &entry : track.value(QStringLiteral("trackKeyValue")).toList())
        details.append(entry.toMap());
    if (!details.isEmpty())
        addEntries(addGroup(item, QStringLiteral("Details")), details);
}

} // namespace

std::unique_ptr<QStandardItemModel> buildMediaInfoModel(const FileProbe &probe)
{
    auto model = std::make_unique<QStandardItemModel>();
    model->setHorizontalHeaderLabels({QStringLiteral("Item"), QStringLiteral("Value")});
    QStandardItem *root = model->invisibleRootItem();

    QStandardItem *file = addGroup(root, QStringLiteral("File"), probe.fileName.value_or(QString()));
    file->appendRow(row(QStringLiteral("Size"), probe.fileSizeHuman.value_or(QString())));
    file->appendRow(row(QStringLiteral("Duration"), probe.durationHuman.value_or(QString())));
    file->appendRow(row(QStringLiteral("Bit rate"), probe.bitrateHuman.value_or(QString())));

    QStandardItem *tracks = addGroup(root, QStringLiteral("Tracks"), QString::number(probe.tracksInfo.size()));
    for (const QVariantMap &track : probe.tracksInfo)
        addTrack(tracks, track);
    if (!probe.metadata.isEmpty())
        addEntries(addGroup(root, QStringLiteral("Container")), probe.metadata);
    const KeyValueList chapters = probe.chapterKeyValues();
    if (!chapters.isEmpty())
        addEntries(addGroup(root, QStringLiteral("Chapters"), QString::number(chapters.size())), chapters);
    return model;
}
