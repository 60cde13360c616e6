#include "apptesting.h"
#include "choicetable.h"
#include "app/outputfolderdialog.h"
#include "app/userdefaults.h"
#include "common/diagnostics.h"
#include "common/displaytext.h"
#include "export/encoderarguments.h"
#include "export/htmlpage.h"
#include "export/outputsettings.h"
#include "tools/mediatools.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScopeGuard>
#include <QSlider>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

QStringList entryNames(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

public:
    static void initMain()
    {
        usePrivateSettingsStore();
        usePrivateTemporaryDirectory();
    }

private Q_SLOTS:
    void cleanup() { setDiagnosticSink({}); }

    void init()
    {
        qunsetenv(MediaTools::resourcesVariable);
        m_diagnostics.clear();
        setDiagnosticSink([this](const QString &line) { m_diagnostics << line; });
    }

    void exportsAWholeFolder()
    {
        LaunchedDelegate delegate;
        QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
        child<QSlider>(delegate, "outputResolutionSlider")->setValue(50);
        child<QSlider>(delegate, "outputFileSizeSlider")->setValue(40);
        delegate.userDefaults().setValue(u"controlsParam"_s, true);
        delegate.userDefaults().setValue(u"loopParam"_s, false);

        // An existing folder of that name is replaced, contents and all.
        const QString folder = m_out.filePath(u"HTML5Video"_s);
        QDir().mkpath(folder + u"/old"_s);
        QVERIFY(exportAndWait(delegate, folder));
        QCOMPARE(entryNames(folder), (QStringList{u"html5Video.html"_s, u"html5video.mp4"_s, u"player"_s, u"poster.jpg"_s}));
        PageContent content{u"h264-aac"_s, u"en"_s, {}}; // the user's language (C), where the sound has none
        content.scripts = {u"player/start.js"_s};
        content.description = content.title;
        QCOMPARE(bytesOf(folder + u"/html5Video.html"_s), visitorPageBytes(160, 120, {true, false, false, false}, content));
        QCOMPARE(QImageReader(folder + u"/poster.jpg"_s).size(), QSize(160, 120));
        const JSON video = probeStream(folder + u"/html5video.mp4"_s);
        QCOMPARE(video[u"codec_name"].stringValue() + video[u"width"].stringValue() + u'x' + video[u"height"].stringValue(),
                 u"h264160x120"_s);
        QCOMPARE(probeStream(folder + u"/html5video.mp4"_s, 1)[u"channels"].numberValue().toInt64(), 2);
        // The size the slider chose, exactly: analysis and final pass, within 2 % of the label.
        QCOMPARE_LE(double(QFileInfo(folder + u"/html5video.mp4"_s).size()),
                    1.02 * double(targetSizeBytes(*delegate.opening().source().probe->fileSize, 40)));
        QVERIFY(m_diagnostics.filter(u"-pass 2"_s).size() >= 1);

        QMessageBox *alert = takeAlert(delegate);
        QVERIFY(alert && alert->icon() == QMessageBox::Information && alert->buttons().size() == 3);
        QCOMPARE(alert->text(), u"HTML5 Video created Successfully!"_s);
        QCOMPARE(alert->informativeText(), folder);
        // "Open in Browser" hands the page, served on 127.0.0.1, to the default browser (and, every tenth
        // launch, would ask for a review).
        delegate.userDefaults().setValue(u"launchCount"_s, 10);
        UrlRecorder opened;
        for (const QString &scheme : {u"file"_s, u"http"_s})
            QDesktopServices::setUrlHandler(scheme, &opened, "open");
        const auto unsetHandler = qScopeGuard([] {
            for (const QString &scheme : {u"file"_s, u"http"_s})
                QDesktopServices::unsetUrlHandler(scheme);
        });
        QVERIFY(clickButton(alert, u"Open in Browser"_s));
        QVERIFY(opened.urls.size() == 1 && opened.urls.first().host() == u"127.0.0.1"
                && opened.urls.first().path().endsWith(u"/html5Video.html"));
        // The settings stay for another export at once.
        QCOMPARE(child<QSlider>(delegate, "outputResolutionSlider")->value(), 50);
        QVERIFY(child<QAction>(delegate, "saveToolBarBTN")->isEnabled() && !child<QDialog>(delegate, "progressWindow")->isVisible());
        // Fast start is on by default: the index comes before the media.
        const QByteArray fast = bytesOf(folder + u"/html5video.mp4"_s);
        QVERIFY(fast.indexOf("moov") >= 0 && fast.indexOf("moov") < fast.indexOf("mdat"));

        // The minimal page is one switch away, byte for byte; without fast start the index stays at the end.
        delegate.userDefaults().setValue(u"minimalPageParam"_s, true);
        delegate.userDefaults().setValue(u"fastStartParam"_s, false);
        QVERIFY(exportAndWait(delegate, folder));
        // "Show in Folder" shows the folder (with the page selected where a file manager answers).
        QVERIFY(clickButton(takeAlert(delegate), u"Show in Folder"_s));
        QTRY_COMPARE_WITH_TIMEOUT(opened.urls.size(), 2, 10'000); // after the file manager's silence, if a bus is up
        QCOMPARE(opened.urls.last(), QUrl::fromLocalFile(folder));
        QCOMPARE(bytesOf(folder + u"/html5Video.html"_s), html5PageBytes(160, 120, {true, false, false, false}));
        const QByteArray plain = bytesOf(folder + u"/html5video.mp4"_s);
        QVERIFY(plain.indexOf("mdat") >= 0 && plain.indexOf("mdat") < plain.indexOf("moov"));
        delegate.userDefaults().setValue(u"minimalPageParam"_s, QVariant());
        delegate.userDefaults().setValue(u"fastStartParam"_s, QVariant());
    }

    void keptPart()
    {
        LaunchedDelegate delegate;
        const QString source = mediaPath(u"long.mp4"_s); // 60 s
        QVERIFY(openAndWait(delegate, source));
        const QString wholeSize = child<QLabel>(delegate, "outputFileSizeLBL")->text();
        QCOMPARE(child<QLabel>(delegate, "keptPartLBL")->text(), u"0:00.0 – 1:00.0, 60.0 s (the whole video)"_s);
        QCOMPARE(child<QLabel>(delegate, "posterTimeLBL")->text(), u"0:15.0"_s); // the slider at 50 shows the frame 15 s in
        // Typed, then at the poster frame with Set Start's key; the size's 100 % follows the part.
        child<QLineEdit>(delegate, "trimEndEdit")->setText(u"0:40"_s);
        child<QLineEdit>(delegate, "trimEndEdit")->setModified(true);
        Q_EMIT child<QLineEdit>(delegate, "trimEndEdit")->editingFinished();
        // The poster slider now spans the part: at 50 its middle.
        delegate.window()->show();
        QApplication::setActiveWindow(delegate.window());
        QVERIFY(QTest::qWaitForWindowActive(delegate.window()));
        child<QSlider>(delegate, "posterImageSlider")->setFocus(); // as after moving it; a text field takes the letter as text
        QTest::keyClick(child<QSlider>(delegate, "posterImageSlider"), Qt::Key_I);
        QCOMPARE(child<QLabel>(delegate, "keptPartLBL")->text(), u"0:20.0 – 0:40.0, 20.0 s"_s);
        QCOMPARE(child<QSlider>(delegate, "trimStartSlider")->value(), 3333);
        const quint64 sourceBytes = quint64(QFileInfo(source).size());
        QCOMPARE(child<QLabel>(delegate, "outputFileSizeLBL")->text(), byteCountText(quint64(targetSizeBytes(quint64(std::llround(sourceBytes * 20.0 / 60)), 100))));
        QVERIFY(child<QLabel>(delegate, "outputFileSizeLBL")->text() != wholeSize);
        // The poster slider spans the part: its ends are the part's ends.
        child<QSlider>(delegate, "posterImageSlider")->setValue(0);
        QCOMPARE(child<QLabel>(delegate, "posterTimeLBL")->text(), u"0:20.0"_s);
        child<QSlider>(delegate, "posterImageSlider")->setValue(100);
        QCOMPARE(child<QLabel>(delegate, "posterTimeLBL")->text(), u"0:40.0"_s);
        // A part that keeps nothing is refused in place; what was kept stays.
        QVERIFY(!delegate.keptPart().setPart(30, 20));
        QCOMPARE(child<QLabel>(delegate, "keptPartLBL")->text(), u"The start 0:30.0 is not before the end 0:20.0."_s);
        child<QLineEdit>(delegate, "trimStartEdit")->setText(u"soon"_s);
        child<QLineEdit>(delegate, "trimStartEdit")->setModified(true);
        Q_EMIT child<QLineEdit>(delegate, "trimStartEdit")->editingFinished();
        QVERIFY(child<QLabel>(delegate, "keptPartLBL")->text().startsWith(u"“soon” is not a time"_s));
        Q_EMIT child<QSlider>(delegate, "trimStartSlider")->sliderMoved(2000); // dragged: its frame shown, the part unchanged till let go
        QVERIFY(QTest::qWaitFor([&] { return delegate.outputControls().posterPreview().isIdle(); }, 20'000));
        child<QSlider>(delegate, "trimStartSlider")->setValue(9000); // past the end: refused, the handle back at the start
        QCOMPARE(child<QSlider>(delegate, "trimStartSlider")->value(), 3333);
        child<QSlider>(delegate, "trimEndSlider")->setValue(10000); // the end at the video's own
        QCOMPARE(child<QLabel>(delegate, "keptPartLBL")->text(), u"0:20.0 – 1:00.0, 40.0 s"_s);
        child<QLineEdit>(delegate, "trimEndEdit")->setText(u"50%"_s); // a share of the video
        child<QLineEdit>(delegate, "trimEndEdit")->setModified(true);
        Q_EMIT child<QLineEdit>(delegate, "trimEndEdit")->editingFinished();
        child<QSlider>(delegate, "trimEndSlider")->setValue(5000); // the end at 0:30 by its slider
        QCOMPARE(child<QLabel>(delegate, "keptPartLBL")->text(), u"0:20.0 – 0:30.0, 10.0 s"_s);
        const ExportRequest request = *delegate.exportRequest(m_out.path()).request;
        QCOMPARE(request.startSeconds, 20.0);
        QCOMPARE(request.endSeconds, std::optional(30.0));
        QVERIFY(request.posterAtExactTime && request.posterSeconds == 30);
        QCOMPARE(request.targetBytes, targetBytesForShare(sourceBytes, 100) * (10.0 / 60));
        QVERIFY(!request.evenLoudness);
        delegate.userDefaults().setValue(u"loudnessParam"_s, true);
        QVERIFY(delegate.exportRequest(m_out.path()).request->evenLoudness);
        delegate.userDefaults().setValue(u"loudnessParam"_s, QVariant());
        // Another file keeps all of itself again.
        QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
        QVERIFY(!delegate.keptPart().isPartKept() && delegate.exportRequest(m_out.path()).request->targetBytes == targetBytesForShare(68223, 100));
    }

    // The choices' table through the window's own controls: what they can say
    // (shares by slider, sizes and times typed) gives the core's request or refusal.
    void chosenExports()
    {
        LaunchedDelegate delegate;
        const QString source = mediaPath(u"long.mp4"_s);
        QVERIFY(openAndWait(delegate, source));
        const auto type = [&](const char *field, const QString &text) {
            auto *edit = child<QLineEdit>(delegate, field);
            edit->setText(text);
            edit->setModified(true);
            Q_EMIT edit->editingFinished();
        };
        for (const ChoiceRow &row : choiceRows()) {
            if (row.frameSize.contains(u'x') || !row.poster.isEmpty())
                continue; // a frame size and a poster are the sliders' shares here
            delegate.keptPart().setPart(0, std::nullopt);
            child<QSlider>(delegate, "outputFileSizeSlider")->setValue(100);
            child<QSlider>(delegate, "outputResolutionSlider")->setValue(row.frameSize.isEmpty() ? 100 : row.frameSize.chopped(1).toInt());
            if (!row.start.isEmpty())
                type("trimStartEdit", row.start);
            if (!row.end.isEmpty())
                type("trimEndEdit", row.end);
            if (!row.refusal.isEmpty() && !row.size.isEmpty()) {
                QVERIFY2(!delegate.outputControls().applySizeLimit(row.size)
                             && child<QLabel>(delegate, "outputFileSizeLimitProblemLBL")->text().contains(row.refusal),
                         row.name);
                continue;
            }
            if (!row.refusal.isEmpty()) {
                QVERIFY2(child<QLabel>(delegate, "keptPartLBL")->text().contains(row.refusal), row.name);
                continue;
            }
            if (!row.size.isEmpty())
                QVERIFY(delegate.outputControls().applySizeLimit(row.size));
            const std::optional<ExportRequest> request = delegate.exportRequest(m_out.path()).request;
            QVERIFY2(request, row.name);
            QVERIFY2(std::abs(request->targetBytes - row.targetShareOfSource * double(QFileInfo(source).size())) <= 1, row.name);
            QVERIFY2(request->targetIsCeiling == row.ceiling && request->startSeconds == row.startSeconds
                         && request->endSeconds == row.endSeconds && request->posterSeconds == row.posterSeconds,
                     row.name);
        }
    }

    void saveDialog()
    {
        LaunchedDelegate delegate;
        QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
        delegate.window()->show();
        child<QAction>(delegate, "saveToolBarBTN")->trigger();
        auto *panel = delegate.window()->findChild<OutputFolderDialog *>();
        QVERIFY(panel && panel->isVisible() && panel->windowModality() == Qt::WindowModal);
        QCOMPARE(panel->windowTitle() + panel->labelText(QFileDialog::FileName), u"Create FolderNamed:"_s);
        auto *name = panel->findChild<QLineEdit *>(u"fileNameEdit"_s);
        QCOMPARE(name->text(), u"HTML5Video"_s);
        // Answers each replace question as told, once it is seen to default to Cancel, in plain text.
        QMessageBox::StandardButton answer = QMessageBox::Cancel;
        int questions = 0;
        QTimer watch;
        connect(&watch, &QTimer::timeout, &watch, [&] {
            // The replace question; not the export's alert, which may come up meanwhile.
            auto *question = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (question && question->button(QMessageBox::Cancel)) {
                questions += question->defaultButton() == question->button(QMessageBox::Cancel)
                    && question->textFormat() == Qt::PlainText;
                question->button(answer)->click();
            }
        });
        watch.start(100);

        // Going somewhere is never a choice: a typed path of an existing folder, "." and
        // ".." move the panel, and no replacement is offered.
        const QString desktop = m_out.filePath(u"Desktop"_s);
        const QString clips = desktop + u"/clips"_s;
        QDir().mkpath(clips);
        QSignalSpy accepted(panel, &QDialog::accepted);
        panel->setDirectory(clips);
        for (const auto &[typed, destination] : {std::pair(u".."_s, desktop), std::pair(clips, clips), std::pair(u"."_s, clips),
                                                 std::pair(u"../clips/"_s, clips), std::pair(m_out.path(), m_out.path())}) {
            name->setText(typed);
            QCoreApplication::processEvents();
            QStringList buttons;
            for (QPushButton *button : panel->findChildren<QPushButton *>())
                buttons << button->text();
            QVERIFY(buttons.contains(u"Create HTML5 Video"_s)); // never "Open"
            QTest::keyClick(name, Qt::Key_Return);
            QVERIFY2(questions == 0 && panel->isVisible(), qPrintable(typed));
            QCOMPARE(panel->directory().absolutePath(), destination);
        }
        // A double click on a folder in the list enters it.
        panel->setDirectory(desktop);
        auto *list = panel->findChild<QListView *>(u"listView"_s);
        QModelIndex clipsIndex;
        QVERIFY(QTest::qWaitFor([&] {
            clipsIndex = list->model()->index(0, 0, list->rootIndex());
            return clipsIndex.data().toString() == u"clips";
        }, 5'000));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(clipsIndex).center());
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(clipsIndex).center());
        QCOMPARE(panel->directory().absolutePath(), clips);
        QVERIFY(questions == 0 && accepted.isEmpty());

        // A plain name that exists asks first; a name, or a path whose last part is new, is chosen at once.
        const QString existing = m_out.filePath(u"<b>Existing"_s);
        QDir().mkpath(existing);
        panel->setDirectory(m_out.path());
        name->setText(u"<b>Existing"_s);
        panel->accept();
        QVERIFY(questions == 1 && panel->isVisible() && accepted.isEmpty());
        QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
        name->setText(u"New/Deeper"_s);
        panel->accept();
        QCOMPARE(panel->chosenPath(), m_out.filePath(u"New/Deeper"_s));
        QVERIFY(accepted.count() == 1 && finished.wait(60'000));
        answerAlert(delegate);

        // Agreeing to replace returns that folder.
        child<QAction>(delegate, "saveToolBarBTN")->trigger();
        panel = delegate.window()->findChild<OutputFolderDialog *>();
        panel->setDirectory(m_out.path());
        panel->findChild<QLineEdit *>(u"fileNameEdit"_s)->setText(u"<b>Existing"_s);
        answer = QMessageBox::Yes;
        panel->accept();
        QVERIFY(questions == 2 && finished.wait(60'000));
        QCOMPARE(entryNames(existing).size(), 4);
    }

private:
    QTemporaryDir m_out;
    QStringList m_diagnostics;
};

QTEST_MAIN(TestExport)
#include "tst_export.moc"
