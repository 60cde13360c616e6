// "videofold export" as a user runs it: a child process without a display.
#include "choicetable.h"
#include "export/htmlpage.h"
#include "export/loudness.h"
#include "testing.h"
#include "tools/mediatools.h"
#include "tools/toolversion.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// The command's environment: no display of any kind, temporary files in a folder
// of the test's, the language and numbers of locale (English by default).
QProcessEnvironment headless(const QString &temporary, const QString &locale = u"C.UTF-8"_s)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const QString &name : {u"DISPLAY"_s, u"WAYLAND_DISPLAY"_s, u"QT_QPA_PLATFORM"_s, u"LANGUAGE"_s})
        environment.remove(name);
    environment.insert(u"TMPDIR"_s, temporary);
    environment.insert(u"LC_ALL"_s, locale);
    return environment;
}

// Starts the command without a display, its temporary files in temporary.
void startVideofold(QProcess &command, const QStringList &arguments, const QTemporaryDir &temporary,
                    const QString &locale = u"C.UTF-8"_s)
{
    command.setProcessEnvironment(headless(temporary.path(), locale));
    command.start(QStringLiteral(VIDEOFOLD_BINARY), arguments);
}

// Every process on the machine whose command line names text: an encoder left behind.
QStringList processesNaming(const QString &text)
{
    QStringList found;
    for (const QString &pid : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        const QByteArray commandLine = bytesOf(u"/proc/"_s + pid + u"/cmdline"_s).replace('\0', ' ');
        if (commandLine.contains(text.toUtf8()))
            found << pid + u": "_s + QString::fromUtf8(commandLine);
    }
    return found;
}

} // namespace

class TestCommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(QDir::setCurrent(m_work.path())); }

    void oneSource()
    {
        // A limit in bytes is never exceeded; the summary names the folder; --json parses.
        const Run run = videofold({u"export"_s, mediaPath(u"noisy.mp4"_s), u"--size"_s, u"200kB"_s, u"--frame-size"_s,
                                   u"50%"_s, u"--poster"_s, u"0:01.5"_s, u"--json"_s});
        QCOMPARE(run.status, 0);
        const QString folder = m_work.filePath(u"HTML5Video"_s);
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 3);
        QCOMPARE(QDir(folder + u"/player"_s).entryList(QDir::Files), (QStringList{u"media-chrome-LICENSE.txt"_s, u"player.js"_s, u"start.js"_s}));
        QCOMPARE_LE(QFileInfo(folder + u"/html5video.mp4"_s).size(), 200'000);
        const QJsonObject result = QJsonDocument::fromJson(run.out.trimmed()).object();
        QVERIFY(result[u"outcome"].toString() == u"succeeded" && result[u"folder"].toString() == folder
                && result[u"targetBytes"].toInteger() == 200'000 && result[u"files"].toArray().size() == 4);
        // A folder among the files weighs what it holds.
        const QJsonObject player = result[u"files"].toArray().at(2).toObject();
        QCOMPARE(player[u"name"].toString(), u"player"_s);
        qint64 playerBytes = 0;
        for (const QString &name : QDir(folder + u"/player"_s).entryList(QDir::Files))
            playerBytes += QFileInfo(folder + u"/player/"_s + name).size();
        QCOMPARE(player[u"bytes"].toInteger(), playerBytes);
        QVERIFY(run.err.contains("video ") && run.err.contains(folder.toUtf8()));
        QVERIFY(bytesOf(folder + u"/html5Video.html"_s).contains("width=\"160\" height=\"90\""));

        // An existing folder is an error and stays untouched, unless --replace.
        QVERIFY(writeFile(folder + u"/keep.txt"_s, "mine"));
        const QStringList again = {u"export"_s, mediaPath(u"h264-aac.mp4"_s), u"-o"_s, folder, u"--approximate-size"_s};
        const Run refused = videofold(again);
        QCOMPARE(refused.status, 1);
        QVERIFY(refused.err.contains("--replace"));
        QCOMPARE(bytesOf(folder + u"/keep.txt"_s), QByteArray("mine"));
        QCOMPARE(videofold(again + QStringList{u"--replace"_s}).status, 0);
        QVERIFY(!QFileInfo::exists(folder + u"/keep.txt"_s));
        // The index first unless turned off; a source too short for smaller qualities gets the plain folder, and says why.
        QByteArray video = bytesOf(folder + u"/html5video.mp4"_s);
        QVERIFY(video.indexOf("moov") < video.indexOf("mdat"));
        const Run plain = videofold(again + QStringList{u"--replace"_s, u"--adaptive"_s, u"--no-fast-start"_s, u"--json"_s});
        const QJsonObject skipped = QJsonDocument::fromJson(plain.out.trimmed()).object();
        QVERIFY2(plain.status == 0 && skipped[u"adaptiveSkippedCode"] == u"adaptiveTooShort"_s && skipped[u"qualities"].toArray().isEmpty()
                     && skipped[u"folderBytes"].toInteger() > 0,
                 plain.out.constData());
        QVERIFY(plain.err.contains(" · one quality: ") && !QFileInfo::exists(folder + u"/hls"_s));
        video = bytesOf(folder + u"/html5video.mp4"_s);
        QVERIFY(video.indexOf("moov") > video.indexOf("mdat"));

        // The browser's own controls, with the thumbnails still listed for a player of the site's; then without them.
        const QStringList chaptered = {u"export"_s, mediaPath(u"ramp.mkv"_s), u"-o"_s, folder, u"--replace"_s,
                                       u"--approximate-size"_s, u"--no-player"_s};
        QCOMPARE(videofold(chaptered).status, 0);
        QByteArray page = bytesOf(folder + u"/html5Video.html"_s);
        QVERIFY2(!page.contains("<script") && page.contains("thumbnails.vtt") && page.contains("chapters.vtt"), page.constData());
        QVERIFY(!QFileInfo::exists(folder + u"/player"_s) && QFileInfo::exists(folder + u"/thumbnails-1.jpg"_s));
        QCOMPARE(videofold(chaptered + QStringList{u"--no-thumbnails"_s}).status, 0);
        page = bytesOf(folder + u"/html5Video.html"_s);
        QVERIFY(!page.contains("thumbnails") && page.contains("chapters.vtt"));
        QVERIFY(QDir(folder).entryList({u"thumbnails*"_s}).isEmpty());

        // The source's own folder is refused, replace or not.
        QTemporaryDir sources;
        const QString source = sources.filePath(u"clip.mp4"_s);
        QVERIFY(QFile::copy(mediaPath(u"h264-aac.mp4"_s), source));
        const Run own = videofold({u"export"_s, source, u"-o"_s, sources.path(), u"--replace"_s});
        QCOMPARE(own.status, 1);
        QVERIFY(own.err.contains("Please choose another name"));
        QCOMPARE(bytesOf(source), bytesOf(mediaPath(u"h264-aac.mp4"_s)));
    }

    void severalSources()
    {
        // Each source gets a folder named after it, twins numbered; a bad one fails alone.
        QTemporaryDir other;
        const QString twin = other.filePath(u"h264-aac.mp4"_s);
        QVERIFY(QFile::copy(mediaPath(u"video-only.mp4"_s), twin));
        const Run run = videofold({u"export"_s, u"--approximate-size"_s, u"--json"_s, u"-q"_s, u"-o"_s, u"many"_s,
                                   mediaPath(u"h264-aac.mp4"_s), mediaPath(u"notes.txt"_s), twin, mediaPath(u"audio-only.m4a"_s)});
        QCOMPARE(run.status, 1);
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 4);
        QStringList outcomes;
        QStringList codes;
        for (const QByteArray &line : lines) {
            outcomes << QJsonDocument::fromJson(line).object()[u"outcome"].toString();
            codes << QJsonDocument::fromJson(line).object()[u"code"].toString();
        }
        QCOMPARE(outcomes, (QStringList{u"succeeded"_s, u"refused"_s, u"succeeded"_s, u"refused"_s}));
        QCOMPARE(codes, (QStringList{QString(), u"refused"_s, QString(), u"refused"_s})); // the same in every language
        QCOMPARE(QDir(m_work.filePath(u"many"_s)).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 (QStringList{u"h264-aac"_s, u"h264-aac 2"_s}));
        // The window's own refusal text, naming the file, and why on the lines under it; nothing else
        // on standard error with --quiet.
        QVERIFY(run.err.contains("notes.txt: Seems to be an unsupported file. Does the video play in VLC Player?\n"
                                 "It cannot be read as a video: Invalid data found when processing input.\nIts first bytes: "));
        QVERIFY(run.err.contains("audio-only.m4a: Seems to be an unsupported file. Does the video play in VLC Player?\n"
                                 "It holds no video track, only 1 other track.\nIts first bytes: "));
        QCOMPARE(run.err.count("videofold: "), 2);
    }

    void terminalAndPageOptions()
    {
        // On a terminal, one progress line redrawn in place; the page's options as given, autoplay muted.
        const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
        QTemporaryDir temporary;
        // A name with a placeholder's look stays as it is in the line.
        const QString source = m_work.filePath(u"noisy %3.mp4"_s);
        QVERIFY(QFile::copy(mediaPath(u"noisy.mp4"_s), source));
        QProcess command;
        command.setStandardErrorFile(QString::fromLocal8Bit(::ptsname(master)));
        // With the minimal page, --av1 makes no AV1 version, and says so once.
        const bool av1 = MediaTools::encoderHas(MediaTools::av1EncoderName);
        startVideofold(command,
                      QStringList{u"export"_s, source, u"-o"_s, u"tty"_s, u"--frame-size"_s, u"160x90"_s,
                       u"--poster"_s, u"20%"_s, u"--autoplay"_s, u"--loop"_s, u"--no-controls"_s, u"--minimal-page"_s,
                       u"--fast-start"_s, u"--verbose"_s} + (av1 ? QStringList{u"--av1"_s} : QStringList()), temporary);
        QByteArray terminal;
        auto drain = [&] {
            char buffer[4096];
            for (ssize_t got; (got = ::read(master, buffer, sizeof buffer)) > 0;)
                terminal.append(buffer, got);
        };
        while (!command.waitForFinished(50))
            drain();
        drain();
        ::close(master);
        QCOMPARE(command.exitCode(), 0);
        QVERIFY2(terminal.contains("\r\x1b[Knoisy %3.mp4 · Final pass · ") && terminal.contains(" elapsed · about "),
                 terminal.constData());
        QVERIFY(terminal.contains("Encoder arguments: ")); // --verbose
        QCOMPARE(terminal.count("no AV1 version is made for it"), av1 ? 1 : 0);
        const QString folder = m_work.filePath(u"tty"_s);
        QVERIFY(!QFileInfo::exists(folder + u"/html5video-av1.mp4"_s) && !terminal.contains("libsvtav1"));
        QCOMPARE(bytesOf(folder + u"/html5Video.html"_s), html5PageBytes(160, 90, {false, true, true, true}));
        const QByteArray video = bytesOf(folder + u"/html5video.mp4"_s);
        QVERIFY(video.indexOf("moov") < video.indexOf("mdat"));
    }

    void usageErrors()
    {
        // Nothing written, status 2, for what cannot be read; help and version without a display.
        const QList<QStringList> wrong = {{u"--frobnicate"_s}, {u"--size"_s, u"lots"_s}, {u"--frame-size"_s, u"0x5"_s},
                                          {u"--poster"_s, u"1:99"_s}, {u"--size"_s}};
        for (const QStringList &options : wrong) {
            const Run run = videofold(QStringList{u"export"_s, mediaPath(u"h264-aac.mp4"_s), u"-o"_s, u"never"_s} + options);
            QVERIFY2(run.status == 2 && run.err.contains("Try 'videofold export --help'"), qPrintable(options.join(u' ')));
            QVERIFY(!QFileInfo::exists(m_work.filePath(u"never"_s)));
        }
        QCOMPARE(videofold({u"export"_s}).status, 2);
        // A frame size the slider cannot reach (the sizes it can are named), a poster past the end, a folder that cannot be made.
        const std::tuple<QString, QString, const char *> refused[] = {{u"--frame-size"_s, u"300x300"_s, "320 x 240 (100 %)"},
            {u"--poster"_s, u"9:00"_s, "lies past the end"}, {u"-o"_s, u"/proc/videofold"_s, "cannot be created"}};
        for (const auto &[option, value, says] : refused) {
            const Run run = videofold({u"export"_s, mediaPath(u"h264-aac.mp4"_s), option, value});
            QVERIFY2(run.status == 1 && run.err.contains(says), run.err.constData());
        }
        // --av1 where the encoder has no SVT-AV1.
        QTemporaryDir tools;
        QVERIFY(writeScript(tools.filePath(u"creator"_s), "#!/bin/sh\necho ' V....D libx264   libx264 H.264'\n"));
        qputenv(MediaTools::resourcesVariable, QFile::encodeName(tools.path()));
        const Run noAv1 = videofold({u"export"_s, u"--av1"_s, mediaPath(u"h264-aac.mp4"_s)});
        qunsetenv(MediaTools::resourcesVariable);
        QVERIFY2(noAv1.status == 2 && noAv1.err.contains("SVT-AV1 (libsvtav1)"), noAv1.err.constData());
        const Run help = videofold({u"export"_s, u"--help"_s});
        for (const char *option : {"--output", "--frame-size", "--size", "--poster", "--approximate-size", "--minimal-page",
                                   "--fast-start", "--autoplay", "--loop", "--muted", "--no-controls", "--no-player", "--no-thumbnails",
                                   "--replace", "--quiet", "--json"})
            QVERIFY2(help.status == 0 && help.out.contains(option), option);
        QVERIFY(videofold({u"--help"_s}).out.contains("videofold export [OPTIONS] SOURCE..."));
        // Not on a terminal, help fits 80 columns, each option's words whole.
        for (const QStringList &asked : {QStringList{u"--help"_s}, QStringList{u"export"_s, u"--help"_s}}) {
            const QString text = QString::fromUtf8(videofold(asked).out);
            for (const QString &line : text.split(u'\n'))
                QVERIFY2(line.size() <= 80, qPrintable(line));
            QVERIFY(text.contains(u"  --size SIZE                The video's size: a share of the source file's\n"
                                  "                             (50%) or a limit in bytes"_s));
        }
        QVERIFY(videofold({u"--version"_s}).out.startsWith("videofold " VIDEOFOLD_VERSION));
        // The desktop's language: its help, wrapped alike; the options keep their one form.
        const QString german = QString::fromUtf8(videofold({u"export"_s, u"--help"_s}, u"de_DE.UTF-8"_s).out);
        QVERIFY2(german.contains(u"Optionen:"_s) && german.contains(u"  --size SIZE                Die Größe des Videos"_s), qPrintable(german));
        for (const QString &line : german.split(u'\n'))
            QVERIFY2(line.size() <= 80, qPrintable(line));
        // The AV1 version in the summary line and in --json: kept where sharper, else why not.
        const Run kept = videofold({u"export"_s, u"--av1"_s, u"--size"_s, u"50%"_s, u"-o"_s, u"cells"_s, mediaPath(u"cells.mp4"_s)});
        QVERIFY2(kept.status == 0 && kept.out.contains(" · AV1 "), kept.out.constData());
        QTemporaryDir repeatable;
        QVERIFY(makeToolFolder(repeatable.path(), repeatableAv1Encoder));
        qputenv(MediaTools::resourcesVariable, QFile::encodeName(repeatable.path()));
        const Run dropped = videofold({u"export"_s, u"--av1"_s, u"--size"_s, u"50%"_s, u"--json"_s, u"-o"_s, u"noisy"_s,
                                       mediaPath(u"noisy.mp4"_s)});
        qunsetenv(MediaTools::resourcesVariable);
        const QJsonObject result = QJsonDocument::fromJson(dropped.out.trimmed().split('\n').last()).object();
        QVERIFY2(dropped.status == 0 && dropped.err.contains(" · no AV1 version: The AV1 version was no sharper")
                     && result[u"av1ProblemCode"].toString() == u"av1NoSharper", dropped.err.constData());
        const Run spanish = videofold({u"export"_s, u"--size"_s, u"8,5MB"_s, mediaPath(u"h264-aac.mp4"_s)}, u"es_ES.UTF-8"_s);
        QVERIFY2(spanish.status == 2 && spanish.err.contains("--size admite una proporción como 50%"), spanish.err.constData());
    }

    void trimmedExport()
    {
        // Each frame a colour of its own (frame n: 37n, 91n, 53n mod 256), a tone, and three cues.
        QVERIFY(writeFile(m_work.filePath(u"cues.srt"_s), "1\n00:00:01,000 --> 00:00:03,000\nOne\n\n2\n00:00:04,000 --> "
                                                          "00:00:05,000\nTwo\n\n3\n00:00:07,000 --> 00:00:08,000\nThree\n"));
        const QString source = m_work.filePath(u"counted.mkv"_s);
        runTool(MediaTools::encoderName, {u"-v"_s, u"error"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
            u"color=s=160x120:r=25:d=10,format=rgb24,geq=r='mod(N*37,256)':g='mod(N*91,256)':b='mod(N*53,256)'"_s,
            u"-f"_s, u"lavfi"_s, u"-i"_s, u"sine=d=10"_s, u"-i"_s, m_work.filePath(u"cues.srt"_s), u"-pix_fmt"_s, u"yuv420p"_s,
            u"-g"_s, u"50"_s, u"-c:s"_s, u"srt"_s, u"-y"_s, source});
        const Run run = videofold({u"export"_s, source, u"--start"_s, u"0:02.04"_s, u"--end"_s, u"60%"_s, u"-o"_s, u"cut"_s});
        QVERIFY2(run.status == 0, run.err.constData());
        // The frame at the start first, the kept time within a frame, audio as long.
        const QByteArray first = runTool(MediaTools::encoderName, {u"-v"_s, u"error"_s, u"-i"_s, m_work.filePath(u"cut/html5video.mp4"_s),
            u"-frames:v"_s, u"1"_s, u"-vf"_s, u"scale=1:1,format=rgb24"_s, u"-f"_s, u"rawvideo"_s, u"-"_s});
        QCOMPARE(first.size(), 3);
        for (const auto &[channel, factor] : {std::pair{0, 37}, {1, 91}, {2, 53}})
            QVERIFY2(std::abs(int(quint8(first[channel])) - 51 * factor % 256) <= 3, first.toHex().constData());
        for (int stream : {0, 1})
            QVERIFY(std::abs(probeStream(m_work.filePath(u"cut/html5video.mp4"_s), stream)[u"duration"].stringValue().toDouble() - 3.96) <= 0.041);
        // Cues shifted to the new start, one across the cut clipped, one after the end dropped.
        const QByteArray cues = bytesOf(m_work.filePath(u"cut/captions.und.vtt"_s));
        QVERIFY2(cues.contains("00:00:00.000 --> 00:00:00.9") && cues.contains("00:00:01.9") && !cues.contains("Three"), cues.constData());
        const Run outside = videofold({u"export"_s, source, u"--start"_s, u"5"_s, u"--poster"_s, u"0:01"_s, u"-o"_s, u"never"_s});
        QVERIFY2(outside.status == 1 && outside.err.contains("lies outside the part kept"), outside.err.constData());
        // A part that keeps nothing (or less than a frame) is a usage error, and nothing is written.
        for (const QStringList &range : {QStringList{u"--start"_s, u"5"_s, u"--end"_s, u"0:04"_s}, {u"--start"_s, u"0:09.99"_s},
                                         {u"--start"_s, u"soon"_s}}) {
            const Run wrong = videofold(QStringList{u"export"_s, source, u"-o"_s, u"never"_s} + range);
            QVERIFY2(wrong.status == 2 && !QFileInfo::exists(m_work.filePath(u"never"_s)), wrong.err.constData());
        }
    }

    // The refusals of the choices' table, as the command line says them, with nothing written;
    // a limit over the source acts as the source's own size.
    void chosenExports()
    {
        for (const ChoiceRow &row : choiceRows()) {
            if (row.refusal.isEmpty())
                continue;
            const Run run = videofold(QStringList{u"export"_s, mediaPath(u"long.mp4"_s), u"-o"_s, u"never"_s} + row.options());
            QVERIFY2(run.status == (row.usageError ? 2 : 1) && run.err.contains(row.refusal.toUtf8())
                         && !QFileInfo::exists(m_work.filePath(u"never"_s)),
                     row.name);
        }
        const QString source = mediaPath(u"h264-aac.mp4"_s);
        const Run large = videofold({u"export"_s, source, u"--size"_s, u"1GB"_s, u"--json"_s, u"-o"_s, u"large"_s});
        QCOMPARE(large.status, 0);
        QCOMPARE(QJsonDocument::fromJson(large.out.trimmed()).object()[u"targetBytes"].toInteger(), QFileInfo(source).size());
        QCOMPARE_LE(QFileInfo(m_work.filePath(u"large/html5video.mp4"_s)).size(), QFileInfo(source).size());
    }

    // Even loudness on sources far too quiet, about right and far too loud, one
    // with peaks the gain would push over (bursts over a quiet tone), and silence.
    void evenLoudness_data()
    {
        QTest::addColumn<QString>("audio");
        QTest::addColumn<bool>("silent");
        QTest::addColumn<QStringList>("options");
        const QString bursts = u"aevalsrc=0.03*sin(2*PI*300*t)*gt(sin(2*PI*1.5*t)\\,0)+if(lt(mod(t\\,1)\\,0.003)\\,0.45\\,0):d=4:s=48000"_s;
        QTest::newRow("sine at -38 LUFS") << u"sine=f=440:d=4,volume=-38dB"_s << false << QStringList();
        QTest::newRow("white noise at -4 LUFS, 96 kHz, one run") << u"anoisesrc=d=4:c=white:a=0.9:r=96000"_s << false
                                                                 << QStringList{u"--approximate-size"_s};
        QTest::newRow("bursts with peaks") << bursts << false << QStringList();
        QTest::newRow("digital silence") << u"anullsrc=d=4:r=48000"_s << true << QStringList();
    }

    void evenLoudness()
    {
        QFETCH(QString, audio);
        QFETCH(bool, silent);
        QFETCH(QStringList, options);
        const QString source = m_work.filePath(u"sound.mp4"_s);
        runTool(MediaTools::encoderName, {u"-v"_s, u"error"_s, u"-f"_s, u"lavfi"_s, u"-i"_s, u"testsrc=d=4:s=160x120"_s,
                                          u"-f"_s, u"lavfi"_s, u"-i"_s, audio, u"-shortest"_s, u"-y"_s, source});
        const Run run = videofold(QStringList{u"export"_s, source, u"--loudness"_s, u"-o"_s, u"loud"_s, u"--replace"_s} + options);
        QVERIFY2(run.status == 0, run.err.constData());
        const QString video = m_work.filePath(u"loud/html5video.mp4"_s);
        const QString summary = QString::fromUtf8(runTool(MediaTools::encoderName, {u"-nostats"_s, u"-i"_s, video, u"-af"_s,
                                                                                   u"ebur128=peak=true"_s, u"-f"_s, u"null"_s, u"-"_s}, true));
        const std::optional<Loudness::Measure> measured = Loudness::parseSummary(summary);
        QVERIFY(measured);
        if (silent) {
            QCOMPARE(measured->integrated, -70.0);
        } else {
            QVERIFY2(std::abs(measured->integrated + 16) <= 1 && measured->truePeak <= -1,
                     qPrintable(u"%1 LUFS, %2 dBTP"_s.arg(measured->integrated).arg(measured->truePeak)));
        }
        QVERIFY(probeStream(video, 1)[u"sample_rate"].stringValue().toInt() <= 48000);
    }

    void stopBySignal_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::addColumn<int>("status");
        QTest::newRow("Ctrl+C") << int(SIGINT) << 130;
        QTest::newRow("SIGTERM") << int(SIGTERM) << 143;
        QTest::newRow("SIGHUP") << int(SIGHUP) << 129;
    }

    void windowEndsWithTheSession()
    {
        // The window, offscreen, a video open: SIGTERM closes it cleanly and its temporary folder goes;
        // the folder a killed run left was removed at its start, that of a live process kept.
        QTemporaryDir temporary;
        QProcess ended;
        ended.start(u"true"_s);
        QVERIFY(ended.waitForFinished());
        const QString stale = u"videofold-%1-aB3dEf"_s.arg(ended.processId());
        const QString live = u"videofold-%1-aB3dEf"_s.arg(QCoreApplication::applicationPid());
        QVERIFY(QDir(temporary.path()).mkdir(stale) && QDir(temporary.path()).mkdir(live));
        QProcessEnvironment environment = headless(temporary.path());
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        environment.insert(u"XDG_CONFIG_HOME"_s, temporary.filePath(u"config"_s));
        QProcess window;
        window.setProcessEnvironment(environment);
        window.start(QStringLiteral(VIDEOFOLD_BINARY), {mediaPath(u"h264-aac.mp4"_s)});
        const QString own = u"videofold-%1-"_s.arg(window.processId());
        auto temporaries = [&] { return QDir(temporary.path()).entryList({u"videofold-*"_s}, QDir::Dirs); };
        QVERIFY(QTest::qWaitFor([&] { return temporaries().size() == 2 && !temporaries().contains(stale); }, 20'000));
        QVERIFY(temporaries().contains(live) && temporaries().filter(own).size() == 1);
        ::kill(pid_t(window.processId()), SIGTERM);
        QVERIFY(window.waitForFinished(10'000));
        QVERIFY(window.exitStatus() == QProcess::NormalExit && window.exitCode() == 128 + SIGTERM);
        QCOMPARE(temporaries(), QStringList{live});
    }

    void stopBySignal()
    {
        // The running export stops, its folder and temporary files go, the rest is skipped.
        QFETCH(int, signalNumber);
        QFETCH(int, status);
        QTemporaryDir temporary;
        QProcess command;
        startVideofold(command, {u"export"_s, u"-o"_s, u"stopped"_s, mediaPath(u"long.mp4"_s), mediaPath(u"h264-aac.mp4"_s)},
                       temporary);
        const QString first = m_work.filePath(u"stopped/long"_s);
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(first + u"/html5Video.html"_s); }, 20'000));
        // The encoder's first run writes to the temporary folder, the later ones to the export's.
        QVERIFY(QTest::qWaitFor([&] { return !processesNaming(first).isEmpty() || !processesNaming(temporary.path()).isEmpty(); },
                                20'000));
        QTest::qWait(500);
        ::kill(pid_t(command.processId()), signalNumber);
        QVERIFY(command.waitForFinished(10'000));
        QCOMPARE(command.exitCode(), status);
        QVERIFY(!QFileInfo::exists(first) && !QFileInfo::exists(m_work.filePath(u"stopped/h264-aac"_s)));
        QVERIFY(QDir(temporary.path()).isEmpty());
        QVERIFY(QTest::qWaitFor([&] { return processesNaming(first).isEmpty(); }, 5'000));
    }

private:
    QTemporaryDir m_work;

    // The command run to its end, in the language of locale.
    Run videofold(const QStringList &arguments, const QString &locale = u"C.UTF-8"_s)
    {
        QTemporaryDir temporary;
        QProcess command;
        startVideofold(command, arguments, temporary, locale);
        if (!command.waitForFinished(120'000))
            return {};
        return {command.exitStatus() == QProcess::NormalExit ? command.exitCode() : -1, command.readAllStandardOutput(),
                command.readAllStandardError()};
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_cli.moc"
