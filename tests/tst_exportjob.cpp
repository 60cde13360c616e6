// The export job without a window: real exports, cancels in every stage, and encoders failing in every way.
#include "common/abnormalexit.h"
#include "common/diagnostics.h"
#include "common/temporaryfolder.h"
#include "export/adaptivefolder.h"
#include "export/encoderrun.h"
#include "export/exportjob.h"
#include "export/exportstep.h"
#include "export/failurecause.h"
#include "export/fragmentindex.h"
#include "export/outputfolder.h"
#include "export/posterframe.h"
#include "export/webplayer.h"
#include "probe/fileprobe.h"
#include "testing.h"
#include "tools/mediatools.h"
#include "tools/toolversion.h"

#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QtEndian>
#include <QSignalSpy>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QByteArray runEncoder(const QStringList &arguments, bool standardError = false)
{
    return runTool(MediaTools::encoderName, arguments, standardError);
}

// How colourful a picture is on a screen without HDR: the mean of max - min over the RGB of its pixels.
double colourfulness(const QString &picture, double seconds = 0)
{
    // No seek at all for a still: FFmpeg finds no frame at 0 s in a JPEG.
    const QStringList seek = seconds > 0 ? QStringList{u"-ss"_s, QString::number(seconds)} : QStringList();
    const QByteArray pixels = runEncoder(QStringList{u"-v"_s, u"error"_s} + seek
                                         + QStringList{u"-i"_s, picture, u"-frames:v"_s, u"1"_s, u"-vf"_s,
                                                       u"format=rgb24"_s, u"-f"_s, u"rawvideo"_s, u"-"_s});
    double sum = 0;
    for (qsizetype i = 0; i + 2 < pixels.size(); i += 3) {
        const auto [low, high] = std::minmax({quint8(pixels[i]), quint8(pixels[i + 1]), quint8(pixels[i + 2])});
        sum += high - low;
    }
    return pixels.isEmpty() ? 0 : sum / double(pixels.size() / 3);
}

// Whatever exports left in the temporary directory: their private folders.
QStringList temporaryLeftovers()
{
    QStringList found;
    for (QDirIterator it(QDir::tempPath(), {u"videofold-*"_s}, QDir::Dirs | QDir::NoDotAndDotDot); it.hasNext();)
        found << it.next();
    return found;
}

// An export of the whole source into folder at a share of its size, the poster at its middle.
ExportRequest requestFor(const QString &source, const QString &folder, double percent = 100)
{
    ExportRequest request;
    request.sourcePath = source;
    request.probe = std::make_shared<const FileProbe>(source);
    request.folder = folder;
    request.frameSize = outputFrameSize(request.probe->firstVideoTrackInfo.value_or(JSON()), 100);
    request.targetBytes = targetBytesForShare(request.probe->fileSize.value_or(0), percent);
    request.posterSeconds = PosterFrame::positionSeconds(request.probe->duration, 50);
    request.pageOptions = {true, false, false, false};
    recreateFolder(folder);
    return request;
}

// The key frames' times of a file's video, as the prober reads them.
QList<double> keyFrameTimes(const QString &path)
{
    const QByteArray times = runTool(MediaTools::proberName, {u"-v"_s, u"error"_s, u"-select_streams"_s, u"v"_s, u"-skip_frame"_s,
                                                             u"nokey"_s, u"-show_entries"_s, u"frame=pts_time"_s, u"-of"_s, u"csv=p=0"_s, path});
    QList<double> found;
    for (const QByteArray &line : times.split('\n')) {
        if (!line.trimmed().isEmpty())
            found << line.trimmed().chopped(line.trimmed().endsWith(',') ? 1 : 0).toDouble();
    }
    return found;
}

// One media playlist's segments, as a player reads them.
struct PlaylistSegment
{
    double start = 0;
    qint64 offset = 0;
    qint64 size = 0;
};

struct MediaPlaylist
{
    QString uri; // of the map and every segment: one file
    qint64 mapSize = -1;
    QList<PlaylistSegment> segments;
    bool ended = false;
};

// The folder's files, hidden ones too, but for the thumbnails' sheets and track.
QStringList filesBesideThumbnails(const QString &folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    files.removeIf([](const QString &name) { return name.startsWith(u"thumbnails"); });
    return files;
}

MediaPlaylist readMediaPlaylist(const QByteArray &text)
{
    MediaPlaylist playlist;
    double start = 0;
    double duration = 0;
    for (const QByteArray &line : text.split('\n')) {
        if (line.startsWith("#EXT-X-MAP:URI=\"")) {
            const QList<QByteArray> quoted = line.split('"');
            playlist.uri = QString::fromUtf8(quoted.value(1));
            const QByteArray range = quoted.value(3);
            playlist.mapSize = range.endsWith("@0") ? range.chopped(2).toLongLong() : -1;
        } else if (line.startsWith("#EXTINF:")) {
            duration = line.mid(8).chopped(1).toDouble();
        } else if (line.startsWith("#EXT-X-BYTERANGE:")) {
            const QList<QByteArray> parts = line.mid(17).split('@');
            playlist.segments << PlaylistSegment{start, parts.value(1).toLongLong(), parts.value(0).toLongLong()};
            start += duration;
        } else if (line == "#EXT-X-ENDLIST") {
            playlist.ended = true;
        } else if (!line.isEmpty() && !line.startsWith('#') && QString::fromUtf8(line) != playlist.uri) {
            playlist.uri = u"mixed files"_s;
        }
    }
    return playlist;
}

std::optional<ExportOutcome> runToEnd(ExportJob &job, int timeout = 60'000)
{
    QSignalSpy finished(&job, &ExportJob::finished);
    job.start();
    if (!finished.wait(timeout))
        return std::nullopt;
    return finished.first().first().value<ExportOutcome>();
}

// A small file system of the test's own, where the kernel lets it mount one.
struct SmallDisk
{
    QTemporaryDir place;
    bool mounted = false;

    explicit SmallDisk(qint64 bytes)
    {
        mounted = QProcess::execute(u"mount"_s, {u"-t"_s, u"tmpfs"_s, u"-o"_s, u"size=%1"_s.arg(bytes), u"tmpfs"_s, place.path()}) == 0;
    }
    ~SmallDisk()
    {
        if (mounted)
            QProcess::execute(u"umount"_s, {u"-l"_s, place.path()});
    }
    [[nodiscard]] bool makeReadOnly() const
    {
        return QProcess::execute(u"mount"_s, {u"-o"_s, u"remount,ro"_s, place.path()}) == 0;
    }
    // Fills it up to keep bytes free.
    [[nodiscard]] bool fill(qint64 keep) const
    {
        const qint64 filler = QStorageInfo(place.path()).bytesAvailable() - keep;
        return filler > 0 && writeFile(place.filePath(u"filler"_s), QByteArray(filler, 'x'));
    }
};

} // namespace

Q_DECLARE_METATYPE(ExportOutcome)

class TestExportJob : public QObject
{
    Q_OBJECT

public:
    static void initMain() { usePrivateTemporaryDirectory(); }

private Q_SLOTS:
    void initTestCase() { qRegisterMetaType<ExportOutcome>(); }

    void init()
    {
        qunsetenv(MediaTools::resourcesVariable);
        m_diagnostics.clear();
        setDiagnosticSink([this](const QString &line) { m_diagnostics << line; });
    }

    void cleanup()
    {
        setDiagnosticSink({});
        qunsetenv(MediaTools::resourcesVariable);
        m_tools.reset();
        QVERIFY(QTest::qWaitFor([] { return childProcesses().isEmpty(); }, 5'000));
        QVERIFY2(temporaryLeftovers().isEmpty(), qPrintable(temporaryLeftovers().join(u' ')));
    }

    void exactSize_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<double>("percent");
        QTest::addColumn<double>("limit"); // a limit in bytes instead, when above 0
        for (const QString &source : {u"noisy.mp4"_s, u"quiet-mono.mp4"_s, u"vfr.mp4"_s}) {
            for (double percent : {100.0, 50.0, 25.0})
                QTest::addRow("%s at %g %%", qPrintable(source), percent) << source << percent << 0.0;
        }
        QTest::newRow("noisy.mp4 under 60 kB") << u"noisy.mp4"_s << 0.0 << 60'000.0;
        QTest::newRow("quiet-mono.mp4 under 25 kB") << u"quiet-mono.mp4"_s << 0.0 << 25'000.0;
    }

    void exactSize()
    {
        QFETCH(QString, source);
        QFETCH(double, percent);
        QFETCH(double, limit);
        ExportRequest request = requestFor(mediaPath(source), m_out.filePath(u"exact"_s), percent);
        if (limit > 0) {
            request.targetBytes = limit;
            request.targetIsCeiling = true;
        }
        ExportJob job(request);
        const std::optional<ExportOutcome> outcome = runToEnd(job);
        QVERIFY(outcome && outcome->succeeded());

        // At most 2 % above the label's bytes (never above a limit), and at most 10 % below unless the encoder could spend no more.
        const double target = double(outcome->targetBytes);
        const double written = double(QFileInfo(request.folder + u"/html5video.mp4"_s).size());
        const QString ratio = u"%1 of %2 bytes: %3"_s.arg(written).arg(target).arg(written / target);
        qInfo("%s", qPrintable(ratio));
        QCOMPARE(outcome->videoBytes, qint64(written));
        QVERIFY2(written <= (limit > 0 ? 1.0 : 1.02) * target, qPrintable(ratio));
        QVERIFY2(written >= 0.9 * target || m_diagnostics.filter(u"quality ceiling"_s).size() == 1, qPrintable(ratio));
        // No pass log or temporary file in it; the seek bar's thumbnails where the video is long enough.
        QCOMPARE(filesBesideThumbnails(request.folder), (QStringList{u"html5Video.html"_s, u"html5video.mp4"_s, u"poster.jpg"_s}));
        QCOMPARE(m_diagnostics.filter(u"held by the"_s).size(), 1);
    }

    void adaptiveFolder()
    {
        // Smaller qualities beside the MP4, which is their top one and keeps its limit.
        const QString source = mediaPath(u"ladder.mp4"_s);
        ExportRequest request = requestFor(source, m_out.filePath(u"adaptive"_s));
        request.targetBytes = 0.6 * double(QFileInfo(source).size());
        request.targetIsCeiling = true;
        request.adaptive = true;
        ExportJob job(request);
        QSet<QString> runs;
        connect(&job, &ExportJob::progressChanged, this, [&runs](double, const QString &run) { runs << run; });
        const std::optional<ExportOutcome> outcome = runToEnd(job, 180'000);
        QVERIFY(outcome && outcome->succeeded());
        const QString folder = request.folder;
        QCOMPARE_LE(QFileInfo(folder + u"/html5video.mp4"_s).size(), qint64(request.targetBytes));
        QVERIFY2(runs.contains(u"Encoding 3 smaller qualities"_s), qPrintable(runs.values().join(u", ")));
        QVERIFY(outcome->entries.contains(folder + u"/hls"_s) && outcome->adaptiveSkipped.isEmpty());
        // The qualities and their playlists; the page's player weighs the same beside any video.
        qint64 playerBytes = 0;
        for (const QString &name : WebPlayer::fileNames())
            playerBytes += QFileInfo(folder + u"/player/"_s + name).size();
        QCOMPARE_LE(outcome->folderBytes - playerBytes, 2.2 * double(outcome->videoBytes));
        QCOMPARE(outcome->qualities.size(), 4);
        QCOMPARE(outcome->qualities.last().frame, request.frameSize);
        QCOMPARE_LE(outcome->qualities.first().averageBitsPerSecond, 0.15 * double(outcome->qualities.last().averageBitsPerSecond));
        const QByteArray page = bytesOf(folder + u"/html5Video.html"_s);
        QVERIFY(page.contains(" data-playlist=\"hls/master.m3u8\"") && page.contains("<script src=\"hls/adaptive.js\"></script>"));
        for (const QString &name : AdaptiveFolder::playerFileNames())
            QVERIFY2(QFileInfo(folder + u"/hls/"_s + name).size() > 0, qPrintable(name));

        // Every quality in the master playlist, each a playlist over one file whose fragments it covers
        // end to end; every segment starts on a key frame, at the same times in every quality.
        const QByteArray master = bytesOf(folder + u"/hls/master.m3u8"_s);
        const QList<QByteArray> lines = master.split('\n');
        QStringList files;
        QList<double> firstKeyFrames;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (!lines.at(i).startsWith("#EXT-X-STREAM-INF:"))
                continue;
            for (const char *attribute : {"BANDWIDTH=", "AVERAGE-BANDWIDTH=", "RESOLUTION=", "FRAME-RATE=25.000", "CODECS=\"avc1.64"})
                QVERIFY2(lines.at(i).contains(attribute), lines.at(i).constData());
            QVERIFY(lines.at(i).contains("mp4a.40.2\""));
            const MediaPlaylist playlist = readMediaPlaylist(bytesOf(folder + u"/hls/"_s + QString::fromUtf8(lines.value(i + 1))));
            const QString file = QDir::cleanPath(folder + u"/hls/"_s + playlist.uri);
            files << file;
            const QByteArray bytes = bytesOf(file);
            QVERIFY(playlist.ended && playlist.mapSize > 0 && playlist.segments.size() >= 8);
            qint64 next = playlist.segments.first().offset;
            QCOMPARE_GE(next, playlist.mapSize);
            for (const PlaylistSegment &segment : playlist.segments) {
                QCOMPARE(segment.offset, next);
                QCOMPARE(bytes.mid(segment.offset + 4, 4), QByteArray("moof"));
                next = segment.offset + segment.size;
            }
            // After the last fragment only the random-access index the muxer appends.
            QCOMPARE(bytes.mid(next + 4, 4), QByteArray("mfra"));
            QCOMPARE(qFromBigEndian<quint32>(bytes.constData() + next), quint32(bytes.size() - next));
            const QList<double> keyFrames = keyFrameTimes(file);
            QCOMPARE(keyFrames.size(), playlist.segments.size());
            for (qsizetype k = 0; k < keyFrames.size(); ++k)
                QVERIFY2(std::abs(keyFrames.at(k) - keyFrames.first() - playlist.segments.at(k).start) < 0.002, qPrintable(file));
            if (firstKeyFrames.isEmpty())
                firstKeyFrames = keyFrames;
            QCOMPARE(keyFrames, firstKeyFrames);
        }
        QCOMPARE(files.size(), 4);
        QCOMPARE(files.last(), folder + u"/html5video.mp4"_s);
        // A file that is not fragmented has no fragments to list.
        QVERIFY(!readFragmentIndex(mediaPath(u"h264-aac.mp4"_s)) && readFragmentIndex(files.first()));
    }

    void adaptiveFailures()
    {
        // A smaller quality the encoder does not finish: the export fails with the encoder's words.
        const QString source = mediaPath(u"ladder.mp4"_s);
        ExportRequest request = requestFor(source, m_out.filePath(u"adaptive-failed"_s));
        request.approximateSize = true;
        request.adaptive = true;
        QVERIFY(useEncoder("case \"$*\" in *split=3*) echo 'Disk quota exceeded' >&2; exit 1;; esac\nexec @real@ \"$@\"\n"));
        std::optional<ExportOutcome> outcome = runToEnd(*std::make_unique<ExportJob>(request), 120'000);
        QVERIFY(outcome && !outcome->succeeded());
        QVERIFY2(outcome->reason.contains(u"Disk quota exceeded"_s), qPrintable(outcome->reason));
        QVERIFY(outcome->entries.contains(request.folder + u"/hls"_s)); // what is there, as every failure lists it

        // Without the web files beside the tools (this encoder's folder holds none), the folder is not made adaptive
        // nor given its player in silence: the export fails and says which file was missing.
        QVERIFY(useEncoder("exec @real@ \"$@\"\n", false));
        request = requestFor(source, m_out.filePath(u"adaptive-failed"_s));
        request.approximateSize = true;
        request.adaptive = true;
        outcome = runToEnd(*std::make_unique<ExportJob>(request), 120'000);
        QVERIFY(outcome && !outcome->succeeded());
        QCOMPARE(outcome->reasonCode, FailureCode::playerUnwritten);
        QVERIFY2(outcome->reason.startsWith(u"The web player start.js could not be copied from "_s), qPrintable(outcome->reason));
        request = requestFor(source, m_out.filePath(u"adaptive-failed"_s));
        request.approximateSize = true;
        request.adaptive = true;
        request.webPlayer = false;
        outcome = runToEnd(*std::make_unique<ExportJob>(request), 120'000);
        QVERIFY(outcome && !outcome->succeeded());
        QCOMPARE(outcome->reasonCode, FailureCode::adaptiveUnwritten);
        QVERIFY2(outcome->reason.startsWith(u"The web player hls.light.min.js could not be copied from "_s), qPrintable(outcome->reason));
        qunsetenv(MediaTools::resourcesVariable);

        // A quality that is a plain MP4, not fragments: no playlist can address it.
        const QString folder = m_out.filePath(u"unsegmented"_s);
        recreateFolder(folder);
        QVERIFY(QDir(folder).mkpath(u"hls"_s));
        QVERIFY(QFile::copy(mediaPath(u"h264-aac.mp4"_s), folder + u"/hls/120p.mp4"_s));
        const AdaptiveFolder::Written written
            = AdaptiveFolder::write(folder, {320, 240}, {AdaptiveLadder::Quality{u"120p"_s, {160, 120}, 100, 0, 0}}, 25);
        QCOMPARE(written.problem, u"The quality 120p was not written as segments."_s);
        QVERIFY(written.qualities.isEmpty());
    }

    void thumbnailsAndChapters()
    {
        // A part from 2 s to 11 s of a video whose brightness tells its time.
        ExportRequest request = requestFor(mediaPath(u"ramp.mkv"_s), m_out.filePath(u"tracks"_s));
        request.startSeconds = 2;
        request.endSeconds = 11;
        std::optional<ExportOutcome> outcome = runToEnd(*std::make_unique<ExportJob>(request), 60'000);
        QVERIFY(outcome && outcome->succeeded());
        QCOMPARE(QDir(request.folder).entryList(QDir::Files, QDir::Name),
                 (QStringList{u"chapters.vtt"_s, u"html5Video.html"_s, u"html5video.mp4"_s, u"poster.jpg"_s,
                              u"thumbnails-1.jpg"_s, u"thumbnails.vtt"_s}));
        // The chapters moved into the part and cut to it, the untitled one named by its place.
        QCOMPARE(bytesOf(request.folder + u"/chapters.vtt"_s),
                 QByteArray("WEBVTT\n\n00:00:00.000 --> 00:00:02.000\nDark\n\n00:00:02.000 --> 00:00:06.000\nChapter 2\n\n"
                            "00:00:06.000 --> 00:00:09.000\nLight &amp; bright\n"));
        const QByteArray page = bytesOf(request.folder + u"/html5Video.html"_s);
        QVERIFY2(page.contains("<track kind=\"chapters\" src=\"chapters.vtt\" label=\"Chapters\">")
                     && page.contains("<track kind=\"metadata\" src=\"thumbnails.vtt\" label=\"thumbnails\">"),
                 page.constData());

        // Every cue's rectangle shows the video at the cue's start: as bright as the source there.
        const QImage sheet = QImage(request.folder + u"/thumbnails-1.jpg"_s).convertToFormat(QImage::Format_Grayscale8);
        QVERIFY(!sheet.isNull());
        static const QRegularExpression cue(u"(\\d\\d):(\\d\\d)\\.(\\d{3}) --> \\S+\\nthumbnails-1\\.jpg#xywh=(\\d+),(\\d+),(\\d+),(\\d+)"_s);
        QList<double> starts;
        for (const QRegularExpressionMatch &match : cue.globalMatch(QString::fromUtf8(bytesOf(request.folder + u"/thumbnails.vtt"_s)))) {
            const double start = match.captured(2).toDouble() + match.captured(3).toDouble() / 1000;
            const QImage tile = sheet.copy(match.captured(4).toInt(), match.captured(5).toInt(), match.captured(6).toInt(),
                                           match.captured(7).toInt());
            QCOMPARE(tile.size(), QSize(160, 90));
            double sum = 0;
            for (int y = 0; y < tile.height(); ++y) {
                for (int x = 0; x < tile.width(); ++x)
                    sum += qGray(tile.pixel(x, y));
            }
            const double expected = 255 * (request.startSeconds + start) / 12; // the next cue's is 42 brighter
            QVERIFY2(std::abs(sum / (tile.width() * tile.height()) - expected) < 8,
                     qPrintable(u"%1: %2, not %3"_s.arg(match.captured(0)).arg(sum / (tile.width() * tile.height())).arg(expected)));
            starts << start;
        }
        QCOMPARE(starts, (QList<double>{0, 2, 4, 6, 8}));

        // The minimal page is the bare video element: no tracks beside it.
        request = requestFor(mediaPath(u"ramp.mkv"_s), m_out.filePath(u"tracks"_s));
        request.minimalPage = true;
        outcome = runToEnd(*std::make_unique<ExportJob>(request), 60'000);
        QVERIFY(outcome && outcome->succeeded());
        QCOMPARE(QDir(request.folder).entryList(QDir::Files, QDir::Name),
                 (QStringList{u"html5Video.html"_s, u"html5video.mp4"_s, u"poster.jpg"_s}));
    }

    void modes()
    {
        // The single run of old, its arguments as they were, named in the progress; the poster at its size.
        ExportRequest request = requestFor(mediaPath(u"h264-aac.mp4"_s), m_out.filePath(u"single"_s), 10);
        request.frameSize = {160, 120};
        request.approximateSize = true;
        ExportJob job(request);
        QList<QString> runs;
        connect(&job, &ExportJob::progressChanged, this, [&runs](double, const QString &run) { runs << run; });
        const std::optional<ExportOutcome> outcome = runToEnd(job);
        QVERIFY(outcome && outcome->succeeded() && outcome->reason.isEmpty());
        QStringList entries;
        for (const QString &name : {u"html5Video.html"_s, u"html5video.mp4"_s, u"player"_s, u"poster.jpg"_s})
            entries << request.folder + u'/' + name;
        QCOMPARE(outcome->entries, entries);
        const QStringList arguments = m_diagnostics.filter(u"Encoder arguments"_s);
        QVERIFY(arguments.size() == 1 && !arguments.first().contains(u"-pass"));
        QVERIFY(runs.size() > 1 && runs.count(u"Encoding"_s) == runs.size());
        QCOMPARE(QImageReader(request.folder + u"/poster.jpg"_s).size(), QSize(160, 120));

        // A raw stream without a duration: one run, no percentage, in 8-bit 4:2:0.
        m_diagnostics.clear();
        ExportJob raw(requestFor(mediaPath(u"raw.h264"_s), m_out.filePath(u"raw"_s)));
        QSignalSpy progress(&raw, &ExportJob::progressChanged);
        QVERIFY(runToEnd(raw).value_or(ExportOutcome()).succeeded());
        QVERIFY(progress.isEmpty() && !raw.hasProgress());
        QCOMPARE(m_diagnostics.filter(u"Encoder arguments"_s).size(), 1);
        QCOMPARE(probeStream(m_out.filePath(u"raw/html5video.mp4"_s))[u"pix_fmt"].stringValue(), u"yuv420p"_s);

        // Captions of the source beside the video, named in the outcome.
        ExportJob captioned(requestFor(mediaPath(u"captions.mkv"_s), m_out.filePath(u"captions"_s)));
        QCOMPARE(runToEnd(captioned).value_or(ExportOutcome()).captionNames, (QStringList{u"captions.en.vtt"_s, u"captions.de.vtt"_s}));
        // An arrow in a cue's text is no timing line.
        const QByteArray cues = bytesOf(m_out.filePath(u"captions/captions.en.vtt"_s));
        QVERIFY2(cues.contains("\nBonjour --&gt; salut\n") && cues.count("-->") == 2, cues.constData());
    }

    void endsBeforeEncoding()
    {
        // Cancelled before it starts: it ends at once, folder and all, and a second start changes nothing.
        ExportRequest request = requestFor(mediaPath(u"h264-aac.mp4"_s), m_out.filePath(u"early"_s));
        ExportJob cancelled(request);
        cancelled.cancel();
        std::optional<ExportOutcome> outcome = runToEnd(cancelled);
        QVERIFY(outcome && outcome->result == ExportOutcome::Result::Cancelled && !QFileInfo::exists(request.folder));
        cancelled.start();
        QVERIFY(cancelled.isFinished() && !cancelled.encoderProcess());

        // A folder that is gone, and a temporary directory that cannot be used: failed at once, with the reason.
        ExportJob folderless(request);
        outcome = runToEnd(folderless);
        QVERIFY(outcome && outcome->result == ExportOutcome::Result::Failed && m_diagnostics.filter(u"Encoder arguments"_s).isEmpty());
        QCOMPARE(outcome->reason, u"The folder %1 cannot be written."_s.arg(request.folder));
        const QByteArray temporary = qgetenv("TMPDIR");
        QVERIFY(writeFile(m_out.filePath(u"a-file"_s), "not a folder"));
        qputenv("TMPDIR", QFile::encodeName(m_out.filePath(u"a-file"_s)));
        ExportJob templess(requestFor(request.sourcePath, request.folder));
        outcome = runToEnd(templess);
        qputenv("TMPDIR", temporary);
        QVERIFY2(outcome && outcome->reason.startsWith(u"No temporary folder could be made"_s), qPrintable(outcome->reason));

        // A limit below what the audio alone needs is not met, and the export says so rather than succeed.
        request = requestFor(request.sourcePath, request.folder);
        request.targetBytes = 8'000;
        request.targetIsCeiling = true;
        ExportJob tooSmall(request);
        outcome = runToEnd(tooSmall);
        QVERIFY(outcome && outcome->result == ExportOutcome::Result::Failed);
        QVERIFY2(outcome->reason.startsWith(u"The video could not be made as small as "_s)
                     && outcome->reason.contains(u"The sound and the container alone take"_s), qPrintable(outcome->reason));
        request.targetBytes = 8; // no rate at all: refused before anything is encoded
        QVERIFY(runToEnd(*std::make_unique<ExportJob>(request)).value_or(ExportOutcome()).reason.contains(u"leaves no rate"_s));
    }

    void sharpPoster()
    {
        // The poster is the frame taken at the output size, not a preview stretched to it.
        const QString source = mediaPath(u"sharp1080.mp4"_s);
        ExportRequest request = requestFor(source, m_out.filePath(u"sharp"_s));
        request.approximateSize = true;
        ExportJob job(request);
        QVERIFY(runToEnd(job).value_or(ExportOutcome()).succeeded());
        const QString poster = request.folder + u"/poster.jpg"_s;
        QCOMPARE(QImageReader(poster).size(), QSize(1920, 1080));
        const QString reference = m_out.filePath(u"reference.png"_s);
        runEncoder({u"-v"_s, u"error"_s, u"-ss"_s, PosterFrame::seekText(request.posterSeconds), u"-i"_s, source, u"-vf"_s,
                    u"scale=1920:1080,setsar=1:1"_s, u"-frames:v"_s, u"1"_s, u"-y"_s, reference});
        // The structural similarity of the two pictures, 1 for the same, as FFmpeg measures it.
        const QByteArray report = runEncoder({u"-i"_s, poster, u"-i"_s, reference, u"-lavfi"_s, u"ssim"_s, u"-f"_s, u"null"_s, u"-"_s}, true);
        const double similarity = report.mid(report.lastIndexOf("All:") + 4).split(' ').first().toDouble();
        QVERIFY2(similarity >= 0.98, qPrintable(QString::number(similarity)));
    }

    void hdrToSdr()
    {
        // HLG and PQ from a phone: SDR BT.709 video and poster, as colourful as the same picture made in SDR.
        const double sdr = colourfulness(mediaPath(u"sdr.mp4"_s), 0.5);
        QVERIFY(sdr > 100);
        for (const QString &name : {u"hlg.mp4"_s, u"pq.mp4"_s}) {
            QVERIFY2(colourfulness(mediaPath(name), 0.5) < 0.5 * sdr, "the source looks washed out on SDR");
            const QString folder = m_out.filePath(u"sdr-"_s + name);
            ExportJob job(requestFor(mediaPath(name), folder));
            QVERIFY(runToEnd(job).value_or(ExportOutcome()).succeeded());
            const JSON video = probeStream(folder + u"/html5video.mp4"_s);
            QCOMPARE(video[u"pix_fmt"].stringValue(), u"yuv420p"_s);
            for (const char16_t *key : {u"color_transfer", u"color_primaries", u"color_space"})
                QCOMPARE(video[key].stringValue(), u"bt709"_s);
            for (const auto &[output, seconds] : {std::pair(u"/html5video.mp4"_s, 0.5), std::pair(u"/poster.jpg"_s, 0.0)}) {
                const double colour = colourfulness(folder + output, seconds);
                QVERIFY2(colour > 0.6 * sdr, qPrintable(name + output + u": "_s + QString::number(colour)));
            }
        }
    }

    void stops_data()
    {
        // The encoder's arguments that it hangs at (writing the mark first), and where the export is then.
        QTest::addColumn<QByteArray>("hangsAt");
        QTest::addColumn<bool>("deafToTerm");
        QTest::addColumn<QString>("options"); // "loudness", "av1", "approximate", "adaptive"
        QTest::addColumn<int>("stage");
        QTest::newRow("measuring the source's loudness") << QByteArray("*ebur128*") << false << u"loudness"_s << int(ExportStage::MeasuringLoudness);
        QTest::newRow("analysing") << QByteArray("*\"-pass 1\"*") << false << QString() << int(ExportStage::Analysing);
        QTest::newRow("measuring the audio written") << QByteArray("*audio.m4a*ebur128*") << false << u"loudness"_s
                                                     << int(ExportStage::CorrectingLoudness);
        QTest::newRow("the final pass") << QByteArray("*\"-pass 2\"*") << false << QString() << int(ExportStage::Encoding);
        QTest::newRow("the final pass, deaf to a polite stop") << QByteArray("*\"-pass 2\"*") << true << QString() << int(ExportStage::Encoding);
        QTest::newRow("the one run") << QByteArray("*libx264*") << false << u"approximate"_s << int(ExportStage::Encoding);
        QTest::newRow("the AV1 run") << QByteArray("*libsvtav1*") << false << u"av1 approximate"_s << int(ExportStage::EncodingAv1);
        QTest::newRow("comparing both videos") << QByteArray("*ssim@*") << false << u"av1 approximate"_s << int(ExportStage::Comparing);
        QTest::newRow("the smaller qualities") << QByteArray("*split=3*") << false << u"adaptive approximate"_s
                                               << int(ExportStage::EncodingQualities);
        QTest::newRow("the poster") << QByteArray("*-frames:v*") << false << u"approximate"_s << -1;
    }

    void stops()
    {
        QFETCH(QByteArray, hangsAt);
        QFETCH(bool, deafToTerm);
        QFETCH(QString, options);
        QFETCH(int, stage);
        if (options.contains(u"av1"_s) && !MediaTools::encoderHas(MediaTools::av1EncoderName))
            QSKIP("The encoder has no SVT-AV1");
        const QString mark = m_out.filePath(u"hanging"_s);
        QFile::remove(mark);
        const QByteArray hang = deafToTerm ? "trap '' TERM; while :; do sleep 0.1; done" : "exec sleep 600";
        QVERIFY(useEncoder("case \"$*\" in " + hangsAt + ") : > '"
                           + QFile::encodeName(mark) + "'; " + hang + ";; esac\nexec @real@ \"$@\"\n"));
        const QString folder = m_out.filePath(u"stopped"_s);
        // Only a longer, richer source gets smaller qualities.
        ExportRequest request = requestFor(mediaPath(options.contains(u"adaptive"_s) ? u"ladder.mp4"_s : u"cells.mp4"_s), folder);
        request.adaptive = options.contains(u"adaptive"_s);
        request.evenLoudness = options.contains(u"loudness"_s);
        request.av1Version = options.contains(u"av1"_s);
        request.approximateSize = options.contains(u"approximate"_s);
        ExportJob job(request);
        QSignalSpy finished(&job, &ExportJob::finished);
        job.start();
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(mark); }, 60'000));
        if (stage >= 0)
            QCOMPARE(int(job.stage()), stage);
        job.cancel();
        job.cancel(); // a second press changes nothing
        QVERIFY(finished.wait(EncoderRun::killDelay.count() + 3'000));
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished.first().first().value<ExportOutcome>().result, ExportOutcome::Result::Cancelled);
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(QTest::qWaitFor([] { return childProcesses().isEmpty(); }, 1'000));
        QVERIFY(temporaryLeftovers().isEmpty());
    }

    void destroyedMidway()
    {
        // A job destroyed mid-way, as at quitting, stops as a cancel does, without a word.
        const QString folder = m_out.filePath(u"destroyed"_s);
        auto job = std::make_unique<ExportJob>(requestFor(mediaPath(u"long.mp4"_s), folder));
        job->start();
        QTest::qWait(500);
        job.reset();
        QVERIFY(!QFileInfo::exists(folder) && childProcesses().isEmpty());
    }

    void abnormalEnd()
    {
        // What the program does when the display goes and a library ends it from under the job:
        // the tools killed, the export's folder and the temporary folders removed, once.
        const QString folder = m_out.filePath(u"abandoned"_s);
        auto job = std::make_unique<ExportJob>(requestFor(mediaPath(u"long.mp4"_s), folder));
        job->start();
        QVERIFY(QTest::qWaitFor([&] { return job->encoderProcess() && job->encoderProcess()->state() == QProcess::Running; }, 20'000));
        QVERIFY(QFileInfo::exists(folder + u"/html5Video.html"_s) && !temporaryLeftovers().isEmpty());
        QVERIFY(AbnormalExit::cleanUp());
        QVERIFY(!QFileInfo::exists(folder) && temporaryLeftovers().isEmpty());
        QVERIFY(QTest::qWaitFor([] { return childProcesses().isEmpty(); }, 2'000));
        QVERIFY(!AbnormalExit::cleanUp()); // nothing registered any more
        job.reset();
    }

    void av1Version()
    {
        // Both videos within the target, the AV1 one never over it and sharper; the page offers it
        // first, both typed from the files.
        ExportRequest request = requestFor(mediaPath(u"cells.mp4"_s), m_out.filePath(u"av1"_s), 50);
        request.av1Version = true;
        std::optional<ExportOutcome> outcome = runToEnd(*std::make_unique<ExportJob>(request), 120'000);
        QVERIFY(outcome && outcome->succeeded());
        QCOMPARE(outcome->av1Problem, QString());
        QVERIFY2(outcome->av1Bytes > 0 && outcome->av1Bytes <= outcome->targetBytes,
                 qPrintable(u"AV1 %1 of %2"_s.arg(outcome->av1Bytes).arg(outcome->targetBytes)));
        QVERIFY(!m_diagnostics.filter(u"AV1 version sharper: SSIM 0."_s).isEmpty());
        QCOMPARE(outcome->entries.size(), 5); // the page, both videos, the player and the poster
        const QByteArray page = bytesOf(request.folder + u"/html5Video.html"_s);
        const qsizetype av1 = page.indexOf("<source src=\"html5video-av1.mp4\" type='video/mp4; codecs=\"av01.0.");
        QVERIFY2(av1 > 0 && page.indexOf("<source src=\"html5video.mp4\" type='video/mp4; codecs=\"avc1.", av1) > av1, page.constData());
        QCOMPARE(probeStream(request.folder + u"/html5video-av1.mp4"_s, 1)[u"codec_name"].stringValue(), u"aac"_s);

        // Moving noise, which AV1 smooths away: the folder holds the H.264 file alone, the page
        // offers it alone, typed, and the reason is said.
        QVERIFY(useEncoder(repeatableAv1Encoder));
        request = requestFor(mediaPath(u"noisy.mp4"_s), request.folder, 50);
        request.av1Version = true;
        outcome = runToEnd(*std::make_unique<ExportJob>(request), 120'000);
        QVERIFY(outcome && outcome->succeeded() && outcome->av1Bytes == 0);
        QVERIFY2(outcome->av1Problem.startsWith(u"The AV1 version was no sharper than the H.264 one (SSIM 0."_s)
                     && outcome->av1Problem.endsWith(u"), so the page offers the H.264 video alone."_s),
                 qPrintable(outcome->av1Problem));
        QCOMPARE(filesBesideThumbnails(request.folder), (QStringList{u"html5Video.html"_s, u"html5video.mp4"_s, u"poster.jpg"_s}));
        const QByteArray alone = bytesOf(request.folder + u"/html5Video.html"_s);
        QVERIFY2(alone.count("<source ") == 1 && alone.contains("<source src=\"html5video.mp4\" type='video/mp4; codecs=\"avc1."),
                 alone.constData());

        // A comparison that fails: the AV1 file stays on its other checks, and the diagnostics say why.
        // (A source whose AV1 version lands well within the target: noise makes SVT-AV1's size vary
        // from run to run by more than its margin there.)
        QVERIFY(useEncoder("case \"$*\" in *ssim@*) echo 'Out of memory' >&2; exit 1;; esac\nexec @real@ \"$@\"\n"));
        request = requestFor(mediaPath(u"cells.mp4"_s), request.folder, 50);
        request.av1Version = true;
        m_diagnostics.clear();
        outcome = runToEnd(*std::make_unique<ExportJob>(request), 120'000);
        QVERIFY(outcome && outcome->succeeded());
        QVERIFY2(outcome->av1Bytes > 0 && outcome->av1Problem.isEmpty(),
                 qPrintable(m_diagnostics.filter(u"AV1"_s).join(u'\n')));
        QVERIFY(!m_diagnostics.filter(u"AV1 version kept unmeasured, its size and playback checked: Out of memory"_s).isEmpty());

        // An encoder without AV1: the H.264 file alone, the page typed with it, and why.
        QVERIFY(useEncoder("case \"$*\" in *libsvtav1*) echo 'Unknown encoder libsvtav1' >&2; exit 1;; esac\nexec @real@ \"$@\"\n"));
        request = requestFor(mediaPath(u"noisy.mp4"_s), request.folder, 50);
        request.av1Version = true;
        outcome = runToEnd(*std::make_unique<ExportJob>(request), 60'000);
        QVERIFY(outcome && outcome->succeeded() && outcome->av1Bytes == 0);
        QCOMPARE(outcome->av1Problem, u"The AV1 encoder stopped:\nUnknown encoder libsvtav1"_s);
        QCOMPARE(bytesOf(request.folder + u"/html5Video.html"_s).count("<source "), 1);
        QCOMPARE(filesBesideThumbnails(request.folder), (QStringList{u"html5Video.html"_s, u"html5video.mp4"_s, u"poster.jpg"_s}));

        // One AV1 run with the approximate size; a frame below SVT-AV1's smallest is said at once.
        qunsetenv(MediaTools::resourcesVariable);
        for (const FrameSize size : {FrameSize{160, 120}, FrameSize{48, 36}}) {
            request = requestFor(request.sourcePath, request.folder, 50);
            request.av1Version = request.approximateSize = true;
            request.frameSize = size;
            outcome = runToEnd(*std::make_unique<ExportJob>(request), 60'000);
            QVERIFY(outcome && outcome->succeeded() && (outcome->av1Bytes > 0) == (size.width == 160));
            QVERIFY(size.width == 160 ? outcome->av1Problem.isEmpty() : outcome->av1Problem.contains(u"smaller than 64 x 64"_s));
        }

        // Cancelled in the AV1 run: nothing left.
        request = requestFor(request.sourcePath, request.folder, 50);
        request.av1Version = request.approximateSize = true;
        ExportJob cancelled(request);
        connect(&cancelled, &ExportJob::progressChanged, this, [&](double, const QString &run) {
            if (run.startsWith(u"AV1"_s))
                cancelled.cancel();
        });
        outcome = runToEnd(cancelled, 120'000);
        QVERIFY(outcome && outcome->result == ExportOutcome::Result::Cancelled);
        QVERIFY(!QFileInfo::exists(request.folder) && childProcesses().isEmpty());
    }

    void failureReasons()
    {
        // Known before anything is written: a source gone since it was opened, a read-only
        // folder, a disk with less room than the target; the folder given goes again.
        const QString copy = m_out.filePath(u"gone.mp4"_s);
        QVERIFY(QFile::copy(mediaPath(u"noisy.mp4"_s), copy));
        ExportRequest request = requestFor(copy, m_out.filePath(u"gone"_s));
        QVERIFY(QFile::remove(copy));
        std::optional<ExportOutcome> outcome = runToEnd(*std::make_unique<ExportJob>(request));
        QVERIFY(outcome && outcome->reason.contains(u"is no longer there"_s) && !QFileInfo::exists(request.folder));

        SmallDisk disk(4'000'000);
        if (!disk.mounted)
            QSKIP("No file system can be mounted here (needs root in a mount namespace that allows it)");
        request = requestFor(mediaPath(u"noisy.mp4"_s), disk.place.filePath(u"out"_s));
        request.targetBytes = 3'000'000;
        outcome = runToEnd(*std::make_unique<ExportJob>(request));
        QVERIFY2(outcome && outcome->reason.contains(u"has 4.0 MB free, and this export needs about 4.2 MB"_s), qPrintable(outcome->reason));
        QVERIFY(!QFileInfo::exists(request.folder) && m_diagnostics.filter(u"Encoder arguments"_s).isEmpty());
        // The AV1 version's runs are counted beside the video until one is kept.
        request.targetBytes = 1'000'000;
        request.av1Version = true;
        recreateFolder(request.folder);
        outcome = runToEnd(*std::make_unique<ExportJob>(request));
        QVERIFY2(outcome && outcome->reason.contains(u"this export needs about 5.2 MB"_s), qPrintable(outcome->reason));
        request.av1Version = false;

        // The disk fills up once the export has begun: the reason and what is left incomplete.
        recreateFolder(request.folder);
        ExportJob filling(request);
        bool filled = false;
        connect(&filling, &ExportJob::encoderStarted, this, [&] { filled = filled || disk.fill(20'000); });
        outcome = runToEnd(filling);
        QVERIFY2(filled && outcome && outcome->reason.startsWith(u"The disk is full: "_s) && outcome->reason.contains(u"In the folder"_s),
                 qPrintable(outcome->reason));
        QVERIFY(QFile::remove(disk.place.filePath(u"filler"_s)) && QDir(request.folder).removeRecursively());

        QVERIFY(disk.makeReadOnly());
        outcome = runToEnd(*std::make_unique<ExportJob>(requestFor(mediaPath(u"noisy.mp4"_s), request.folder, 10)));
        QVERIFY2(outcome && outcome->reason.contains(u"Read-only file system"_s), qPrintable(outcome->reason));
    }

    void truncatedSource()
    {
        // A file cut short reads to its break: the export says where, and that the video is short.
        const QString whole = m_out.filePath(u"whole.mp4"_s);
        runEncoder({u"-v"_s, u"error"_s, u"-i"_s, mediaPath(u"long.mp4"_s), u"-c"_s, u"copy"_s, u"-movflags"_s, u"+faststart"_s, whole});
        const QByteArray bytes = bytesOf(whole);
        const QString cut = m_out.filePath(u"cut.mp4"_s);
        QVERIFY(writeFile(cut, bytes.first(bytes.size() / 2)));
        ExportRequest request = requestFor(cut, m_out.filePath(u"cut"_s), 10);
        request.approximateSize = true;
        const std::optional<ExportOutcome> outcome = runToEnd(*std::make_unique<ExportJob>(request));
        QVERIFY(outcome && outcome->result == ExportOutcome::Result::Failed);
        QVERIFY2(outcome->reason.contains(u"“cut.mp4” cannot be read past 0:"_s) && outcome->reason.contains(u"holds only the first"_s),
                 qPrintable(outcome->reason));
    }

    void staleTemporaryFolders()
    {
        // Only this application's, only of runs that are gone, and of unmarked ones only the empty.
        QProcess ended;
        ended.start(u"true"_s);
        QVERIFY(ended.waitForFinished());
        const QDir temporary(QDir::tempPath());
        const QString dead = u"videofold-%1-aB3dEf"_s.arg(ended.processId());
        const QString live = u"videofold-%1-aB3dEf"_s.arg(QCoreApplication::applicationPid());
        for (const QString &name : {dead, live, u"videofold-Q1w2E3"_s, u"videofold-Z9x8C7"_s, u"videofold-notes"_s})
            QVERIFY(temporary.mkdir(name));
        QVERIFY(writeFile(temporary.filePath(dead + u"/analysis.mp4"_s), "x") && writeFile(temporary.filePath(u"videofold-Z9x8C7/kept"_s), "x"));
        QCOMPARE(removeStaleTemporaryFolders(), 2);
        QStringList kept = {u"videofold-Z9x8C7"_s, live, u"videofold-notes"_s};
        kept.sort();
        QCOMPARE(temporary.entryList({u"videofold-*"_s}, QDir::Dirs, QDir::Name), kept);
        for (const QString &name : kept)
            QVERIFY(QDir(temporary.filePath(name)).removeRecursively());
    }

    void faultyEncoders_data()
    {
        QTest::addColumn<QByteArray>("encoder"); // "@real@" is the real one; empty: none at all
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("reason");
        const QByteArray frames = "case \"$*\" in *-frames:v*) exec @real@ \"$@\";; esac\n";
        QTest::newRow("fails in the final pass") << QByteArray("case \"$*\" in *\"-pass 2\"*) echo 'x264 [error]: rate too low' >&2; exit 1;; esac\n"
                                                               "exec @real@ \"$@\"\n")
                                                 << int(ExportOutcome::Result::Succeeded) << QString();
        QTest::newRow("dies") << frames + "echo 'Conversion failed!' >&2\nkill -KILL $$\n" << int(ExportOutcome::Result::Failed)
                              << u"The encoder stopped:\nConversion failed!"_s;
        QTest::newRow("writes nothing") << frames + "exit 0\n" << int(ExportOutcome::Result::Failed) << u"The encoder wrote no video."_s;
        QTest::newRow("a plausible file, then failure") << frames + "for last; do :; done\necho 'time=garbage time=00:00:01.00' >&2\n"
                                                                    "echo 'not a video' > \"$last\"\nexit 1\n"
                                                        << int(ExportOutcome::Result::Failed) << u"time=garbage"_s;
        QTest::newRow("garbage on standard error") << frames + "head -c 100000 /dev/urandom >&2\nexit 0\n"
                                                   << int(ExportOutcome::Result::Failed) << u"The encoder wrote no video."_s;
        QTest::newRow("missing") << QByteArray() << int(ExportOutcome::Result::Failed) << u"was not found"_s;
    }

    void faultyEncoders()
    {
        QFETCH(QByteArray, encoder);
        QFETCH(int, result);
        QFETCH(QString, reason);
        QVERIFY(useEncoder(encoder));
        const QString folder = m_out.filePath(u"faulty"_s);
        ExportJob job(requestFor(mediaPath(u"noisy.mp4"_s), folder, 50));
        const auto expected = ExportOutcome::Result(result);
        const std::optional<ExportOutcome> outcome = runToEnd(job);
        QVERIFY(outcome);
        QCOMPARE(outcome->result, expected);
        QVERIFY2(outcome->reason.contains(reason), qPrintable(outcome->reason));
        if (expected == ExportOutcome::Result::Succeeded) {
            // The single run of old made the video instead.
            QVERIFY(m_diagnostics.filter(u"one run as before"_s).size() == 1);
            QVERIFY(!m_diagnostics.filter(u"Encoder arguments"_s).last().contains(u"-pass"));
        } else {
            QVERIFY(QFileInfo(folder).isDir()); // a failed export's folder stays for the user to see
        }
    }

private:
    QTemporaryDir m_out;
    QStringList m_diagnostics;
    std::unique_ptr<QTemporaryDir> m_tools;

    // The real prober, and an encoder scripted in sh around the real one; none when empty.
    // The real prober, the encoder as script tells (@real@ stands for the real one), and the
    // web player's files unless told otherwise.
    bool useEncoder(const QByteArray &script, bool webPlayer = true)
    {
        qunsetenv(MediaTools::resourcesVariable); // the real tools, not the last script
        m_tools = std::make_unique<QTemporaryDir>();
        if (!makeToolFolder(m_tools->path(), script, webPlayer))
            return false;
        qputenv(MediaTools::resourcesVariable, QFile::encodeName(m_tools->path()));
        return true;
    }
};

QTEST_GUILESS_MAIN(TestExportJob)
#include "tst_exportjob.moc"
