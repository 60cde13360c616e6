// Exported pages in a real browser: headless Chromium, driven by browser/playcheck.py.
#include "apptesting.h"
#include "app/userdefaults.h"

#include <QDesktopServices>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
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
