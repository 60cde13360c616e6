#include "cli/exportoptions.h"

#include "common/diagnostics.h"
#include "export/outputfolder.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <cstdio>

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

const QString defaultFolderName = QStringLiteral("HTML5Video");

struct Option
{
    QStringList names;
    const char *description; // translated when shown
    QString valueName = {};
};

const QList<Option> &options()
{
    static const QList<Option> list = {
        {{QStringLiteral("o"), QStringLiteral("output")},
         QT_TRANSLATE_NOOP("CommandLine", "The folder to create; with several sources, the folder that gets one folder per source, named "
                        "after it. Default: HTML5Video in the current folder, or the current folder itself."),
         QStringLiteral("PATH")},
        {{QStringLiteral("frame-size")},
         QT_TRANSLATE_NOOP("CommandLine", "The video's frame size: a share of the source's (50%) or one the frame-size slider reaches "
                        "(1280x720). Default: 100%."),
         QStringLiteral("SIZE")},
        {{QStringLiteral("size")},
         QT_TRANSLATE_NOOP("CommandLine", "The video's size: a share of the source file's (50%) or a limit in bytes, never exceeded "
                        "(8MB, 750kB, 1.5GB, 8000000; units of 1000). Default: 100%."),
         QStringLiteral("SIZE")},
        {{QStringLiteral("poster")},
         QT_TRANSLATE_NOOP("CommandLine", "The poster's frame: a share of the duration (40%) or a time (1:02.5). Default: the middle."),
         QStringLiteral("POSITION")},
        {{QStringLiteral("start")},
         QT_TRANSLATE_NOOP("CommandLine", "Where the published clip starts: a share of the duration (10%) or a time (0:05.2). Default: "
                        "the video's start."),
         QStringLiteral("POSITION")},
        {{QStringLiteral("end")},
         QT_TRANSLATE_NOOP("CommandLine", "Where it ends, as --start. Default: the video's end. The target size and --poster's share "
                        "follow the kept part."),
         QStringLiteral("POSITION")},
        {{QStringLiteral("approximate-size")}, QT_TRANSLATE_NOOP("CommandLine", "One encoder run, about a third faster; the size can be well off.")},
        {{QStringLiteral("av1")},
         QT_TRANSLATE_NOOP("CommandLine", "An AV1 version too (html5video-av1.mp4, same size limit), which the page offers first to the "
                        "browsers that play it; the H.264 file stays the fallback.")},
        {{QStringLiteral("loudness")},
         QT_TRANSLATE_NOOP("CommandLine", "Even loudness for the web: the sound at -16 LUFS with peaks at most -1 dBTP; a silent track is left alone.")},
        {{QStringLiteral("minimal-page")}, QT_TRANSLATE_NOOP("CommandLine", "Just the video element in a bare page, without captions.")},
        {{QStringLiteral("adaptive")},
         QT_TRANSLATE_NOOP("CommandLine", "Several qualities for slow connections (adaptive streaming): an hls folder with smaller "
                        "qualities and their playlists, which the page plays by the quality the link allows; html5video.mp4 stays "
                        "the top quality and the fallback.")},
        {{QStringLiteral("no-fast-start")}, QT_TRANSLATE_NOOP("CommandLine", "The video's index at its end, as encoders write it; by default it comes first, so that browsers start playing sooner.")},
        {{QStringLiteral("fast-start")}, QT_TRANSLATE_NOOP("CommandLine", "The video's index first (the default).")},
        {{QStringLiteral("autoplay")}, QT_TRANSLATE_NOOP("CommandLine", "The video starts by itself (and is muted, as browsers require).")},
        {{QStringLiteral("loop")}, QT_TRANSLATE_NOOP("CommandLine", "The video starts again at its end.")},
        {{QStringLiteral("muted")}, QT_TRANSLATE_NOOP("CommandLine", "The video starts without sound.")},
        {{QStringLiteral("no-controls")}, QT_TRANSLATE_NOOP("CommandLine", "The page shows no player controls.")},
        {{QStringLiteral("no-player")},
         QT_TRANSLATE_NOOP("CommandLine", "The browser's own controls instead of the page's player (which shows thumbnails and "
                        "chapters on its seek bar, answers the keyboard and the desktop's media keys); the page runs no script "
                        "but an adaptive folder's.")},
        {{QStringLiteral("no-thumbnails")}, QT_TRANSLATE_NOOP("CommandLine", "No thumbnails of the video for the player's seek bar.")},
        {{QStringLiteral("replace")}, QT_TRANSLATE_NOOP("CommandLine", "Replaces an existing folder; without it, one is left untouched and the source fails.")},
        {{QStringLiteral("q"), QStringLiteral("quiet")}, QT_TRANSLATE_NOOP("CommandLine", "No progress and no summary; errors only.")},
        {{QStringLiteral("json")},
         QT_TRANSLATE_NOOP("CommandLine", "One JSON object per source on standard output when it ends: source, folder, outcome, reason, "
                        "code, targetBytes, av1Problem, av1ProblemCode, files (name, bytes), folderBytes, qualities (name, width, height, "
                        "bandwidth, averageBandwidth, bytes), adaptiveSkipped, adaptiveSkippedCode, seconds.")},
        {{QStringLiteral("v"), QStringLiteral("verbose")}, QT_TRANSLATE_NOOP("CommandLine", "The diagnostic lines, such as the encoder's arguments, on standard error.")},
    };
    return list;
}

const char *const exitStatusText = QT_TRANSLATE_NOOP("CommandLine", 
    "Exit status: 0 when every source was exported; 1 when any was refused or failed (the others still run); "
    "2 for a usage error, before anything is written; 130 after Ctrl+C, 143 after SIGTERM and 129 after SIGHUP, "
    "which stop the running export, remove its folder and skip the rest.");



// Reads an option's value into setting when it is given; what it takes, when it cannot be read.
template <typename Setting>
std::optional<QString> readValue(const QCommandLineParser &parser, const QString &name,
                                 std::optional<Setting> (*parse)(QStringView), const QString &takes, Setting &setting)
{
    if (!parser.isSet(name))
        return std::nullopt;
    const std::optional<Setting> value = parse(parser.value(name));
    if (!value)
        return QCoreApplication::translate("CommandLine", "--%1 takes %2, not '%3'.").arg(name, takes, parser.value(name));
    setting = *value;
    return std::nullopt;
}

} // namespace

QString wrappedText(const QString &text, qsizetype indent, qsizetype width, qsizetype firstColumn)
{
    QString result;
    qsizetype column = firstColumn;
    bool lineEmpty = true;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        if (!lineEmpty && column + 1 + word.size() > width) {
            result += u'\n' + QString(indent, u' ');
            column = indent;
            lineEmpty = true;
        }
        if (!lineEmpty) {
            result += u' ';
            ++column;
        }
        result += word;
        column += word.size();
        lineEmpty = false;
    }
    return result;
}

QString helpEntry(QString left, const QString &description, int width)
{
    // A long name takes a line of its own; every description starts in one column.
    if (left.size() >= helpColumn)
        left += u'\n' + QString(helpColumn, u' ');
    else
        left = left.leftJustified(helpColumn);
    return left + wrappedText(description, helpColumn, width, helpColumn) + u'\n';
}

int helpWidth()
{
    winsize size{};
    if (::isatty(STDOUT_FILENO) == 1 && ::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col >= 40)
        return size.ws_col;
    return 80;
}

QString exportHelpText(int width)
{
    QString text = QCoreApplication::translate("CommandLine", "Usage: %1").arg(QStringLiteral("videofold export [OPTIONS] SOURCE..."))
        + QStringLiteral("\n\n")
        + wrappedText(QCoreApplication::translate("CommandLine", "Turns each video into a folder ready for a web site: "
                                                                 "html5video.mp4 (H.264), poster.jpg and html5Video.html."),
                      0, width, 0)
        + QStringLiteral("\n\n") + QCoreApplication::translate("CommandLine", "Options:") + u'\n';
    for (const Option &option : options()) {
        QStringList spelled;
        for (const QString &name : option.names)
            spelled << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString left = QStringLiteral("  ") + spelled.join(QStringLiteral(", "));
        if (!option.valueName.isEmpty())
            left += u' ' + option.valueName;
        text += helpEntry(left, QCoreApplication::translate("CommandLine", option.description), width);
    }
    text += helpEntry(QStringLiteral("  -h, --help"), QCoreApplication::translate("CommandLine", "This help."), width);
    return text + u'\n' + wrappedText(QCoreApplication::translate("CommandLine", exitStatusText), 0, width, 0) + u'\n';
}

std::optional<QString> readSettings(const QStringList &arguments, CommandSettings &settings, bool &helpAsked)
{
    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    for (const Option &option : options())
        parser.addOption(QCommandLineOption(option.names, QString::fromUtf8(option.description), option.valueName));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}));
    if (!parser.parse(QStringList{QStringLiteral("videofold export")} + arguments))
        return parser.errorText();
    if (parser.isSet(QStringLiteral("help"))) {
        helpAsked = true;
        return std::nullopt;
    }
    const std::optional<QString> problems[] = {
        readValue(parser, QStringLiteral("frame-size"), parseFrameSizeSetting,
                  QCoreApplication::translate("CommandLine", "a share such as 50% or a size such as 1280x720"), settings.choice.frameSize),
        readValue(parser, QStringLiteral("size"), parseSizeSetting,
                  QCoreApplication::translate("CommandLine", "a share such as 50% or a size such as 8MB, 750kB or 8000000"), settings.choice.size),
        readValue(parser, QStringLiteral("poster"), parsePositionSetting,
                  QCoreApplication::translate("CommandLine", "a share such as 40% or a time such as 1:02.5"), settings.choice.poster)};
    for (const std::optional<QString> &problem : problems) {
        if (problem)
            return problem;
    }
    for (const auto &[name, setting] : {std::pair{QStringLiteral("start"), &settings.choice.start}, std::pair{QStringLiteral("end"), &settings.choice.end}}) {
        PositionSetting position;
        if (const std::optional<QString> problem = readValue(parser, name, parsePositionSetting,
                                                             QCoreApplication::translate("CommandLine", "a share such as 10% or a time such as 0:05.2"), position))
            return problem;
        if (parser.isSet(name))
            *setting = position;
    }
    settings.choice.page.controls = !parser.isSet(QStringLiteral("no-controls"));
    settings.choice.page.autoplay = parser.isSet(QStringLiteral("autoplay"));
    settings.choice.page.loop = parser.isSet(QStringLiteral("loop"));
    // Browsers start only muted videos by themselves.
    settings.choice.page.muted = parser.isSet(QStringLiteral("muted")) || settings.choice.page.autoplay;
    settings.choice.minimalPage = parser.isSet(QStringLiteral("minimal-page"));
    settings.choice.fastStart = !parser.isSet(QStringLiteral("no-fast-start"));
    settings.choice.adaptive = parser.isSet(QStringLiteral("adaptive"));
    settings.choice.approximateSize = parser.isSet(QStringLiteral("approximate-size"));
    settings.choice.av1Version = parser.isSet(QStringLiteral("av1"));
    settings.choice.evenLoudness = parser.isSet(QStringLiteral("loudness"));
    settings.choice.webPlayer = !parser.isSet(QStringLiteral("no-player"));
    settings.choice.thumbnails = !parser.isSet(QStringLiteral("no-thumbnails"));
    settings.replace = parser.isSet(QStringLiteral("replace"));
    settings.quiet = parser.isSet(QStringLiteral("quiet"));
    settings.json = parser.isSet(QStringLiteral("json"));
    settings.output = parser.value(QStringLiteral("output"));
    settings.sources = parser.positionalArguments();
    if (settings.sources.isEmpty())
        return QCoreApplication::translate("CommandLine", "No source video given.");
    if (parser.isSet(QStringLiteral("verbose")))
        setDiagnosticSink([](const QString &line) { std::fprintf(stderr, "%s\n", line.toUtf8().constData()); });
    else
        setDiagnosticSink([](const QString &) {});
    return std::nullopt;
}

QStringList outputFolders(const CommandSettings &settings)
{
    const QDir current = QDir::current();
    if (settings.sources.size() == 1) {
        const QString output = settings.output.isEmpty() ? defaultFolderName : settings.output;
        return {QDir::cleanPath(current.absoluteFilePath(output))};
    }
    const QDir parent(QDir::cleanPath(current.absoluteFilePath(settings.output.isEmpty() ? QStringLiteral(".") : settings.output)));
    QStringList folders;
    QSet<QString> used;
    for (const QString &source : settings.sources) {
        const QString base = folderNameFor(source);
        QString name = base;
        for (int twin = 2; used.contains(name); ++twin)
            name = base + u' ' + QString::number(twin);
        used.insert(name);
        folders << parent.filePath(name);
    }
    return folders;
}
