// Bad inputs, one family per table: each tried through the window, with
// the visible outcome checked and nothing lost: after every case the test
// media are as they were and no child process is left. As root it runs
// without the permission overrides (see without-overrides.sh).
#include "apptesting.h"
#include "app/dropviews.h"
#include "app/userdefaults.h"
#include "common/unixsignals.h"
#include "export/posterframe.h"
#include "probe/proberrun.h"
#include "tools/mediatools.h"

#include <QDockWidget>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QTreeView>

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString unsupported = u"Seems to be an unsupported file. Does the video play in VLC Player?"_s;
const QString failure = u"Oops! Something went wrong!"_s;
const QString success = u"HTML5 Video created Successfully!"_s;

// Each file of a folder by name, with its bytes.
QMap<QString, QByteArray> contents(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        files.insert(name, bytesOf(folder + u'/' + name));
    return files;
}

qsizetype entryCount(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size();
}

bool runsCleanly(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    return process.waitForFinished(30'000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Contents that stand for no ordinary file: the row makes a folder there, leaves
// nothing there (the file went between choosing and opening), or puts a video
// there and takes away the permission to read it.
const QByteArray asFolder = "<folder>";
const QByteArray vanished = "<vanished>";
const QByteArray unreadable = "<unreadable>";

// Tools for a row: empty, the real tool; "<none>", none; "<fake>", the canned-answer
// prober; otherwise a script, with "@real@" for the real tool's path.
const QByteArray realTool;
const QByteArray noTool = "<none>";
const QByteArray fakeProber = "<fake>";

} // namespace

class TestCatalogue : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        usePrivateSettingsStore();
        usePrivateTemporaryDirectory();
    }

private Q_SLOTS:
    void initTestCase() { m_media = contents(mediaPath(QString())); }

    void cleanup()
    {
        qunsetenv(MediaTools::resourcesVariable);
        m_tools.reset();
        QCOMPARE(contents(mediaPath(QString())), m_media);
        // Children end a moment after the outcome shows; none may stay.
        QVERIFY(QTest::qWaitFor([] { return childProcesses().isEmpty(); }, 5'000));
    }

    void inputs_data()
    {
        QTest::addColumn<QString>("name");     // the file's name in a private folder
        QTest::addColumn<QByteArray>("bytes"); // its contents; "@name" copies a test medium
        QTest::addColumn<QString>("alert");    // empty: accepted
        QTest::addColumn<QString>("details");  // what "Show Details..." says, in part

        const QByteArray video = "@h264-aac.mp4";
        const QByteArray whole = bytesOf(mediaPath(u"h264-aac.mp4"_s));
        QTest::newRow("zero bytes") << u"empty.mp4"_s << QByteArray() << unsupported << u"The file is empty (0 bytes)."_s;
        QTest::newRow("random bytes") << u"noise.mp4"_s << QByteArray(100'000, '\x37') << unsupported << u"Its first bytes: 37 37 37"_s;
        QTest::newRow("truncated") << u"truncated.mp4"_s << whole.first(whole.size() / 2) << unsupported << u"It cannot be read as a video: "_s;
        QTest::newRow("audio only") << u"audio.m4a"_s << QByteArray("@audio-only.m4a") << unsupported << u"It holds no video track"_s;
        // A still is a picture by its codec (JPEG, PNG) or by its image container (BMP, WebP, TIFF ...).
        QTest::newRow("still JPEG") << u"still.jpg"_s << QByteArray("@still.jpg") << unsupported << u"It holds no video track"_s;
        QTest::newRow("still BMP") << u"still.bmp"_s << QByteArray("@still.bmp") << unsupported << QString();
        QTest::newRow("text") << u"notes.txt"_s << QByteArray("Just notes.\n") << unsupported << u"Its first bytes: 4a 75 73 74 20 6e 6f 74 65 73 2e 0a (“Just notes.·”)."_s;
        QTest::newRow("vob") << u"DVD.VOB"_s << video << u"App does not support opening of '.vob' files"_s << QString();
        QTest::newRow("hevc") << u"clip.hevc"_s << video << u"App does not support opening of '.hevc' files for now."_s << QString();
        QTest::newRow("raw stream") << u"raw.h264"_s << QByteArray("@raw.h264") << QString() << QString();
        // A leading dash, quotes, markup, an ampersand, percent and hash, a newline and non-ASCII, as the tools get them.
        QTest::newRow("a name to quote") << u"-y my \"best\" 'clip' <b>Tom & Jerry<b> 100% #1\nÜnï – 日本語.mp4"_s << video
                                         << QString() << QString();
        QTest::newRow("a folder") << u"folder.mp4"_s << asFolder << unsupported << u"cannot be read"_s;
        QTest::newRow("vanished before opening") << u"gone.mp4"_s << vanished << unsupported << u"The file is no longer there"_s;
        QTest::newRow("no read permission") << u"locked.mp4"_s << unreadable << unsupported << u"The file cannot be read: "_s;
    }

    void inputs()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, alert);
        QFETCH(QString, details);

        const QString path = m_folder.filePath(name);
        if (bytes.startsWith('@') || bytes == unreadable) {
            QVERIFY(QFile::copy(mediaPath(bytes == unreadable ? u"h264-aac.mp4"_s : QString::fromUtf8(bytes.mid(1))), path));
        } else if (bytes == asFolder) {
            QVERIFY(QDir().mkdir(path));
        } else if (bytes != vanished) {
            QVERIFY(writeFile(path, bytes));
        }
        const QByteArray before = bytesOf(path);
        if (bytes == unreadable) {
            QVERIFY(QFile::setPermissions(path, QFile::WriteOwner));
            if (::access(QFile::encodeName(path).constData(), R_OK) == 0)
                QSKIP("This user reads files past their permissions.");
        }

        LaunchedDelegate delegate;
        QVERIFY(openAndWait(delegate, path));
        QMessageBox *refusal = takeAlert(delegate);
        QCOMPARE(refusal ? refusal->text() : QString(), alert);
        if (refusal) {
            QVERIFY2(refusal->detailedText().contains(details), qPrintable(refusal->detailedText()));
            refusal->close();
        }
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        QCOMPARE(delegate.opening().source().probe != nullptr, alert.isEmpty());
        QCOMPARE(child<QAction>(delegate, "saveToolBarBTN")->isEnabled(), alert.isEmpty());
        QVERIFY(!child<QDialog>(delegate, "progressWindow")->isVisible());
        QCOMPARE(bytesOf(path), before);
    }

    void nonUtf8Name()
    {
        // Qt names files in UTF-8 only, so a name with other bytes can come only
        // from a file manager's drop, as percent-encoded bytes it cannot name.
        const QByteArray rawName = QFile::encodeName(m_folder.path()) + "/caf\xe9 \xff.mp4";
        QCOMPARE(::link(QFile::encodeName(mediaPath(u"h264-aac.mp4"_s)).constData(), rawName.constData()), 0);
        const auto removeLink = qScopeGuard([&] { ::unlink(rawName.constData()); }); // invisible to QDir
        LaunchedDelegate delegate;
        QSignalSpy opened(&delegate, &AppDelegate::sourceVideoOpened);
        delegate.opening().open(QUrl::fromEncoded("file://" + rawName.toPercentEncoding("/")).toLocalFile());
        QVERIFY(opened.wait(20'000));
        QCOMPARE(answerAlert(delegate), unsupported);
        QCOMPARE(::access(rawName.constData(), F_OK), 0);
    }

    void largeAnswers_data(); // out of the class: moc cannot read raw strings in it

    void largeAnswers()
    {
        QFETCH(QByteArray, answer);
        QFETCH(qsizetype, tracks);

        QVERIFY(useTools(fakeProber, realTool));
        QVERIFY(writeFile(m_tools->filePath(u"answer.json"_s), answer));
        qputenv("FAKE_PROBER_ANSWER", QFile::encodeName(m_tools->filePath(u"answer.json"_s)));
        LaunchedDelegate delegate;
        const bool opened = openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s));
        qunsetenv("FAKE_PROBER_ANSWER");
        QVERIFY(opened && !takeAlert(delegate));
        QCOMPARE(delegate.opening().source().probe->tracksInfo.size(), tracks);
        QVERIFY(child<QAction>(delegate, "saveToolBarBTN")->isEnabled() && !child<ImageDropView>(delegate, "posterIMGView")->image().isNull());

        // The information pane stays readable: a tag of megabytes shows only its beginning.
        delegate.window()->findChild<QDockWidget *>(u"mediaInfoDock"_s)->show();
        delegate.window()->show();
        QVERIFY(!delegate.window()->grab().isNull());
        const QAbstractItemModel *pane = delegate.window()->findChild<QTreeView *>(u"mediaInfoView"_s)->model();
        qsizetype longest = 0;
        for (const QModelIndex &container : pane->match(pane->index(0, 0), Qt::DisplayRole, u"Container"_s)) {
            for (int row = 0; row < pane->rowCount(container); ++row) {
                const QModelIndex value = pane->index(row, 1, container);
                longest = std::max({longest, value.data().toString().size(), value.data(Qt::ToolTipRole).toString().size()});
            }
        }
        QCOMPARE_LE(longest, 2'000);
    }

    void tools_data()
    {
        QTest::addColumn<QByteArray>("sniffer");
        QTest::addColumn<QByteArray>("creator"); // the real one is killed from outside mid-way
        QTest::addColumn<QString>("alert");      // at opening, or else at the export's end

        QTest::newRow("prober missing") << noTool << realTool << unsupported;
        QTest::newRow("prober hangs") << QByteArray("#!/bin/sh\nexec sleep 600\n") << realTool << unsupported;
        // The encoder's other faults are the export job's (tst_exportjob); here the window shows their end.
        QTest::newRow("encoder killed from outside") << realTool << realTool << failure;
        // Copies the source (argument 2, after "-i") to the output without a word of progress.
        QTest::newRow("no progress at all") << realTool << QByteArray("#!/bin/sh\nfor last; do :; done\ncp \"$2\" \"$last\"\n")
                                            << success;
    }

    void tools()
    {
        QFETCH(QByteArray, sniffer);
        QFETCH(QByteArray, creator);
        QFETCH(QString, alert);

        const bool killed = sniffer == realTool && creator == realTool;
        // The poster preview needs the real encoder: the scripted one comes in after opening.
        QVERIFY(useTools(sniffer, realTool));
        setProberTimeLimit(std::chrono::seconds(2));
        LaunchedDelegate delegate;
        const bool opened = openAndWait(delegate, mediaPath(killed ? u"long.mp4"_s : u"h264-aac.mp4"_s));
        setProberTimeLimit(std::chrono::minutes(2));
        QVERIFY(opened && !child<QDialog>(delegate, "progressWindow")->isVisible());
        if (sniffer != realTool) {
            QCOMPARE(answerAlert(delegate), alert);
            QVERIFY(!delegate.opening().source().probe);
            return;
        }
        QVERIFY(useTools(realTool, creator));
        const QString folder = m_folder.filePath(u"out-"_s + QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'));
        QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
        delegate.saving().exportInto(folder);
        if (killed) {
            QVERIFY(QTest::qWaitFor([&] { return encoderRunning(delegate); }, 10'000));
            QTest::qWait(300);
            ::kill(pid_t(delegate.exportSheet().encoderProcess()->processId()), SIGTERM);
        }
        QVERIFY(finished.wait(60'000));
        QMessageBox *shown = takeAlert(delegate);
        QVERIFY(shown && shown->text() == alert);
        QCOMPARE(shown->icon(), alert == failure ? QMessageBox::Critical : QMessageBox::Information);
        if (alert == failure)
            QVERIFY(shown->informativeText() == u"Contact: support@videofold.org" && !shown->detailedText().isEmpty());
        QVERIFY(QFileInfo(folder).isDir()); // a failed export's folder stays for the user to see
    }

    void settings_data()
    {
        QTest::addColumn<QByteArray>("file"); // the settings file as found at launch
        QTest::addColumn<qint64>("launchCount");

        const QByteArray version = "installedVersion=" + QByteArray(VIDEOFOLD_VERSION) + "\n";
        QTest::newRow("none") << QByteArray() << qint64(1);
        QTest::newRow("counted") << "[General]\nlaunchCount=1\ncontrolsParam=false\n" + version << qint64(2);
        // An update starts the count again, with the new version's defaults.
        QTest::newRow("older version") << QByteArray("[General]\nlaunchCount=7\ninstalledVersion=0.0.1\ncontrolsParam=false\n")
                                       << qint64(1);
        QTest::newRow("count as text") << "[General]\nlaunchCount=many\n" + version << qint64(1);
        QTest::newRow("negative count") << "[General]\nlaunchCount=-5\n" + version << qint64(-4);
        QTest::newRow("huge count") << "[General]\nlaunchCount=99999999999999999999999\n" + version << qint64(1);
        static const char corrupt[] = "\x00\xff[[[=\n\x01garbage";
        QTest::newRow("corrupt file") << QByteArray(corrupt, sizeof corrupt - 1) << qint64(1);
        QTest::newRow("wrong types") << "[General]\nlaunchCount=@Variant(\\0\\0\\0\\x7f)\ncontrolsParam=maybe\n" + version
                                     << qint64(1);
    }

    void settings()
    {
        QFETCH(QByteArray, file);
        QFETCH(qint64, launchCount);

        QCoreApplication::setApplicationVersion(QStringLiteral(VIDEOFOLD_VERSION));
        const QString path = QSettings(QSettings::NativeFormat, QSettings::UserScope, u"Videofold"_s, u"Videofold"_s).fileName();
        QDir().mkpath(QFileInfo(path).path());
        QVERIFY(writeFile(path, file));

        LaunchedDelegate delegate;
        QCOMPARE(delegate.userDefaults().integer(u"launchCount"_s), launchCount);
        QCOMPARE(delegate.userDefaults().string(u"installedVersion"_s), QStringLiteral(VIDEOFOLD_VERSION));
        // A new version's defaults come with a new count; otherwise the user's choice stays.
        QCOMPARE(delegate.userDefaults().boolean(u"controlsParam"_s), !file.contains("installedVersion=" VIDEOFOLD_VERSION));
        QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
        QVERIFY(delegate.opening().source().probe);
    }

    void outputFaults()
    {
        LaunchedDelegate delegate;
        QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
        // Two saves in a row; a cancel after the encoder ended changes nothing, not even the next save.
        for (const QString &name : {u"first"_s, u"second"_s}) {
            QCOMPARE(exportAndWait(delegate, m_folder.filePath(name)), std::optional(true));
            answerAlert(delegate);
            delegate.exportSheet().cancel();
            QVERIFY(QFileInfo(m_folder.filePath(name) + u"/html5video.mp4"_s).size() > 0);
        }

        // A folder that cannot be written: nothing is written anywhere.
        const QString parent = m_folder.filePath(u"read-only"_s);
        QVERIFY(QDir().mkdir(parent));
        QVERIFY(QFile::setPermissions(parent, QFile::ReadOwner | QFile::ExeOwner));
        if (::access(QFile::encodeName(parent).constData(), W_OK) != 0) {
            delegate.saving().exportInto(parent + u"/HTML5Video"_s);
            QMessageBox *refusal = takeAlert(delegate);
            QVERIFY(refusal && refusal->informativeText().contains(u"cannot be created in"_s) && !delegate.isBusy());
            refusal->close();
            QCOMPARE(entryCount(parent), 0);
        }

        // A full disk: from the encoder's start its writes fail past 64 KiB.
        QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
        const QString folder = m_folder.filePath(u"full-disk"_s);
        QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
        delegate.saving().exportInto(folder);
        QVERIFY(QTest::qWaitFor([&] { return encoderRunning(delegate); }, 10'000));
        const rlimit limit{64 * 1024, 64 * 1024};
        QCOMPARE(::prlimit(pid_t(delegate.exportSheet().encoderProcess()->processId()), RLIMIT_FSIZE, &limit, nullptr), 0);
        QVERIFY(finished.wait(60'000));
        QCOMPARE(finished.first().first().toBool(), false);
        QCOMPARE(answerAlert(delegate), failure);
        QVERIFY(QFileInfo::exists(folder + u"/html5Video.html"_s));
    }

    void cancelsAndQuits()
    {
        const QString folder = m_folder.filePath(u"cancelled"_s);
        LaunchedDelegate delegate;
        delegate.window()->show();
        QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
        QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
        const auto restore = qScopeGuard([] { PosterFrame::setExtractionTimeLimit(std::chrono::minutes(2)); });
        auto question = [&]() -> QMessageBox * {
            for (QMessageBox *box : delegate.window()->findChildren<QMessageBox *>(QString(), Qt::FindDirectChildrenOnly)) {
                if (box->isVisible() && box->objectName().isEmpty())
                    return box;
            }
            return nullptr;
        };
        auto stopAndQuit = [&] { return clickButton(question(), u"Stop and Quit"_s); };
        auto quitAsked = [&] { return !delegate.window()->close() && stopAndQuit(); };
        auto cancelled = [&](qsizetype exports) {
            return finished.size() == exports && !QFileInfo::exists(folder) && !takeAlert(delegate)
                && !child<QDialog>(delegate, "progressWindow")->isVisible() && !encoderRunning(delegate);
        };

        // Mid-way, after the first progress reading, twice; then at once, as the encoder starts.
        delegate.saving().exportInto(folder);
        QVERIFY(child<QDialog>(delegate, "progressWindow")->isVisible() && !child<QPushButton>(delegate, "progressBarCancelBTN")->isHidden());
        QVERIFY(QTest::qWaitFor([&] { return child<QProgressBar>(delegate, "progressBar")->value() > 0; }, 30'000));
        QTest::mouseClick(child<QPushButton>(delegate, "progressBarCancelBTN"), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(delegate, "progressBarCancelBTN"), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(cancelled(1), 30'000);
        delegate.saving().exportInto(folder);
        delegate.exportSheet().cancel();
        QTRY_VERIFY_WITH_TIMEOUT(cancelled(2), 30'000);

        // An encoder deaf to the termination request is killed soon after a cancel.
        QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
        QVERIFY(useTools(realTool, "#!/bin/sh\ncase \"$*\" in *-frames:v*) exec @real@ \"$@\";; esac\n"
                                   "trap '' TERM\nwhile :; do sleep 0.1; done\n"));
        delegate.saving().exportInto(folder);
        QVERIFY(QTest::qWaitFor([&] { return encoderRunning(delegate); }, 10'000));
        delegate.exportSheet().cancel();
        QTRY_VERIFY_WITH_TIMEOUT(cancelled(3), 10'000);

        // A poster extraction that hangs: the sheet comes at once, the settings freeze,
        // cancel ends the export at once, and the extraction is stopped at its time limit.
        QVERIFY(useTools(realTool, "#!/bin/sh\ncase \"$*\" in *-frames:v*) exec sleep 600;; esac\nexec @real@ \"$@\"\n"));
        PosterFrame::setExtractionTimeLimit(std::chrono::seconds(2));
        child<QSlider>(delegate, "posterImageSlider")->setValue(30);
        QVERIFY(!delegate.outputControls().posterPreview().isIdle());
        delegate.saving().exportInto(folder);
        QVERIFY(child<QDialog>(delegate, "progressWindow")->isVisible() && !child<QPushButton>(delegate, "progressBarCancelBTN")->isHidden());
        QVERIFY(!child<QSlider>(delegate, "outputResolutionSlider")->isEnabled() && !child<QSlider>(delegate, "outputFileSizeSlider")->isEnabled()
                && !child<QSlider>(delegate, "posterImageSlider")->isEnabled());
        QTest::mouseClick(child<QPushButton>(delegate, "progressBarCancelBTN"), Qt::LeftButton);
        QVERIFY(cancelled(4) && child<QSlider>(delegate, "posterImageSlider")->isEnabled() && child<QAction>(delegate, "saveToolBarBTN")->isEnabled());
        QVERIFY(QTest::qWaitFor([&] { return delegate.outputControls().posterPreview().isIdle(); }, 10'000));

        // Quitting mid-way asks first; "Stop and Quit" ends with that export: a later cancel keeps the window.
        qunsetenv(MediaTools::resourcesVariable);
        delegate.saving().exportInto(folder);
        QVERIFY(QTest::qWaitFor([&] { return encoderRunning(delegate); }, 10'000) && quitAsked());
        QTRY_VERIFY_WITH_TIMEOUT(cancelled(5) && !delegate.window()->isVisible(), 30'000);
        delegate.window()->show();
        delegate.saving().exportInto(folder);
        delegate.exportSheet().cancel();
        QTRY_VERIFY_WITH_TIMEOUT(cancelled(6) && delegate.window()->isVisible(), 30'000);

        // Answered while the finished video is being checked, it quits once the check ends.
        QVERIFY(useTools("#!/bin/sh\nsleep 2\nexec @real@ \"$@\"\n", realTool));
        delegate.saving().exportInto(folder);
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(folder + u"/html5video.mp4"_s) && !encoderRunning(delegate); }, 30'000));
        QVERIFY(delegate.isBusy() && quitAsked());
        QVERIFY(finished.wait(30'000) && !delegate.window()->isVisible() && !takeAlert(delegate));

        // Ctrl+Q from the progress sheet asks too; an export that ends by itself takes the question with it.
        QVERIFY(useTools(realTool, "#!/bin/sh\nsleep 1\nexec @real@ \"$@\"\n"));
        delegate.window()->show();
        delegate.saving().exportInto(folder);
        QApplication::setActiveWindow(child<QDialog>(delegate, "progressWindow")); // offscreen, activation stays with a closed alert
        QVERIFY(QTest::qWaitForWindowActive(child<QDialog>(delegate, "progressWindow")));
        QTest::keyClick(child<QDialog>(delegate, "progressWindow"), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(question());
        QVERIFY(finished.wait(30'000) && answerAlert(delegate) == success && delegate.window()->isVisible());
        QVERIFY(!question());

        // The session's end mid-export: stopped and removed as "Stop and Quit" does, without a question.
        // No temporary folder stays that was not there before (one that was may have gone meanwhile).
        const auto temporaries = [] { return QDir(QDir::tempPath()).entryList({u"videofold-*"_s}, QDir::Dirs); };
        const QStringList before = temporaries();
        const auto noneLeft = [&] {
            const QStringList now = temporaries();
            return std::all_of(now.begin(), now.end(), [&](const QString &name) { return before.contains(name); });
        };
        UnixSignals sessionEnd;
        connect(&sessionEnd, &UnixSignals::received, &delegate, &AppDelegate::stopAndQuit);
        delegate.saving().exportInto(folder);
        QVERIFY(QTest::qWaitFor([&] { return encoderRunning(delegate); }, 10'000));
        ::raise(SIGTERM);
        QTRY_VERIFY_WITH_TIMEOUT(cancelled(9) && !delegate.window()->isVisible(), 30'000);
        QTRY_VERIFY_WITH_TIMEOUT(noneLeft(), 5'000);

        // The same while the sound is measured for even loudness, when no encoder runs.
        const QString measuring = m_folder.filePath(u"measuring"_s);
        QVERIFY(useTools(realTool, "#!/bin/sh\ncase \"$*\" in *ebur128*) : > '" + QFile::encodeName(measuring) + "'; exec sleep 600;; esac\n"
                                   "exec @real@ \"$@\"\n"));
        delegate.userDefaults().setValue(u"loudnessParam"_s, true);
        const auto loudnessOff = qScopeGuard([&] { delegate.userDefaults().setValue(u"loudnessParam"_s, QVariant()); });
        delegate.window()->show();
        delegate.saving().exportInto(folder);
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(measuring); }, 10'000));
        QVERIFY(!encoderRunning(delegate));
        ::raise(SIGTERM);
        QTRY_VERIFY_WITH_TIMEOUT(cancelled(10) && !delegate.window()->isVisible() && childProcesses().isEmpty(), 5'000);
        QTRY_VERIFY_WITH_TIMEOUT(noneLeft(), 5'000);
    }

    void unsafeFolders()
    {
        // Named like markup, which the refusal must show as written.
        QTemporaryDir place(m_folder.filePath(u"<i>clips-XXXXXX"_s));
        const QString card = place.filePath(u"card"_s);
        const QString alias = place.filePath(u"alias"_s);
        const QString image = place.filePath(u"card.img"_s);
        QVERIFY(QDir().mkpath(card) && QDir().mkpath(alias));
        // A FAT memory card where the kernel mounts one, and another path to it by a bind mount.
        QFile(image).open(QIODevice::WriteOnly);
        QFile::resize(image, 16 * 1024 * 1024);
        const bool fat = runsCleanly(u"mkfs.vfat"_s, {image}) && runsCleanly(u"mount"_s, {u"-o"_s, u"loop"_s, image, card});
        const bool bound = runsCleanly(u"mount"_s, {u"--bind"_s, card, alias});
        const auto unmount = qScopeGuard([&] {
            bound && runsCleanly(u"umount"_s, {alias});
            fat && runsCleanly(u"umount"_s, {card});
        });
        QVERIFY(QDir().mkpath(card + u"/DCIM"_s));
        const QString source = card + u"/DCIM/clip.mp4"_s;
        QVERIFY(QFile::copy(mediaPath(u"h264-aac.mp4"_s), source));
        LaunchedDelegate delegate;
        QVERIFY(openAndWait(delegate, source));

        // The source's own folder, also by another path or spelling, the source itself, home and the root are refused.
        QStringList refused = {card + u"/DCIM"_s, source, QDir::homePath(), QDir::rootPath()};
        if (bound)
            refused << alias + u"/DCIM"_s;
        if (fat)
            refused << card + u"/dcim"_s; // "dcim" is "DCIM" there
        else
            qInfo("No FAT card can be made or mounted here: its case is left out");
        for (const QString &path : refused) {
            delegate.saving().exportInto(path);
            QMessageBox *shown = takeAlert(delegate);
            QVERIFY2(shown && shown->icon() == QMessageBox::Warning && !delegate.isBusy(), qPrintable(path));
            const auto *informative = shown->findChild<QLabel *>(u"qt_msgbox_informativelabel"_s);
            QVERIFY(informative && informative->textFormat() == Qt::PlainText);
            shown->close();
        }

        // An existing folder is replaced; a link inside it goes, not what it points to.
        const QString folder = m_folder.filePath(u"existing"_s);
        QDir().mkpath(folder + u"/old"_s);
        QVERIFY(QFile::link(card, folder + u"/link"_s));
        QCOMPARE(exportAndWait(delegate, folder), std::optional(true));
        QCOMPARE(entryCount(folder), 3);
        QCOMPARE(bytesOf(source), bytesOf(mediaPath(u"h264-aac.mp4"_s)));
    }

private:
    QTemporaryDir m_folder;
    std::unique_ptr<QTemporaryDir> m_tools;
    QMap<QString, QByteArray> m_media;

    // Points the window at the tools given, until the case ends.
    bool useTools(const QByteArray &sniffer, const QByteArray &creator)
    {
        qunsetenv(MediaTools::resourcesVariable);
        m_tools = std::make_unique<QTemporaryDir>();
        const std::pair<QStringView, const QByteArray &> tools[] = {{MediaTools::proberName, sniffer},
                                                                    {MediaTools::encoderName, creator}};
        for (const auto &[name, script] : tools) {
            const QString real = *MediaTools::resourcePath(name);
            const QString path = m_tools->filePath(name.toString());
            if (script == realTool || script == fakeProber) {
                const QString target = script == realTool ? real : qEnvironmentVariable("VIDEOFOLD_FAKE_TOOLS") + u"/sniffer"_s;
                if (!QFile::link(target, path))
                    return false;
            } else if (script != noTool && !writeScript(path, QByteArray(script).replace("@real@", QFile::encodeName(real)))) {
                return false;
            }
        }
        qputenv(MediaTools::resourcesVariable, QFile::encodeName(m_tools->path()));
        return true;
    }
};

void TestCatalogue::largeAnswers_data()
{
    QTest::addColumn<QByteArray>("answer"); // what the prober says of a real video
    QTest::addColumn<qsizetype>("tracks");

    const QByteArray video = R"({"index": 0, "codec_type": "video", "codec_name": "h264", "width": 320,
        "height": 240, "r_frame_rate": "25/1", "duration": "2.000000", "pix_fmt": "yuv420p"})";
    const QByteArray format = R"("format": {"format_name": "mov,mp4,m4a,3gp,3g2,mj2", "duration": "2.000000")";
    QByteArray manyStreams = "{\"streams\": [" + video;
    for (int index = 1; index < 10'000; ++index)
        manyStreams += R"(, {"index": )" + QByteArray::number(index) + R"(, "codec_type": "audio", "codec_name": "aac",
            "channels": 2, "sample_rate": "44100", "tags": {"language": "eng", "title": "Commentary"}})";
    QTest::newRow("10,000 streams") << manyStreams + "], " + format + "}}" << qsizetype(10'000);

    // 50 MB of container tags and chapters, as a damaged or hostile file could claim.
    QByteArray huge = "{\"streams\": [" + video + "], \"chapters\": [";
    for (int index = 0; index < 100'000; ++index)
        huge += (index ? ", " : "") + QByteArray(R"({"id": )") + QByteArray::number(index)
                + R"(, "start_time": "0.000000", "end_time": "1.000000", "tags": {"title": "Chapter )" + QByteArray::number(index) + "\"}}";
    huge += "], " + format + R"(, "tags": {"comment": ")" + QByteArray(40 * 1024 * 1024, 'x') + "\"}}}";
    QTest::newRow("50 MB") << huge << qsizetype(1);
}

QTEST_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
