#include "export/pagecontent.h"

#include "json/json.h"
#include "probe/fileprobe.h"
#include "probe/languages.h"
#include "probe/subtitlecodecs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QMap>
#include <QRegularExpression>

namespace {

// The text subtitles of the track table that FFmpeg decodes to text, which its
// WebVTT writer takes; pictures (DVD, Blu-ray) cannot be turned into captions.
bool isTextSubtitle(const JSON &stream)
{
    // Text by the track table's list, but without a text decoder in FFmpeg
    // (XSUB holds pictures).
    static const QStringList undecodable = {QStringLiteral("hdmv_text_subtitle"), QStringLiteral("ttml"),
                                            QStringLiteral("xsub")};
    const QString codec = stream[u"codec_name"].stringValue();
    return stream[u"codec_type"].stringValue() == u"subtitle" && textSubtitleCodecs().contains(codec)
        && !undecodable.contains(codec);
}

QString streamLanguageCode(const JSON &stream)
{
    const QString code = stream[u"tags"][u"language"].stringValue();
    return code.isEmpty() ? stream[u"tags"][u"LANGUAGE"].stringValue() : code;
}

} // namespace

std::optional<QString> languageTag(QStringView code)
{
    const qsizetype separator = code.indexOf(QRegularExpression(QStringLiteral("[-_]")));
    const QStringView primary = separator < 0 ? code : code.first(separator);
    const IsoLocaleInfo language = IsoLocaleCodes::find(primary);
    if (language.isEmpty())
        return std::nullopt;
    QString tag = language.alpha1.toString();
    if (separator >= 0) {
        // A region ("BR", "419") keeps its conventional letter case; anything else is dropped.
        const QString region = code.sliced(separator + 1).toString();
        static const QRegularExpression regionPattern(QStringLiteral("^([A-Za-z]{2}|[0-9]{3})$"));
        if (regionPattern.match(region).hasMatch())
            tag += u'-' + region.toUpper();
    }
    return tag;
}

QList<CaptionTrack> captionTracks(const JSON &answer)
{
    QList<CaptionTrack> tracks;
    QHash<QString, int> uses;
    for (const auto &[position, stream] : answer[u"streams"]) {
        if (!isTextSubtitle(stream))
            continue;
        const QString code = streamLanguageCode(stream);
        CaptionTrack track;
        track.streamIndex = stream[u"index"].numberValue().toInt64();
        track.language = languageTag(code).value_or(QStringLiteral("und"));
        const QString name = IsoLocaleCodes::find(track.language.section(u'-', 0, 0)).name.toString();
        track.label = name.isEmpty() ? QCoreApplication::translate("Export", "Captions") : name;
        const int use = ++uses[track.language];
        track.fileName = QStringLiteral("captions.") + track.language
            + (use > 1 ? u'.' + QString::number(use) : QString()) + QStringLiteral(".vtt");
        if (use > 1)
            track.label += u' ' + QString::number(use);
        track.isDefault = tracks.isEmpty() && stream[u"disposition"][u"default"].numberValue().toInt64() == 1;
        tracks.append(track);
    }
    return tracks;
}

std::optional<QString> sourceDescription(const JSON &answer)
{
    // MP4 writes its tags in lower case, Matroska in capitals.
    QMap<QString, QString> tags;
    for (const auto &[name, value] : answer[u"format"][u"tags"])
        tags.insert(name.toLower(), value.stringValue().simplified());
    for (const QString &name : {QStringLiteral("description"), QStringLiteral("synopsis"), QStringLiteral("comment")}) {
        if (!tags.value(name).isEmpty())
            return tags.value(name);
    }
    return std::nullopt;
}

PageContent pageContent(const FileProbe &probe, const QString &sourcePath)
{
    PageContent content;
    const QFileInfo source(sourcePath);
    content.title = source.completeBaseName().isEmpty() ? source.fileName() : source.completeBaseName();
    if (!probe.json)
        return content;
    for (const auto &[position, stream] : (*probe.json)[u"streams"]) {
        if (stream[u"codec_type"].stringValue() == u"audio") {
            content.language = languageTag(streamLanguageCode(stream)).value_or(QString());
            break;
        }
    }
    // A page says its language (screen readers and the player's words follow it): without the
    // sound's, the one its publisher reads, who named the video.
    if (content.language.isEmpty())
        content.language = QLocale().bcp47Name().section(u'-', 0, 0);
    content.captions = captionTracks(*probe.json);
    content.description = sourceDescription(*probe.json).value_or(content.title);
    return content;
}
