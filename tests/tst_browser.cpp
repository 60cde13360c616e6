#include "apptesting.h"
#include "app/userdefaults.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

struct PlayCheck
{
    int exitCode = -1;
    QByteArray findings;
    [[nodiscard]] QJsonObject json() const { return QJsonDocument::fromJson(findings).object(); }
};

// Loads the folder's page in headless Chromium; exit code 0 when the video plays at width.
PlayCheck playCheck(const QString &folder, int width, const QStringList &options = {})
{
    QProcess check;
    check.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    check.start(QStringLiteral(VIDEOFOLD_PYTHON),
                QStringList{QStringLiteral(VIDEOFOLD_PLAYCHECK), QStandardPaths::findExecutable(u"chromium"_s), folder,
                            QString::number(width)}
                    + options);
    if (!check.waitForFinished(90'000))
        check.kill();
    return {check.exitCode(), check.readAllStandardOutput()};
}

// Exports the file through the controller into a new folder of out; empty when it failed.
QString exported(const QString &source, const QTemporaryDir &out, const QString &name)
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    if (!openAndWait(delegate, mediaPath(source)))
        return {};
    const QString folder = out.filePath(name);
    const std::optional<bool> success = exportAndWait(delegate, folder);
    answerAlert(delegate);
    return success == std::optional(true) ? folder : QString();
}

void copyFolder(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    for (const QString &name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + u'/' + name, to + u'/' + name);
}

void replaceFile(const QString &path, const QByteArray &contents)
{
    QFile::remove(path);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(contents);
}

} // namespace

// An exported page, opened in a real browser, plays its video.
class TestBrowser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportedPagePlays();
    void captionsLoad();
    void fitsAPhone();
    void startsByItself();
};

void TestBrowser::exportedPagePlays()
{
    QTemporaryDir out;
    const QString folder = exported(u"h264-aac.mp4"_s, out, u"HTML5Video"_s);
    QVERIFY(!folder.isEmpty());

    const PlayCheck good = playCheck(folder, 320);
    QVERIFY2(good.exitCode == 0, good.findings.constData());

    // Negative controls: the same check must fail for what a browser cannot show.
    const QString noise = out.filePath(u"noise"_s);
    copyFolder(folder, noise);
    replaceFile(noise + u"/html5video.mp4"_s, QByteArray(200'000, '\x5a'));
    const PlayCheck noisy = playCheck(noise, 320);
    QVERIFY2(noisy.exitCode == 1, noisy.findings.constData());

    const QString part2 = out.filePath(u"part2"_s);
    copyFolder(folder, part2);
    QFile::remove(part2 + u"/html5video.mp4"_s);
    QVERIFY(QFile::copy(mediaPath(u"mpeg4-part2.mp4"_s), part2 + u"/html5video.mp4"_s));
    const PlayCheck undecodable = playCheck(part2, 320);
    QVERIFY2(undecodable.exitCode == 1, undecodable.findings.constData());
}

void TestBrowser::captionsLoad()
{
    // Served over 127.0.0.1, as a web site would: browsers load no tracks for a file:// page.
    QTemporaryDir out;
    const QString folder = exported(u"captions.mkv"_s, out, u"captioned"_s);
    QVERIFY(!folder.isEmpty());
    const PlayCheck check = playCheck(folder, 320);
    QVERIFY2(check.exitCode == 0, check.findings.constData());
    const QJsonArray tracks = check.json()[u"tracks"].toArray();
    QCOMPARE(tracks.size(), 2);
    for (const QJsonValue &track : tracks)
        QVERIFY2(track[u"cues"].toInt() >= 1, check.findings.constData());
    QCOMPARE(tracks[0][u"srclang"].toString(), u"en"_s);
    QVERIFY(tracks[0][u"isDefault"].toBool());
}

void TestBrowser::fitsAPhone()
{
    QTemporaryDir out;
    const QString folder = exported(u"wide.mp4"_s, out, u"wide"_s);
    QVERIFY(!folder.isEmpty());
    const PlayCheck check = playCheck(folder, 1280, {u"--phone"_s});
    QVERIFY2(check.exitCode == 0, check.findings.constData());
    const QJsonObject findings = check.json();
    QCOMPARE(findings[u"innerWidth"].toInt(), 375);
    QCOMPARE_LE(findings[u"scrollWidth"].toInt(), 375);
    QCOMPARE_LE(findings[u"videoBoxWidth"].toDouble(), 375.0);
}

void TestBrowser::startsByItself()
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
}

int main(int argc, char *argv[])
{
    if (QStandardPaths::findExecutable(QStringLiteral("chromium")).isEmpty()) {
        std::puts("chromium is not installed: skipped");
        return 77;
    }
    usePrivateSettingsStore();
    QApplication application(argc, argv);
    TestBrowser test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_browser.moc"
