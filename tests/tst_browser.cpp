// Exported pages in a real browser: headless Chromium, driven by browser/playcheck.py.
#include "apptesting.h"
#include "app/userdefaults.h"

#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMessageBox>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

namespace {

struct PlayCheck
{
    int exitCode = -1;
    QByteArray findings; // as JSON
};

// Loads the folder's page over 127.0.0.1; exit code 0 when the video plays at width.
PlayCheck playCheck(const QString &folder, int width, const QStringList &options = {})
{
    QProcess check;
    check.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    check.start(QStringLiteral(VIDEOFOLD_PYTHON), QStringList{QStringLiteral(VIDEOFOLD_PLAYCHECK),
                QStandardPaths::findExecutable(u"chromium"_s), folder, QString::number(width)} + options);
    if (!check.waitForFinished(90'000))
        check.kill();
    return {check.exitCode(), check.readAllStandardOutput()};
}

// Watches the page at url as a visitor on a link would (browser/watchlink.py); the findings, or nothing.
std::optional<QJsonObject> watchLink(const QString &url, const QStringList &options)
{
    QProcess watch;
    watch.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    watch.start(QStringLiteral(VIDEOFOLD_PYTHON), QStringList{QStringLiteral(VIDEOFOLD_WATCHLINK),
                QStandardPaths::findExecutable(u"chromium"_s), url} + options);
    if (!watch.waitForFinished(120'000)) {
        watch.kill();
        return std::nullopt;
    }
    const QJsonDocument findings = QJsonDocument::fromJson(watch.readAllStandardOutput());
    if (!findings.isObject())
        return std::nullopt;
    return findings.object();
}

// Uses the player of the page at url as a visitor would (browser/playercheck.py); the findings, or nothing.
std::optional<QJsonObject> usePlayer(const QString &url)
{
    QProcess use;
    use.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    use.start(QStringLiteral(VIDEOFOLD_PYTHON), QStringList{QStringLiteral(VIDEOFOLD_PLAYERCHECK),
              QStandardPaths::findExecutable(u"chromium"_s), url});
    if (!use.waitForFinished(90'000)) {
        use.kill();
        return std::nullopt;
    }
    const QJsonDocument findings = QJsonDocument::fromJson(use.readAllStandardOutput());
    if (!findings.isObject())
        return std::nullopt;
    return findings.object(); // with "failure" when the browser could not be driven
}

// The address "Open in Browser" of the alert after an export opens.
QString openedInBrowser(AppDelegate &delegate)
{
    UrlRecorder opened;
    QDesktopServices::setUrlHandler(u"http"_s, &opened, "open");
    const bool clicked = clickButton(takeAlert(delegate), u"Open in Browser"_s);
    QDesktopServices::unsetUrlHandler(u"http"_s);
    return clicked && opened.urls.size() == 1 ? opened.urls.first().toString() : QString();
}

// The files of the requests in findings made from first (seconds after play) until before.
QStringList filesRequested(const QJsonObject &findings, double first, double before)
{
    QStringList files;
    for (const QJsonValue &request : findings[u"requests"].toArray()) {
        const double at = request[u"at"].toDouble();
        if (at >= first && at < before)
            files << request[u"file"].toString();
    }
    return files;
}

// Exports the file through the window into a new folder of out; empty when it failed.
QString exported(const QString &source, const QTemporaryDir &out, const QString &name)
{
    LaunchedDelegate delegate;
    if (!openAndWait(delegate, mediaPath(source)))
        return {};
    const QString folder = out.filePath(name);
    return exportAndWait(delegate, folder) == std::optional(true) ? folder : QString();
}

} // namespace

class TestBrowser : public QObject
{
    Q_OBJECT

public:
    static void initMain() { usePrivateSettingsStore(); }

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(u"chromium"_s).isEmpty())
            QSKIP("Chromium is not installed");
    }

    void startsByItself()
    {
        // The browser's own autoplay policy: Autoplay in Preferences brings Muted with it.
        UserDefaults defaults;
        defaults.setValue(PreferenceKeys::autoplay, true);
        defaults.setValue(PreferenceKeys::muted, true);
        QTemporaryDir out;
        const QString folder = exported(u"h264-aac.mp4"_s, out, u"autoplay"_s);
        defaults.setValue(PreferenceKeys::autoplay, QVariant());
        defaults.setValue(PreferenceKeys::muted, QVariant());
        QVERIFY(!folder.isEmpty());
        const PlayCheck check = playCheck(folder, 320, {u"--by-itself"_s});
        QVERIFY2(check.exitCode == 0, check.findings.constData());

        // Negative controls: the same check fails for what a browser cannot show.
        for (const QString &video : {u"noise"_s, u"mpeg4-part2.mp4"_s}) {
            const QString copy = out.filePath(video);
            QDir().mkpath(copy);
            for (const QString &name : {u"html5Video.html"_s, u"poster.jpg"_s})
                QFile::copy(folder + u'/' + name, copy + u'/' + name);
            const QString target = copy + u"/html5video.mp4"_s;
            QVERIFY(video == u"noise" ? writeFile(target, QByteArray(200'000, '\x5a')) : QFile::copy(mediaPath(video), target));
            const PlayCheck failed = playCheck(copy, 320);
            QVERIFY2(failed.exitCode == 1, failed.findings.constData());
        }
    }

    void captionsLoad()
    {
        // "Open in Browser" serves the folder over 127.0.0.1, as a web site would: the captions load,
        // which browsers do not do for a page opened from disk.
        LaunchedDelegate delegate;
        QVERIFY(openAndWait(delegate, mediaPath(u"captions.mkv"_s)));
        QTemporaryDir out;
        const QString folder = out.filePath(u"captioned"_s);
        QCOMPARE(exportAndWait(delegate, folder), std::optional(true));
        QCOMPARE(QDir(folder).entryList(QDir::Files), (QStringList{u"captions.de.vtt"_s, u"captions.en.vtt"_s,
                                                                 u"html5Video.html"_s, u"html5video.mp4"_s, u"poster.jpg"_s}));
        UrlRecorder opened;
        QDesktopServices::setUrlHandler(u"http"_s, &opened, "open");
        QVERIFY(clickButton(takeAlert(delegate), u"Open in Browser"_s));
        QDesktopServices::unsetUrlHandler(u"http"_s);
        QVERIFY(opened.urls.size() == 1 && opened.urls.first().host() == u"127.0.0.1");
        const PlayCheck check = playCheck(opened.urls.first().toString(), 320);
        QVERIFY2(check.exitCode == 0, check.findings.constData());
        const QJsonArray tracks = QJsonDocument::fromJson(check.findings).object()[u"tracks"].toArray();
        QCOMPARE(tracks.size(), 2);
        for (const QJsonValue &track : tracks)
            QVERIFY2(track[u"texts"].toArray() == (QJsonArray{u"Hello"_s, u"Bonjour --> salut"_s}), check.findings.constData()); // an arrow in a cue's text shown as written
        QCOMPARE(tracks[0][u"srclang"].toString(), u"en"_s);
        QVERIFY(tracks[0][u"isDefault"].toBool());
    }

    void prefersAv1()
    {
        // With the AV1 version on and sharper (the cells at half their size), Chromium takes the page's first source and plays it.
        UserDefaults defaults;
        defaults.setValue(PreferenceKeys::av1Version, true);
        LaunchedDelegate delegate;
        QVERIFY(QTest::qWaitFor([&] { return delegate.av1Unavailable().isEmpty(); }, 10'000));
        QVERIFY(openAndWait(delegate, mediaPath(u"cells.mp4"_s)));
        child<QSlider>(delegate, "outputFileSizeSlider")->setValue(50); // at 100 % both are all but the source
        QTemporaryDir out;
        const QString folder = out.filePath(u"av1"_s);
        QCOMPARE(exportAndWait(delegate, folder, 120'000), std::optional(true));
        defaults.setValue(PreferenceKeys::av1Version, QVariant());
        const PlayCheck check = playCheck(folder, 320);
        const QString chosen = QJsonDocument::fromJson(check.findings).object()[u"currentSrc"].toString();
        QVERIFY2(check.exitCode == 0 && chosen.endsWith(u"/html5video-av1.mp4"_s), check.findings.constData());
    }

    void playsAdaptively()
    {
        // Several qualities, as the window makes them.
        UserDefaults defaults;
        defaults.setValue(PreferenceKeys::adaptive, true);
        defaults.setValue(PreferenceKeys::approximateSize, true);
        LaunchedDelegate delegate;
        QVERIFY(openAndWait(delegate, mediaPath(u"ladder.mp4"_s)));
        QTemporaryDir out;
        const QString folder = out.filePath(u"adaptive"_s);
        const std::optional<bool> exported = exportAndWait(delegate, folder, 120'000);
        defaults.setValue(PreferenceKeys::adaptive, QVariant());
        defaults.setValue(PreferenceKeys::approximateSize, QVariant());
        QCOMPARE(exported, std::optional(true));
        QMessageBox *alert = takeAlert(delegate);
        QVERIFY2(alert->informativeText().contains(u"4 qualities for slow connections"_s), qPrintable(alert->informativeText()));
        UrlRecorder opened;
        QDesktopServices::setUrlHandler(u"http"_s, &opened, "open");
        QVERIFY(clickButton(alert, u"Open in Browser"_s));
        QDesktopServices::unsetUrlHandler(u"http"_s);
        QCOMPARE(opened.urls.size(), 1);
        const QString url = opened.urls.first().toString();

        // Over a link a little faster than the lowest quality needs, the library plays from it, the MP4 untouched;
        // once the link is fast it climbs.
        const QByteArray master = bytesOf(folder + u"/hls/master.m3u8"_s);
        const double lowest = master.mid(master.indexOf("BANDWIDTH=") + 10).split(',').first().toDouble();
        QStringList qualities; // the files, lowest first, the top one the MP4
        for (const QByteArray &line : master.split('\n')) {
            if (line.endsWith(".m3u8"))
                qualities << u"hls/"_s + QString::fromUtf8(line).replace(u".m3u8"_s, u".mp4"_s);
        }
        QCOMPARE(qualities.size(), 4);
        qualities.last() = u"html5video.mp4"_s;
        const std::optional<QJsonObject> slow = watchLink(url, {u"--link"_s, u"%1,50"_s.arg(std::round(1.4 * lowest / 1000)),
                                                                u"--watch"_s, u"14"_s, u"--lift-after"_s, u"6"_s});
        QVERIFY(slow);
        const QByteArray seen = QJsonDocument(*slow).toJson(QJsonDocument::Compact);
        QVERIFY2((*slow)[u"currentSrc"].toString().startsWith(u"blob:"_s), seen.constData());
        const double lifted = (*slow)[u"firstFrameSeconds"].toDouble() + 6;
        const QStringList before = filesRequested(*slow, 0, lifted);
        const QStringList after = filesRequested(*slow, lifted, 1e9);
        auto highest = [&qualities](const QStringList &files) {
            qsizetype found = -1;
            for (const QString &file : files)
                found = std::max(found, qualities.indexOf(file));
            return found;
        };
        QVERIFY2(before.contains(qualities.first()) && highest(before) <= 0, seen.constData());
        QVERIFY2(highest(after) > 0, seen.constData());

        // With JavaScript off the MP4 plays as it would on the plain page.
        const std::optional<QJsonObject> plain = watchLink(url, {u"--javascript-off"_s, u"--watch"_s, u"2"_s});
        QVERIFY(plain);
        QVERIFY2((*plain)[u"currentSrc"].toString().endsWith(u"/html5video.mp4"_s) && (*plain)[u"playedSeconds"].toDouble() >= 1.5,
                 QJsonDocument(*plain).toJson(QJsonDocument::Compact).constData());
    }

    void playerAnswersAVisitor()
    {
        // The page's own player, over the application's preview (whose byte ranges let a browser seek), as a
        // visitor uses it: the source's chapters on the seek bar, where it would land in its thumbnails, the
        // keyboard, the menu of chapters, the desktop's media controls.
        LaunchedDelegate delegate;
        delegate.userDefaults().setValue(PreferenceKeys::controls, true); // as a first launch sets it
        QVERIFY(openAndWait(delegate, mediaPath(u"ramp.mkv"_s)));
        QTemporaryDir out;
        const QString folder = out.filePath(u"player"_s);
        QCOMPARE(exportAndWait(delegate, folder, 60'000), std::optional(true));
        const QString url = openedInBrowser(delegate);
        QVERIFY(!url.isEmpty());
        const std::optional<QJsonObject> used = usePlayer(url);
        QVERIFY(used);
        const QByteArray seen = QJsonDocument(*used).toJson(QJsonDocument::Compact);
        // The player loads as the visitor comes (here the keyboard's focus), not with the page.
        QVERIFY2(!(*used)[u"enhancedBeforeUse"].toBool() && (*used)[u"enhanced"].toBool(), seen.constData());
        QCOMPARE((*used)[u"chapters"].toArray(), (QJsonArray{QJsonArray{u"Dark"_s, 0}, QJsonArray{u"Chapter 2"_s, 4},
                                                             QJsonArray{u"Light & bright"_s, 8}}));
        // Tab reaches the play button over the poster, and the player takes its place; Space plays,
        // the right arrow seeks 10 s on, Space pauses.
        const QJsonArray keyboard = (*used)[u"keyboard"].toArray();
        QVERIFY2(keyboard.size() == 4 && keyboard[0][u"focused"].toString().startsWith(u"media-"_s), seen.constData());
        QVERIFY2(!keyboard[1][u"paused"].toBool() && keyboard[1][u"time"].toDouble() > 0.2, seen.constData());
        QVERIFY2(keyboard[2][u"time"].toDouble() >= keyboard[1][u"time"].toDouble() + 9.5, seen.constData());
        QVERIFY2(keyboard[3][u"paused"].toBool(), seen.constData());
        QCOMPARE((*used)[u"chapterMenu"].toDouble(), 4.0);
        // At three quarters of the seek bar: 9 s, in the last chapter, its tile of the sprite.
        const QJsonObject preview = (*used)[u"preview"].toObject();
        QVERIFY2(std::abs(preview[u"time"].toDouble() - 9) < 1 && preview[u"chapter"] == u"Light & bright"_s
                     && preview[u"image"].toString().contains(u"/thumbnails-1.jpg#xywh="_s),
                 seen.constData());
        const QJsonObject session = (*used)[u"session"].toObject();
        QVERIFY2(session[u"title"] == u"ramp"_s && session[u"playbackState"] == u"paused"_s
                     && session[u"artwork"].toArray().first().toString().endsWith(u"/poster.jpg"_s),
                 seen.constData());
        QVERIFY2((*used)[u"labels"].toArray().contains(u"Chapters"_s), seen.constData());

        // The player's words in the page's language.
        const QString page = folder + u"/html5Video.html"_s;
        QVERIFY(writeFile(page, bytesOf(page).replace("<html lang=\"en\">", "<html lang=\"de\">")));
        const std::optional<QJsonObject> german = usePlayer(url);
        QVERIFY(german);
        const QJsonArray labels = (*german)[u"labels"].toArray();
        QVERIFY2(labels.contains(u"Kapitel"_s) && labels.contains(u"abspielen"_s),
                 QJsonDocument(labels).toJson(QJsonDocument::Compact).constData());

        // A player that does not load (a folder copied in part): the browser's own controls come back.
        QVERIFY(QFile::rename(folder + u"/player/player.js"_s, folder + u"/player/elsewhere.js"_s));
        const std::optional<QJsonObject> broken = usePlayer(url);
        QVERIFY(broken);
        QVERIFY2(!(*broken)[u"enhanced"].toBool() && (*broken)[u"controls"].toBool(),
                 QJsonDocument(*broken).toJson(QJsonDocument::Compact).constData());

        // With JavaScript off the browser's own controls play it.
        const std::optional<QJsonObject> plain = watchLink(url, {u"--javascript-off"_s, u"--watch"_s, u"2"_s});
        QVERIFY(plain);
        QVERIFY2((*plain)[u"playedSeconds"].toDouble() >= 1.5, QJsonDocument(*plain).toJson(QJsonDocument::Compact).constData());
    }

    void fitsAPhone()
    {
        QTemporaryDir out;
        const QString folder = exported(u"wide.mp4"_s, out, u"wide"_s);
        QVERIFY(!folder.isEmpty());
        const PlayCheck check = playCheck(folder, 1280, {u"--phone"_s});
        QVERIFY2(check.exitCode == 0, check.findings.constData());
        const QJsonObject findings = QJsonDocument::fromJson(check.findings).object();
        QCOMPARE(findings[u"innerWidth"].toInt(), 375);
        QCOMPARE_LE(findings[u"scrollWidth"].toInt(), 375);
        QCOMPARE_LE(findings[u"videoBoxWidth"].toDouble(), 375.0);
    }
};

QTEST_MAIN(TestBrowser)

#include "tst_browser.moc"
