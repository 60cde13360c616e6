// Bad inputs, one family per table: each tried through the controller, with
// the visible outcome checked and nothing lost.
#include "apptesting.h"
#include "app/userdefaults.h"
#include "tools/mediatools.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QFile>
#include <QSettings>
#include <QSlider>
#include <QTemporaryDir>

#include <csignal>

using namespace Qt::StringLiterals;

namespace {

const QString unsupported = u"Seems to be an unsupported file. Does the video play in VLC Player?"_s;

QByteArray checksum(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// The process's child processes, from every thread's list.
QStringList childProcesses()
{
    QStringList children;
    QDir tasks(u"/proc/self/task"_s);
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        children << QString::fromLatin1(bytesOf(tasks.filePath(task + u"/children"_s))).split(u' ', Qt::SkipEmptyParts);
    return children;
}

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

public:
    static void initMain() { usePrivateSettingsStore(); }

private Q_SLOTS:
    void inputs_data();
    void inputs();
    void settings_data();
    void settings();
    void encoderFaults_data();
    void encoderFaults();
    void savesInARow();

private:
    QTemporaryDir m_folder;
};

void TestCatalogue::inputs_data()
{
    QTest::addColumn<QString>("name");     // the file's name in a private folder
    QTest::addColumn<QByteArray>("bytes"); // its contents; "@name" copies a test medium
    QTest::addColumn<QString>("alert");    // empty: accepted

    const QByteArray video = "@h264-aac.mp4";
    const QByteArray whole = bytesOf(mediaPath(u"h264-aac.mp4"_s));
    QTest::newRow("zero bytes") << u"empty.mp4"_s << QByteArray() << unsupported;
    QTest::newRow("random bytes") << u"noise.mp4"_s << QByteArray(100'000, '\x37') << unsupported;
    QTest::newRow("truncated") << u"truncated.mp4"_s << whole.first(whole.size() / 2) << unsupported;
    QTest::newRow("audio only") << u"audio.m4a"_s << QByteArray("@audio-only.m4a") << unsupported;
    QTest::newRow("still PNG") << u"still.png"_s << QByteArray("@cover.png") << unsupported;
    QTest::newRow("still JPEG") << u"still.jpg"_s << QByteArray("@still.jpg") << unsupported;
    QTest::newRow("text") << u"notes.txt"_s << QByteArray("Just notes.\n") << unsupported;
    QTest::newRow("vob") << u"DVD.VOB"_s << video << u"App does not support opening of '.vob' files"_s;
    QTest::newRow("hevc") << u"clip.hevc"_s << video << u"App does not support opening of '.hevc' files for now."_s;
    QTest::newRow("raw stream") << u"raw.h264"_s << QByteArray("@raw.h264") << QString();
    QTest::newRow("spaces and quotes") << u"my \"best\" 'clip'.mp4"_s << video << QString();
    QTest::newRow("markup and ampersand") << u"<b>Tom & Jerry<b>.mp4"_s << video << QString();
    QTest::newRow("newline") << u"two\nlines.mp4"_s << video << QString();
    QTest::newRow("leading dash") << u"-y.mp4"_s << video << QString();
    QTest::newRow("non-ASCII") << u"Ünïcødé – 日本語.mp4"_s << video << QString();
    QTest::newRow("percent and hash") << u"100% #1.mp4"_s << video << QString();
}

void TestCatalogue::inputs()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, alert);

    const QString path = m_folder.filePath(name);
    if (bytes.startsWith('@')) {
        QVERIFY(QFile::copy(mediaPath(QString::fromUtf8(bytes.mid(1))), path));
    } else {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const QByteArray before = checksum(path);

    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QVERIFY(openAndWait(delegate, path));
    QMessageBox *shown = takeAlert(delegate);
    QCOMPARE(shown ? shown->text() : QString(), alert);
    QCOMPARE(delegate.globalFP != nullptr, alert.isEmpty());
    if (alert.isEmpty())
        QVERIFY(delegate.saveToolBarBTN->isEnabled());
    QVERIFY(!delegate.progressWindow->isVisible());

    QCOMPARE(checksum(path), before);
    QVERIFY(QTest::qWaitFor([] { return childProcesses().isEmpty(); }, 5'000));
    if (shown)
        shown->close();
}

void TestCatalogue::settings_data()
{
    QTest::addColumn<QByteArray>("file"); // the settings file as found at launch
    QTest::addColumn<qint64>("launchCount");

    const QByteArray version = "installedVersion=" + QByteArray(VIDEOFOLD_VERSION) + "\n";
    QTest::newRow("count as text") << "[General]\nlaunchCount=many\n" + version << qint64(1);
    QTest::newRow("negative count") << "[General]\nlaunchCount=-5\n" + version << qint64(-4);
    QTest::newRow("huge count") << "[General]\nlaunchCount=99999999999999999999999\n" + version << qint64(1);
    static const char corrupt[] = "\x00\xff[[[=\n\x01garbage";
    QTest::newRow("corrupt file") << QByteArray(corrupt, sizeof corrupt - 1) << qint64(1);
    QTest::newRow("wrong types") << "[General]\nlaunchCount=@Variant(\\0\\0\\0\\x7f)\ncontrolsParam=maybe\n" + version
                                 << qint64(1);
}

void TestCatalogue::settings()
{
    QFETCH(QByteArray, file);
    QFETCH(qint64, launchCount);

    QCoreApplication::setApplicationVersion(QStringLiteral(VIDEOFOLD_VERSION));
    const QString path = QSettings(QSettings::NativeFormat, QSettings::UserScope, u"Videofold"_s, u"Videofold"_s).fileName();
    QDir().mkpath(QFileInfo(path).path());
    QFile settings(path);
    QVERIFY(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
    settings.write(file);
    settings.close();

    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QCOMPARE(delegate.userDefaults->integer(u"launchCount"_s), launchCount);
    QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
    QVERIFY(delegate.globalFP);
}

void TestCatalogue::encoderFaults_data()
{
    QTest::addColumn<QByteArray>("creator"); // a scripted encoder; empty: the real one, killed mid-way
    QTest::addColumn<QString>("alert");

    const QString failure = u"Oops! Something went wrong!"_s;
    QTest::newRow("killed from outside") << QByteArray() << failure;
    // Copies the source (argument 2, after "-i") to the output without a word of progress.
    QTest::newRow("no progress at all")
        << QByteArray("#!/bin/sh\nfor last; do :; done\ncp \"$2\" \"$last\"\n") << u"HTML5 Video created Successfully!"_s;
    QTest::newRow("exits at once") << QByteArray("#!/bin/sh\nexit 0\n") << failure;
    QTest::newRow("garbage on standard error")
        << QByteArray("#!/bin/sh\nhead -c 100000 /dev/urandom >&2\nexit 0\n") << failure;
}

void TestCatalogue::encoderFaults()
{
    QFETCH(QByteArray, creator);
    QFETCH(QString, alert);

    QTemporaryDir tools;
    QVERIFY(QFile::link(*MediaTools::resourcePath(MediaTools::proberName), tools.filePath(u"sniffer"_s)));
    if (creator.isEmpty()) {
        QVERIFY(QFile::link(*MediaTools::resourcePath(MediaTools::encoderName), tools.filePath(u"creator"_s)));
    } else {
        QFile script(tools.filePath(u"creator"_s));
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(creator);
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QString source = mediaPath(creator.isEmpty() ? u"long.mp4"_s : u"h264-aac.mp4"_s);
    const QByteArray before = checksum(source);

    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QVERIFY(openAndWait(delegate, source));
    qputenv("VIDEOFOLD_RESOURCES", QFile::encodeName(tools.path()));
    const QString folder = m_folder.filePath(u"out-"_s + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'));
    QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
    delegate.prepareOutputFolder(folder);
    if (creator.isEmpty()) {
        QVERIFY(QTest::qWaitFor([&] { return delegate.globalProcess->state() == QProcess::Running; }, 10'000));
        QTest::qWait(300);
        ::kill(pid_t(delegate.globalProcess->processId()), SIGTERM);
    }
    QVERIFY(finished.wait(60'000));
    qunsetenv("VIDEOFOLD_RESOURCES");
    QMessageBox *shown = takeAlert(delegate);
    QVERIFY(shown);
    QCOMPARE(shown->text(), alert);
    QVERIFY(QFileInfo(folder).isDir()); // a failed export's folder stays for the user to see
    QCOMPARE(checksum(source), before);
    QVERIFY(QTest::qWaitFor([] { return childProcesses().isEmpty(); }, 5'000));
    shown->close();
}

void TestCatalogue::savesInARow()
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
    QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
    for (const QString &name : {u"first"_s, u"second"_s}) {
        delegate.prepareOutputFolder(m_folder.filePath(name));
        QVERIFY(finished.wait(60'000));
        QCOMPARE(finished.last().first().toBool(), true);
        if (QMessageBox *shown = takeAlert(delegate))
            shown->close();
        // A cancel after the encoder ended changes nothing, not even the next save.
        delegate.closeBTNInsideProgressWindowClicked();
        QVERIFY(QFileInfo(m_folder.filePath(name) + u"/html5video.mp4"_s).size() > 0);
    }
}

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
