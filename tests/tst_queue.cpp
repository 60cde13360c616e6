// The export queue through the window's own code: exports added while others
// run, cancelled, failing, stopped by quitting, several videos at once, a size
// typed as a limit, and what a killed run left offered back.
#include "apptesting.h"
#include "common/displaytext.h"
#include "app/outputfolderdialog.h"
#include "app/queuepanel.h"
#include "common/diagnostics.h"
#include "export/exportqueue.h"
#include "export/queuestore.h"
#include "tools/mediatools.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QTreeWidget>

using namespace Qt::StringLiterals;

namespace {

using State = QueuedExport::State;

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

const QStringList completeFolder = {u"html5Video.html"_s, u"html5video.mp4"_s, u"poster.jpg"_s};

State stateOf(AppDelegate &delegate, quint64 id)
{
    return delegate.exportQueue().find(id)->state;
}

bool waitForState(AppDelegate &delegate, quint64 id, State state, int timeout = 60'000)
{
    return QTest::qWaitFor([&] { return stateOf(delegate, id) == state; }, timeout);
}

// The id of the export last added.
quint64 lastId(AppDelegate &delegate)
{
    return delegate.exportQueue().exports().last().id;
}

// A process number no process has: the kernel hands out numbers below pid_max.
// Those above it are as free.
qint64 deadProcessId()
{
    return bytesOf(u"/proc/sys/kernel/pid_max"_s).trimmed().toLongLong();
}

} // namespace

class TestQueue : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        usePrivateSettingsStore();
        usePrivateTemporaryDirectory();
    }

private Q_SLOTS:
    void initTestCase() { installTranslations(); } // English plural forms
    void cleanup() { QVERIFY(QTest::qWaitFor([] { return childProcesses().isEmpty(); }, 10'000)); }

    void exportsInOrderWhileTheWindowStaysFree()
    {
        QTemporaryDir folder;
        LaunchedDelegate delegate;
        QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
        QVERIFY(delegate.queueing().panel()->isHidden());
        QList<quint64> endedOrder;
        connect(&delegate.exportQueue(), &ExportQueue::exportChanged, this, [&](quint64 id) {
            if (delegate.exportQueue().find(id)->isFinished())
                endedOrder << id;
        });

        child<QAction>(delegate, "addToQueueBTN")->trigger();
        auto *panel = delegate.window()->findChild<OutputFolderDialog *>();
        panel->setDirectory(folder.path());
        panel->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(u"first"_s);
        panel->accept();
        const quint64 first = lastId(delegate);
        QVERIFY(!delegate.queueing().panel()->isHidden());
        QVERIFY(delegate.queueing().panel()->accessibleName().contains(u"Queue"_s));
        QVERIFY(QTest::qWaitFor([&] { return stateOf(delegate, first) == State::Running; }));
        // The window is free: the settings move and the next export is added while the first runs.
        QVERIFY(child<QSlider>(delegate, "outputFileSizeSlider")->isEnabled());
        child<QSlider>(delegate, "outputResolutionSlider")->setValue(50);
        delegate.saving().queueInto(folder.filePath(u"second"_s));
        const quint64 second = lastId(delegate);
        QVERIFY(QDir(folder.filePath(u"second"_s)).removeRecursively()); // made again at its turn
        // A source that is gone by its turn fails with its reason; the next one still runs.
        const QString doomed = folder.filePath(u"doomed.mp4"_s);
        QVERIFY(QFile::copy(mediaPath(u"sdr.mp4"_s), doomed));
        QVERIFY(openAndWait(delegate, doomed));
        delegate.saving().queueInto(folder.filePath(u"third"_s));
        const quint64 third = lastId(delegate);
        QVERIFY(QFile::remove(doomed));
        QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
        delegate.saving().queueInto(folder.filePath(u"fourth"_s));
        const quint64 fourth = lastId(delegate);

        QVERIFY(waitForState(delegate, fourth, State::Done));
        QCOMPARE(endedOrder, (QList<quint64>{first, second, third, fourth}));
        for (const QString &name : {u"first"_s, u"second"_s, u"fourth"_s})
            QCOMPARE(entriesOf(folder.filePath(name)), completeFolder);
        QCOMPARE(stateOf(delegate, third), State::Failed);
        QVERIFY(delegate.exportQueue().find(third)->outcome.reason.contains(u"doomed.mp4"_s));
        QVERIFY(!QFileInfo::exists(folder.filePath(u"third"_s)));
        QCOMPARE(probeStream(folder.filePath(u"second/html5video.mp4"_s))[u"width"].stringValue(), u"160"_s);
        // Each row says how it ended, with the buttons that fit.
        QueuePanel *queuePanel = delegate.queueing().panel();
        QVERIFY(queuePanel->row(first)->text(2).startsWith(u"Done: "_s));
        QVERIFY(queuePanel->row(third)->text(2).startsWith(u"Failed: "_s));
        QVERIFY(!queuePanel->button(first, u"cancel"_s)->isVisibleTo(queuePanel));
        QVERIFY(!queuePanel->button(third, u"openInBrowser"_s)->isVisibleTo(queuePanel));
        UrlRecorder opened;
        QDesktopServices::setUrlHandler(u"http"_s, &opened, "open");
        queuePanel->button(first, u"openInBrowser"_s)->click();
        QDesktopServices::unsetUrlHandler(u"http"_s);
        QCOMPARE(opened.urls.size(), 1);
        queuePanel->button(third, u"remove"_s)->click();
        QVERIFY(!delegate.exportQueue().find(third) && !queuePanel->row(third));
        for (QPushButton *button : queuePanel->findChildren<QPushButton *>()) {
            if (button->text() == u"Clear Finished")
                button->click();
        }
        QVERIFY(delegate.exportQueue().exports().isEmpty());
        QCOMPARE(queuePanel->findChild<QTreeWidget *>()->topLevelItemCount(), 0);
        QCOMPARE(entriesOf(folder.filePath(u"first"_s)), completeFolder); // the folders stay
    }

    void saveWaitsForTheQueue()
    {
        QTemporaryDir folder;
        LaunchedDelegate delegate;
        QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
        delegate.saving().queueInto(folder.filePath(u"queued"_s));
        const quint64 queued = lastId(delegate);
        QVERIFY(QTest::qWaitFor([&] { return !childProcesses().isEmpty(); }, 20'000));
        QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
        delegate.saving().exportInto(folder.filePath(u"saved"_s));
        QVERIFY(child<QDialog>(delegate, "progressWindow")->isVisible());
        QVERIFY(QTest::qWaitFor([&] {
            return child<QDialog>(delegate, "progressWindow")->findChild<QLabel *>(u"progressDetail"_s)->text().startsWith(u"Waiting for the export"_s);
        }));
        QTest::qWait(300);
        QVERIFY(!delegate.exportSheet().encoderProcess()); // one export at a time
        delegate.exportQueue().cancel(queued);
        // The sheet's export runs once the queue's has gone, and then cancels like any other.
        QVERIFY(QTest::qWaitFor([&] { return encoderRunning(delegate) && stateOf(delegate, queued) == State::Cancelled; }, 20'000));
        QVERIFY(!QFileInfo::exists(folder.filePath(u"queued"_s)));
        child<QPushButton>(delegate, "progressBarCancelBTN")->click();
        QVERIFY(finished.wait(20'000));
    }

    void cancelsAndQuits()
    {
        QTemporaryDir folder;
        LaunchedDelegate delegate;
        delegate.window()->show();
        QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
        QList<quint64> ids;
        for (const QString &name : {u"a"_s, u"b"_s, u"c"_s, u"d"_s}) {
            delegate.saving().queueInto(folder.filePath(name));
            ids << lastId(delegate);
        }
        // Neither the folder of an export to come nor what holds it can be chosen again.
        for (const QString &path : {folder.filePath(u"c"_s), folder.path()}) {
            delegate.saving().queueInto(path);
            QVERIFY(takeAlert(delegate)->informativeText().contains(u"folder of an export still in the queue"_s));
        }
        QCOMPARE(delegate.exportQueue().exports().size(), 4);
        QVERIFY(QTest::qWaitFor([&] { return !childProcesses().isEmpty(); }, 20'000));
        // A waiting row: its empty folder goes, nothing else changes.
        delegate.queueing().panel()->button(ids[1], u"cancel"_s)->click();
        QCOMPARE(stateOf(delegate, ids[1]), State::Cancelled);
        QVERIFY(!QFileInfo::exists(folder.filePath(u"b"_s)));
        QCOMPARE(stateOf(delegate, ids[0]), State::Running);
        // The running row: its folder goes and the next one starts.
        delegate.queueing().panel()->button(ids[0], u"cancel"_s)->click();
        QVERIFY(waitForState(delegate, ids[0], State::Cancelled, 20'000));
        QVERIFY(!QFileInfo::exists(folder.filePath(u"a"_s)));
        QVERIFY(waitForState(delegate, ids[2], State::Running, 20'000));
        // Only a finished export leaves the list; an unknown one changes nothing.
        delegate.exportQueue().remove(ids[2]);
        delegate.exportQueue().cancel(0);
        QCOMPARE(delegate.exportQueue().unfinishedCount(), 2);

        // Quitting asks; Cancel keeps everything going.
        delegate.window()->close();
        auto *question = delegate.window()->findChild<QMessageBox *>(u"queueQuitQuestion"_s);
        QVERIFY(question);
        QCOMPARE(question->text(), u"2 exports are not finished. Stop them and quit?"_s);
        QVERIFY(clickButton(question, u"Cancel"_s));
        QVERIFY(delegate.window()->isVisible());
        QCOMPARE(stateOf(delegate, ids[2]), State::Running);
        // Stop and Quit: the running one is cancelled cleanly, the window closes once it is gone.
        delegate.window()->close();
        QVERIFY(clickButton(delegate.window()->findChild<QMessageBox *>(u"queueQuitQuestion"_s), u"Stop and Quit"_s));
        QVERIFY(QTest::qWaitFor([&] { return !delegate.window()->isVisible(); }, 20'000));
        for (quint64 id : ids)
            QCOMPARE(stateOf(delegate, id), State::Cancelled);
        QCOMPARE(entriesOf(folder.path()), QStringList());
    }

    void interruptWhileProbing_data()
    {
        QTest::addColumn<bool>("interrupt"); // or cancel
        QTest::newRow("the session ends") << true;
        QTest::newRow("the row is cancelled") << false;
    }

    void interruptWhileProbing()
    {
        // An export offered back after a crash is probed when its turn comes; a stop then ends the probe.
        QFETCH(bool, interrupt);
        QTemporaryDir tools;
        const QString mark = tools.filePath(u"probing"_s);
        QVERIFY(writeScript(tools.filePath(u"sniffer"_s), "#!/bin/sh\n: > '" + QFile::encodeName(mark) + "'\nexec sleep 600\n"));
        QVERIFY(QFile::link(*MediaTools::resourcePath(MediaTools::encoderName), tools.filePath(u"creator"_s)));
        qputenv(MediaTools::resourcesVariable, QFile::encodeName(tools.path()));
        const auto realTools = qScopeGuard([] { qunsetenv(MediaTools::resourcesVariable); });
        QTemporaryDir folder;
        ExportQueue queue;
        QSignalSpy idle(&queue, &ExportQueue::idle);
        ExportRequest request;
        request.sourcePath = mediaPath(u"h264-aac.mp4"_s);
        request.folder = folder.filePath(u"restored"_s);
        QVERIFY(QDir().mkpath(request.folder));
        const quint64 id = queue.add(request);
        QVERIFY(QTest::qWaitFor([&] { return QFileInfo::exists(mark); }, 10'000));
        if (interrupt)
            queue.interrupt();
        else
            queue.cancel(id);
        QVERIFY(QTest::qWaitFor([] { return childProcesses().isEmpty(); }, 2'000));
        QCOMPARE(queue.find(id)->state, interrupt ? State::Waiting : State::Cancelled);
        QVERIFY(!queue.isRunning() && idle.size() == 1);
        QTest::qWait(200); // the probe's end starts nothing
        QVERIFY(!queue.isRunning() && childProcesses().isEmpty());
    }

    void severalVideosAtOnce()
    {
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkdir(u"h264-aac"_s));
        QVERIFY(writeFile(folder.filePath(u"h264-aac/mine.txt"_s), "keep"));
        LaunchedDelegate delegate;
        QVERIFY(openAndWait(delegate, mediaPath(u"sdr.mp4"_s)));
        child<QSlider>(delegate, "outputFileSizeSlider")->setValue(50);
        const QStringList paths = {mediaPath(u"h264-aac.mp4"_s), mediaPath(u"notes.txt"_s), mediaPath(u"noisy.mp4"_s)};
        // Dropped together: the first opens and all are offered.
        NotificationCenter::defaultCenter().post(filesAddedByDragAndDrop, {{u"key"_s, QVariant::fromValue(QList<QUrl>{
            QUrl::fromLocalFile(paths[0]), QUrl::fromLocalFile(paths[1]), QUrl::fromLocalFile(paths[2])})}});
        QVERIFY(QTest::qWaitFor([&] { return delegate.window()->windowTitle().startsWith(u"h264-aac.mp4"_s); }, 20'000));
        QWidget *offer = delegate.window()->findChild<QWidget *>(u"severalOffer"_s);
        QVERIFY(offer->isVisibleTo(delegate.window()));
        QVERIFY(delegate.outputControls().applySizeLimit(u"50 kB"_s)); // a ceiling for each, or its own size when smaller

        QSignalSpy queued(&delegate, &AppDelegate::severalQueued);
        offer->findChild<QPushButton *>(u"exportAllBTN"_s)->click();
        QVERIFY(!offer->isVisibleTo(delegate.window()));
        auto *panel = delegate.window()->findChild<QFileDialog *>(u"severalFolderPanel"_s);
        panel->setDirectory(folder.path());
        QMetaObject::invokeMethod(panel, "accept");
        QVERIFY(queued.wait(20'000));
        QCOMPARE(queued.first(), (QVariantList{2, 1}));
        QMessageBox *alert = takeAlert(delegate);
        QCOMPARE(alert->text(), u"1 file can't be exported."_s);
        QVERIFY(alert->informativeText().startsWith(u"notes.txt: Seems to be an unsupported file."_s));
        QVERIFY(waitForState(delegate, lastId(delegate), State::Done));
        QCOMPARE(entriesOf(folder.path()), (QStringList{u"h264-aac"_s, u"h264-aac 2"_s, u"noisy"_s}));
        QCOMPARE(entriesOf(folder.filePath(u"h264-aac"_s)), QStringList{u"mine.txt"_s}); // numbered, not replaced
        QCOMPARE(entriesOf(folder.filePath(u"h264-aac 2"_s)), completeFolder);
        const QueuedExport &noisy = delegate.exportQueue().exports().last();
        QCOMPARE(noisy.outcome.targetBytes, 50'000);
        QVERIFY(noisy.outcome.videoBytes <= 50'000);

        // The menu's way: the files first, then their folder.
        child<QAction>(delegate, "exportSeveralVideosBTN")->trigger();
        auto *files = delegate.window()->findChild<QFileDialog *>();
        files->setDirectory(QFileInfo(mediaPath(u"sdr.mp4"_s)).path());
        files->selectFile(u"sdr.mp4"_s);
        QMetaObject::invokeMethod(files, "accept");
        QVERIFY(QTest::qWaitFor([&] { return delegate.window()->findChild<QFileDialog *>(u"severalFolderPanel"_s); }));
        delegate.window()->findChild<QFileDialog *>(u"severalFolderPanel"_s)->reject();
    }

    void sizeTypedAsALimit()
    {
        QTemporaryDir folder;
        LaunchedDelegate delegate;
        const QString source = mediaPath(u"noisy.mp4"_s); // 1.5 MB
        QVERIFY(openAndWait(delegate, source));
        const qint64 sourceBytes = QFileInfo(source).size();
        QLabel *problem = delegate.window()->findChild<QLabel *>(u"outputFileSizeLimitProblemLBL"_s);
        // Too small or not a size: refused in place, with the smallest allowed; nothing changes.
        for (const QString &typed : {u"1 kB"_s, u"eight"_s, u"-2MB"_s}) {
            QVERIFY2(!delegate.outputControls().applySizeLimit(typed), qPrintable(typed));
            QVERIFY(problem->isVisibleTo(delegate.window()));
            QCOMPARE(child<QSlider>(delegate, "outputFileSizeSlider")->value(), 100);
            QVERIFY(!delegate.outputControls().sizeLimit());
        }
        QVERIFY(problem->text().contains(u"not a size"_s));
        QVERIFY(!delegate.outputControls().applySizeLimit(u"1 kB"_s));
        QCOMPARE(problem->text(), u"Type a size of at least 15.2 kB: 1.0 kB is less than 1 % of the video."_s);
        // Over the source: the source's own size, as everywhere else.
        QVERIFY(delegate.outputControls().applySizeLimit(u"8 MB"_s));
        QCOMPARE(child<QSlider>(delegate, "outputFileSizeSlider")->value(), 100);
        QCOMPARE(child<QLabel>(delegate, "outputFileSizeLBL")->text(), byteCountText(quint64(sourceBytes)));
        QCOMPARE(delegate.exportRequest(folder.path()).request->targetBytes, double(sourceBytes));

        QVERIFY(delegate.outputControls().applySizeLimit(u"40%"_s)); // a share: the slider's own
        QCOMPARE(child<QSlider>(delegate, "outputFileSizeSlider")->value(), 40);
        QVERIFY(!delegate.outputControls().applySizeLimit(u" "_s) && !delegate.outputControls().sizeLimit());
        QVERIFY(delegate.outputControls().applySizeLimit(u"1MB"_s));
        QVERIFY(!problem->isVisibleTo(delegate.window()));
        QCOMPARE(child<QSlider>(delegate, "outputFileSizeSlider")->value(), int(std::lround(1e8 / double(sourceBytes))));
        QCOMPARE(child<QLabel>(delegate, "outputFileSizeLBL")->text(), u"1.0 MB"_s);
        delegate.saving().queueInto(folder.filePath(u"limited"_s));
        const quint64 id = lastId(delegate);
        // Moving the slider returns to shares of the source; the queued export keeps its limit.
        child<QSlider>(delegate, "outputFileSizeSlider")->setValue(20);
        QVERIFY(!delegate.outputControls().sizeLimit());
        QVERIFY(child<QComboBox>(delegate, "outputFileSizeLimitBox")->currentText().isEmpty());
        QVERIFY(waitForState(delegate, id, State::Done, 120'000));
        const qint64 videoBytes = QFileInfo(folder.filePath(u"limited/html5video.mp4"_s)).size();
        QVERIFY2(videoBytes <= 1'000'000 && videoBytes >= 900'000, qPrintable(QString::number(videoBytes)));
    }

    void rowAndSummaryTexts()
    {
        QueuedExport entry;
        QCOMPARE(exportStateText(entry), u"Waiting"_s);
        entry.state = State::Running;
        QCOMPARE(exportStateText(entry), u"Starting..."_s);
        entry.runName = u"Final pass"_s;
        QCOMPARE(exportStateText(entry), u"Final pass"_s);
        entry.percent = 42.7;
        QCOMPARE(exportStateText(entry), u"Final pass, 42 %"_s);
        entry.state = State::Failed;
        entry.outcome.reason = u"The disk is full.\nIn the folder ..."_s;
        QCOMPARE(exportStateText(entry), u"Failed: The disk is full."_s);
        entry.state = State::Cancelled;
        QCOMPARE(exportStateText(entry), u"Cancelled"_s);
        QCOMPARE(queueSummaryText(1, 0), u"1 HTML5 video created"_s);
        QCOMPARE(queueSummaryText(3, 1), u"3 HTML5 videos created, 1 failed"_s);
        QCOMPARE(queueSummaryText(0, 1), u"1 export failed"_s);
        QCOMPARE(queueSummaryText(0, 2), u"2 exports failed"_s);
    }

    // An entry not as this program writes it makes its whole file untrusted.
    void damagedEntries_data()
    {
        QTest::addColumn<QByteArray>("entry");
        QTest::newRow("relative source") << QByteArray(R"("source": "clip.mp4", "folder": "/tmp/out")");
        QTest::newRow("relative folder") << QByteArray(R"("source": "/clip.mp4", "folder": "out")");
        QTest::newRow("root folder") << QByteArray(R"("source": "/clip.mp4", "folder": "/")");
        QTest::newRow("unclean folder") << QByteArray(R"("source": "/clip.mp4", "folder": "/tmp/../home")");
        QTest::newRow("unknown state") << QByteArray(R"("source": "/clip.mp4", "folder": "/tmp/out", "state": "paused")");
        QTest::newRow("no target") << QByteArray(R"("source": "/clip.mp4", "folder": "/tmp/out", "targetBytes": 0)");
        QTest::newRow("no frame") << QByteArray(R"("source": "/clip.mp4", "folder": "/tmp/out", "frameWidth": 0)");
    }

    void damagedEntries()
    {
        QFETCH(QByteArray, entry);
        QTemporaryDir folder;
        const QString file = folder.filePath(u"queue.json"_s);
        const QByteArray valid = R"("state": "waiting", "targetBytes": 1000, "frameWidth": 320, "frameHeight": 240)";
        // Keys given twice: the row's own come last and win.
        const QByteArray start = "{\"format\": \"videofold-export-queue\", \"version\": 1, \"exports\": [{";
        QVERIFY(writeFile(file, start + valid + ", " + entry + "}]}"));
        QVERIFY(!QueueStore::read(file));
        QVERIFY(writeFile(file, start + valid + R"(, "source": "/clip.mp4", "folder": "/tmp/out")" + "}]}"));
        QCOMPARE(QueueStore::read(file)->size(), 1);
        // What is written reads back: a part kept, its poster, even loudness.
        QueuedExport written;
        written.request.sourcePath = u"/clip.mp4"_s;
        written.request.folder = u"/tmp/out"_s;
        written.request.frameSize = {320, 240};
        written.request.targetBytes = 1000;
        written.request.startSeconds = 2.5;
        written.request.endSeconds = 7.25;
        written.request.posterAtExactTime = written.request.evenLoudness = true;
        QVERIFY(QueueStore::save(file, {written}));
        const ExportRequest back = QueueStore::read(file)->first().request;
        QVERIFY(back.startSeconds == 2.5 && back.endSeconds == 7.25 && back.posterAtExactTime && back.evenLoudness);
    }

    void queueOwners_data()
    {
        QTest::addColumn<bool>("locked"); // a lock file beside the queue
        QTest::addColumn<bool>("held");   // and a live process holds it
        QTest::addColumn<bool>("idTaken"); // the queue's process id is a live process's now
        QTest::addColumn<bool>("offered");
        QTest::newRow("its lock held by a live process") << true << true << true << false;
        QTest::newRow("its lock held, though the id is free") << true << true << false << false;
        QTest::newRow("its lock free, the id taken again (after a reboot)") << true << false << true << true;
        QTest::newRow("its lock free, the id free") << true << false << false << true;
        QTest::newRow("no lock, the id taken") << false << false << true << false;
        QTest::newRow("no lock, the id free") << false << false << false << true;
    }

    void queueOwners()
    {
        QFETCH(bool, locked);
        QFETCH(bool, held);
        QFETCH(bool, idTaken);
        QFETCH(bool, offered);
        QTemporaryDir directory;
        QueuedExport waiting;
        waiting.request.sourcePath = mediaPath(u"h264-aac.mp4"_s);
        waiting.request.folder = directory.filePath(u"out"_s);
        waiting.request.frameSize = {320, 240};
        waiting.request.targetBytes = 60'000;
        const qint64 processId = idTaken ? 1 : deadProcessId(); // init lives as long as the machine
        const QString file = QueueStore::filePath(directory.path(), processId);
        QVERIFY(QueueStore::save(file, {waiting}));
        std::optional<QueueStore::Lock> lock;
        if (locked) {
            lock.emplace(file);
            QVERIFY(lock->isHeld());
            if (!held)
                lock.reset(); // as the kernel lets go of a process that ended
        }
        QCOMPARE(QueueStore::Lock::isHeldAt(QueueStore::lockFilePath(file)), held);
        const QueueStore::LeftBehind left = QueueStore::leftBehind(directory.path(), QCoreApplication::applicationPid());
        QCOMPARE(left.unfinished.size(), offered ? 1 : 0);
        QCOMPARE(left.files.contains(QueueStore::lockFilePath(file)), offered && locked);
    }

    void offersBackWhatAKilledRunLeft()
    {
        QTemporaryDir folder;
        const auto entry = [&](const QString &name, State state) {
            QueuedExport queued;
            queued.state = state;
            queued.request.sourcePath = mediaPath(u"h264-aac.mp4"_s);
            queued.request.folder = folder.filePath(name);
            queued.request.frameSize = {320, 240};
            queued.request.targetBytes = 60'000;
            QDir().mkpath(queued.request.folder);
            queued.folderIdentity = folderIdentity(queued.request.folder);
            return queued;
        };
        const QueuedExport done = entry(u"done"_s, State::Done);
        const QueuedExport running = entry(u"running"_s, State::Running);
        const QueuedExport waiting = entry(u"waiting"_s, State::Waiting);
        QueuedExport unusable = entry(u"unusable"_s, State::Waiting); // fails at its turn, as a refused file
        unusable.request.sourcePath = mediaPath(u"notes.txt"_s);
        for (const QString &name : completeFolder)
            QVERIFY(writeFile(done.request.folder + u'/' + name, "finished"));
        QVERIFY(writeFile(running.request.folder + u"/html5video.mp4"_s, "half"));
        QVERIFY(writeFile(running.request.folder + u"/poster.jpg"_s, "half"));
        // Replaced by the user since: same path, another folder, never removed.
        QueuedExport replaced = entry(u"replaced"_s, State::Running);
        QVERIFY(QDir(replaced.request.folder).removeRecursively() && QDir().mkpath(replaced.request.folder + u"/work"_s));

        const QString directory = queueDirectory();
        QVERIFY(QueueStore::save(QueueStore::filePath(directory, deadProcessId()), {done, running, waiting, unusable, replaced}));
        // Damaged, and foreign though well-formed: set aside, and their folders never touched.
        QVERIFY(writeFile(QueueStore::filePath(directory, deadProcessId() + 1), "{\"format\": \"videofold-export-queue\", \"exp"));
        QVERIFY(writeFile(QueueStore::filePath(directory, deadProcessId() + 2), "{\"format\": \"other\", \"exports\": [{\"folder\": \""
                                                                    + QFile::encodeName(done.request.folder) + "\"}]}"));
        QStringList diagnostics;
        setDiagnosticSink([&](const QString &line) { diagnostics << line; });
        LaunchedDelegate delegate;
        setDiagnosticSink({});
        QCOMPARE(diagnostics.filter(u"set aside"_s).size(), 2);
        QVERIFY(QFileInfo::exists(QueueStore::filePath(directory, deadProcessId() + 1) + u".damaged"_s));
        auto *question = delegate.window()->findChild<QMessageBox *>(u"leftBehindQuestion"_s);
        QVERIFY(question);
        QCOMPARE(question->text(), u"4 exports did not finish. Add them to the queue again?"_s);
        QVERIFY(clickButton(question, u"Add to Queue"_s));
        QVERIFY(takeAlert(delegate)->informativeText().contains(u"“"_s + replaced.request.folder + u"” is no longer the folder made for this export"_s));
        QVERIFY(QFileInfo::exists(replaced.request.folder + u"/work"_s));
        QCOMPARE(delegate.exportQueue().exports().size(), 3);
        QVERIFY(waitForState(delegate, lastId(delegate), State::Failed));
        QVERIFY(delegate.exportQueue().exports().last().outcome.reason.startsWith(u"Seems to be an unsupported file."_s));
        QVERIFY(!QFileInfo::exists(unusable.request.folder));
        QCOMPARE(stateOf(delegate, delegate.exportQueue().exports().at(1).id), State::Done);
        QCOMPARE(stateOf(delegate, delegate.exportQueue().exports().first().id), State::Done);
        QCOMPARE(entriesOf(running.request.folder), completeFolder);
        QVERIFY(bytesOf(running.request.folder + u"/html5video.mp4"_s).size() > 1000); // made again, not the half file
        QCOMPARE(entriesOf(waiting.request.folder), completeFolder);
        QCOMPARE(bytesOf(done.request.folder + u"/html5video.mp4"_s), "finished");
        QVERIFY(!QFileInfo::exists(QueueStore::filePath(directory, deadProcessId())));

        // The session ends mid-export: the running one is stopped cleanly and,
        // with the one waiting, kept on disk to be offered back.
        delegate.window()->show();
        QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
        delegate.saving().queueInto(folder.filePath(u"interrupted"_s));
        delegate.saving().queueInto(folder.filePath(u"next"_s));
        QVERIFY(QTest::qWaitFor([&] { return !childProcesses().isEmpty(); }, 20'000));
        delegate.stopAndQuit();
        QVERIFY(QTest::qWaitFor([&] { return !delegate.window()->isVisible(); }, 20'000));
        QVERIFY(!QFileInfo::exists(folder.filePath(u"interrupted"_s)));
        const auto kept = QueueStore::read(QueueStore::filePath(directory, QCoreApplication::applicationPid()));
        QVERIFY(kept);
        QCOMPARE(std::count_if(kept->begin(), kept->end(), [](const QueuedExport &e) { return e.state == State::Waiting; }), 2);

        // Discarded: what they left goes, by the same checks.
        QVERIFY(QueueStore::save(QueueStore::filePath(directory, deadProcessId()), *kept));
        QVERIFY(QDir().mkpath(folder.filePath(u"interrupted"_s)));
        QVERIFY(writeFile(folder.filePath(u"interrupted/notes.txt"_s), "mine"));
        LaunchedDelegate next;
        QVERIFY(clickButton(next.window()->findChild<QMessageBox *>(u"leftBehindQuestion"_s), u"Discard"_s));
        QVERIFY(!QFileInfo::exists(folder.filePath(u"next"_s)));
        QVERIFY(QFileInfo::exists(folder.filePath(u"interrupted/notes.txt"_s))); // made again by someone else
        QVERIFY(next.exportQueue().exports().isEmpty());
        QVERIFY(!QueueStore::save(u"/dev/null/queue.json"_s, {QueuedExport()}));
    }
};

QTEST_MAIN(TestQueue)
#include "tst_queue.moc"
