#include "apptesting.h"
#include "app/userdefaults.h"

#include <QApplication>
#include <QFile>
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
};

// Loads the folder's page in headless Chromium; exit code 0 when the video plays at width.
PlayCheck playCheck(const QString &folder, int width)
{
    QProcess check;
    check.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    check.start(QStringLiteral(VIDEOFOLD_PYTHON),
                {QStringLiteral(VIDEOFOLD_PLAYCHECK), QStandardPaths::findExecutable(u"chromium"_s), folder,
                 QString::number(width)});
    if (!check.waitForFinished(90'000))
        check.kill();
    return {check.exitCode(), check.readAllStandardOutput()};
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
};

void TestBrowser::exportedPagePlays()
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
    QTemporaryDir out;
    const QString folder = out.filePath(u"HTML5Video"_s);
    QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
    delegate.prepareOutputFolder(folder);
    QVERIFY(finished.wait(60'000));
    QVERIFY(finished.first().first().toBool());

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
