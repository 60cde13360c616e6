#include "export/htmlpage.h"

#include <QSaveFile>

QByteArray html5PageBytes(qint64 width, qint64 height, PageOptions options)
{
    static const QByteArray head = "<!DOCTYPE html>\n<html>\n\t<head>\n\t\t<meta charset=\"UTF-8\">\n"
                                   "\t</head>\n\t<body>\n\t\t<video width=\"";
    static const QByteArray tail = ">\n\t\t\t<source src=\"html5video.mp4\" type=\"video/mp4\">\n"
                                   "\t\t</video>\n\t</body>\n</html>";
    auto word = [](bool set, const char *text) { return set ? QByteArray(text) : QByteArray(); };
    return head + QByteArray::number(width) + "\" height=\"" + QByteArray::number(height)
        + "\" poster=\"poster.jpg\" " + word(options.controls, "controls") + ' '
        + word(options.autoplay, "autoplay") + ' ' + word(options.loop, "loop") + ' '
        + word(options.muted, "muted") + tail;
}

QByteArray visitorPageBytes(qint64 width, qint64 height, PageOptions options, const PageContent &content)
{
    auto escaped = [](const QString &text) { return text.toHtmlEscaped().toUtf8(); };
    QByteArrayList attributes = {"width=\"" + QByteArray::number(width) + '"',
                                 "height=\"" + QByteArray::number(height) + '"', "poster=\"poster.jpg\"",
                                 "style=\"max-width: 100%; height: auto;\""};
    const std::pair<bool, const char *> words[] = {{options.controls, "controls"},
                                                   {options.autoplay, "autoplay"},
                                                   {options.autoplay, "playsinline"}, // iPhones play it in the page
                                                   {options.loop, "loop"},
                                                   {options.muted, "muted"}};
    for (const auto &[set, word] : words) {
        if (set)
            attributes << word;
    }
    // The adaptive script feeds the video from the playlist; the MP4 is fetched
    // only where it does not, so the two never share a slow link.
    if (!content.playlist.isEmpty())
        attributes << "preload=\"none\"" << "data-playlist=\"" + escaped(content.playlist) + '"';
    QByteArray page = "<!DOCTYPE html>\n<html";
    if (!content.language.isEmpty())
        page += " lang=\"" + escaped(content.language) + '"';
    page += ">\n\t<head>\n\t\t<meta charset=\"UTF-8\">\n"
            "\t\t<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
            "\t\t<title>" + escaped(content.title) + "</title>\n";
    if (!content.description.isEmpty())
        page += "\t\t<meta name=\"description\" content=\"" + escaped(content.description) + "\">\n";
    // The poster as the tab's icon, so that no browser asks for a missing favicon.ico.
    page += "\t\t<link rel=\"icon\" href=\"poster.jpg\" type=\"image/jpeg\">\n"
            "\t</head>\n\t<body>\n"
            "\t\t<video " + attributes.join(' ') + ">\n";
    if (content.sources.isEmpty())
        page += "\t\t\t<source src=\"html5video.mp4\" type=\"video/mp4\">\n";
    // A type with its codecs holds double quotes: it stands in single ones (it is
    // made here of letters, digits and punctuation, never of a quote of its own).
    for (const VideoSource &source : content.sources)
        page += "\t\t\t<source src=\"" + escaped(source.fileName) + "\" type='" + source.type.toUtf8() + "'>\n";
    for (const CaptionTrack &track : content.captions) {
        page += "\t\t\t<track kind=\"captions\" src=\"" + escaped(track.fileName) + "\" srclang=\""
            + escaped(track.language) + "\" label=\"" + escaped(track.label) + '"'
            + (track.isDefault ? " default" : "") + ">\n";
    }
    // For a player's menu and its seek bar (which turns them on: only one track may be the default).
    if (!content.chapters.isEmpty())
        page += "\t\t\t<track kind=\"chapters\" src=\"" + escaped(content.chapters) + "\" label=\"Chapters\">\n";
    if (!content.thumbnails.isEmpty())
        page += "\t\t\t<track kind=\"metadata\" src=\"" + escaped(content.thumbnails) + "\" label=\"thumbnails\">\n";
    page += "\t\t</video>\n";
    for (const QString &script : content.scripts)
        page += "\t\t<script src=\"" + escaped(script) + "\"></script>\n";
    page += "\t</body>\n</html>\n";
    return page;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
