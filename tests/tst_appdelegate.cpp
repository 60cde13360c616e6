#include "app/dropviews.h"
#include "apptesting.h"
#include "app/userdefaults.h"
#include "common/diagnostics.h"
#include "common/displaytext.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QTreeView>
#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMessageBox>
#include <QMenu>
#include <QMimeData>
#include <QToolBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void clearSettings()
{
    QSettings(QSettings::NativeFormat, QSettings::UserScope, u"Videofold"_s, u"Videofold"_s).clear();
}

void drop(QWidget *view, const QList<QUrl> &urls)
{
    QMimeData data;
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &enter);
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QVERIFY(enter.isAccepted());
    QDropEvent event(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &event);
}

} // namespace

class TestAppDelegate : public QObject
{
    Q_OBJECT

public:
    static void initMain() { usePrivateSettingsStore(); }

private Q_SLOTS:
    void initTestCase();
    void launchCountsAndVersions();
    void acceptedFileFillsTheWindow();
    void refusals_data();
    void refusals();
    void drops();
    void titleFactsAndRecentFiles();
    void sheets();
    void mediaInformationPane();
    void geometryAndAbout();
    void screenshot();
};

void TestAppDelegate::initTestCase()
{
    QCoreApplication::setApplicationVersion(u"1.0"_s);
    QVERIFY(QFileInfo(mediaPath(u"h264-aac.mp4"_s)).size() > 0);
}

void TestAppDelegate::launchCountsAndVersions()
{
    clearSettings();
    QStringList lines;
    setDiagnosticSink([&lines](const QString &line) { lines << line; });
    {
        AppDelegate first;
        first.applicationDidFinishLaunching();
        QCOMPARE(first.userDefaults->integer(u"launchCount"_s), 1);
        QCOMPARE(first.userDefaults->string(u"installedVersion"_s), u"1.0"_s);
        QVERIFY(first.userDefaults->boolean(u"controlsParam"_s));
        QVERIFY(!first.userDefaults->boolean(u"autoplayParam"_s));
        QVERIFY(!first.outputResolutionSlider->isEnabled());
        QVERIFY(!first.saveToolBarBTN->isEnabled());
        QVERIFY(first.dummyNavigationBarView->isHidden());
        first.userDefaults->setValue(u"controlsParam"_s, false);
    }
    {
        AppDelegate second;
        second.applicationDidFinishLaunching();
        QCOMPARE(second.userDefaults->integer(u"launchCount"_s), 2);
        QVERIFY(!second.userDefaults->boolean(u"controlsParam"_s)); // the user's choice stays
        // A count stored as text that is no number reads as absent.
        second.userDefaults->setValue(u"launchCount"_s, u"many"_s);
    }
    QCOMPARE(lines, QStringList{u"2"_s});
    {
        AppDelegate third;
        third.applicationDidFinishLaunching();
        QCOMPARE(third.userDefaults->integer(u"launchCount"_s), 1);
    }
    QCoreApplication::setApplicationVersion(u"1.1"_s);
    {
        AppDelegate updated;
        updated.applicationDidFinishLaunching();
        QCOMPARE(updated.userDefaults->integer(u"launchCount"_s), 1);
        QCOMPARE(updated.userDefaults->string(u"installedVersion"_s), u"1.1"_s);
        QVERIFY(updated.userDefaults->boolean(u"controlsParam"_s));
    }
    setDiagnosticSink({});
    QCoreApplication::setApplicationVersion(u"1.0"_s);
}

void TestAppDelegate::acceptedFileFillsTheWindow()
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
    QCOMPARE(delegate.sourceURL, QUrl::fromLocalFile(mediaPath(u"h264-aac.mp4"_s)));
    QVERIFY(delegate.globalFP && delegate.globalFP->isValidMediaFile);
    QCOMPARE(delegate.outputResolutionSlider->value(), 100);
    QCOMPARE(delegate.outputFileSizeSlider->value(), 100);
    QCOMPARE(delegate.posterImageSlider->value(), 50);
    QVERIFY(delegate.outputResolutionSlider->isEnabled() && delegate.posterImageSlider->isEnabled());
    QVERIFY(delegate.saveToolBarBTN->isEnabled());
    QVERIFY(!delegate.dummyNavigationBarView->isHidden());
    QVERIFY(!delegate.progressWindow->isVisible());
    QCOMPARE(delegate.outputResolutionLBL->text(), u"320 x 240"_s);
    QCOMPARE(delegate.outputResolutionLBL->accessibleDescription(), u"320 x 240"_s);
    QCOMPARE(delegate.posterIMGView->image().size(), QSize(640, 480));
    QCOMPARE(delegate.outputResolutionSlider->accessibleName(), u"outputResolutionSlider"_s);

    // The labels follow the sliders at once.
    delegate.outputResolutionSlider->setValue(50);
    QCOMPARE(delegate.outputResolutionLBL->text(), u"160 x 120"_s);
    QCOMPARE(delegate.window->findChild<QLabel *>(u"outputResolutionSourceLBL"_s)->text(), u"of 320 x 240 (50 %)"_s);
    const QString sourceSize = byteCountText(*delegate.globalFP->fileSize);
    delegate.outputFileSizeSlider->setValue(50);
    QCOMPARE(delegate.outputFileSizeLBL->text(), byteCountText(*delegate.globalFP->fileSize / 2));
    QCOMPARE(delegate.window->findChild<QLabel *>(u"outputFileSizeSourceLBL"_s)->text(),
             u"of "_s + sourceSize + u" (50 %)"_s);
    delegate.outputResolutionSlider->setValue(1);
    QCOMPARE(delegate.outputResolutionLBL->text(), u"4 x 2"_s);
    QVERIFY(delegate.saveToolBarBTN->isEnabled());

    // Many poster moves in a row end with the frame of the last one.
    for (int value = 0; value <= 100; value += 5)
        delegate.posterImageSlider->setValue(value);
    QVERIFY(QTest::qWaitFor([&] { return delegate.posterPreview().isIdle(); }, 20'000));
    QVERIFY(!delegate.posterIMGView->image().isNull());

    // Opening the same file again starts from fresh slider values.
    QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
    QCOMPARE(delegate.outputResolutionSlider->value(), 100);
    QCOMPARE(delegate.outputResolutionLBL->text(), u"320 x 240"_s);
}

void TestAppDelegate::refusals_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");

    const QString unsupported = u"Seems to be an unsupported file. Does the video play in VLC Player?"_s;
    QTest::newRow("vob in capitals") << u"MOVIE.VOB"_s << u"App does not support opening of '.vob' files"_s;
    QTest::newRow("hevc") << u"clip.hevc"_s << u"App does not support opening of '.hevc' files for now."_s;
    QTest::newRow("audio only") << u"audio-only.m4a"_s << unsupported;
    QTest::newRow("text") << u"notes.txt"_s << unsupported;
    QTest::newRow("empty") << u"empty.mp4"_s << unsupported;
    QTest::newRow("missing") << u"vanished.mp4"_s << unsupported;
}

void TestAppDelegate::refusals()
{
    QFETCH(QString, file);
    QFETCH(QString, message);

    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QVERIFY(openAndWait(delegate, mediaPath(u"video-only.mp4"_s)));
    delegate.outputResolutionSlider->setValue(50);
    const QString label = delegate.outputResolutionLBL->text();
    const auto probe = delegate.globalFP;

    QVERIFY(openAndWait(delegate, mediaPath(file)));
    QMessageBox *alert = takeAlert(delegate);
    QVERIFY(alert);
    QCOMPARE(alert->text(), message);
    QCOMPARE(alert->informativeText(), u"Contact: support@videofold.org"_s);
    QCOMPARE(alert->icon(), QMessageBox::Information);
    QCOMPARE(alert->buttons().size(), 1);
    QVERIFY(!delegate.progressWindow->isVisible());

    // The first file stays loaded, as the user left it.
    QCOMPARE(delegate.globalFP, probe);
    QCOMPARE(delegate.sourceURL, QUrl::fromLocalFile(mediaPath(u"video-only.mp4"_s)));
    QCOMPARE(delegate.outputResolutionSlider->value(), 50);
    QCOMPARE(delegate.outputResolutionLBL->text(), label);
    QVERIFY(delegate.saveToolBarBTN->isEnabled());
    alert->close();
}

void TestAppDelegate::titleFactsAndRecentFiles()
{
    clearSettings();
    QTemporaryDir folder;
    // Eleven files, one named like markup and mnemonics.
    QStringList files;
    for (int i = 0; i < 11; ++i) {
        files << folder.filePath(i == 10 ? u"<b>Tom & Jerry.mp4"_s : u"clip%1.mp4"_s.arg(i));
        QVERIFY(QFile::copy(mediaPath(i % 2 ? u"video-only.mp4"_s : u"h264-aac.mp4"_s), files.last()));
    }
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QCOMPARE(delegate.window->windowTitle(), u"Videofold"_s);
    auto *facts = delegate.window->findChild<QLabel *>(u"sourceFactsLBL"_s);
    QVERIFY(facts && facts->text().isEmpty());

    // The title and the facts line name the accepted file; a source without audio has no audio fact.
    QVERIFY(openAndWait(delegate, files[0]));
    QCOMPARE(delegate.window->windowTitle(), u"clip0.mp4 – Videofold"_s);
    QCOMPARE(delegate.window->windowFilePath(), files[0]);
    QCOMPARE(facts->text(), u"320 x 240 · 00:00:02 · "_s + byteCountText(*delegate.globalFP->fileSize)
                                + u" · H.264 · AAC mono"_s);
    QVERIFY(openAndWait(delegate, files[1]));
    QCOMPARE(facts->text(), u"640 x 360 · 00:00:01 · "_s + byteCountText(*delegate.globalFP->fileSize) + u" · H.264"_s);
    QVERIFY(openAndWait(delegate, mediaPath(u"notes.txt"_s)));
    answerAlert(delegate);
    QCOMPARE(delegate.window->windowTitle(), u"clip1.mp4 – Videofold"_s); // a refusal changes nothing

    // Open Recent: newest first, ten at most, names as text.
    for (int i = 2; i < 11; ++i)
        QVERIFY(openAndWait(delegate, files[i]));
    auto *recent = delegate.window->findChild<QMenu *>(u"recentMenu"_s);
    QVERIFY(recent);
    auto recentTexts = [recent] {
        QStringList texts;
        for (QAction *action : recent->actions()) {
            if (!action->isSeparator())
                texts << action->text();
        }
        return texts;
    };
    QStringList expected = {u"<b>Tom && Jerry.mp4"_s};
    for (int i = 9; i >= 1; --i)
        expected << u"clip%1.mp4"_s.arg(i);
    QCOMPARE(recentTexts(), expected + QStringList{u"Clear Menu"_s});
    QCOMPARE(UserDefaults().stringList(u"recentFiles"_s).size(), 10);

    // Choosing one runs the open flow; one that is gone is refused and leaves the list.
    QSignalSpy opened(&delegate, &AppDelegate::sourceVideoOpened);
    recent->actions().at(3)->trigger();
    QVERIFY(opened.wait(20'000));
    QCOMPARE(delegate.sourceURL, QUrl::fromLocalFile(files[7]));
    QCOMPARE(recentTexts().first(), u"clip7.mp4"_s);
    QTest::qWait(100);
    QVERIFY(QFile::remove(files[5]));
    recent->actions().at(recentTexts().indexOf(u"clip5.mp4"_s))->trigger();
    QVERIFY(opened.wait(20'000));
    QVERIFY(!opened.last().first().toBool());
    answerAlert(delegate);
    QVERIFY(!recentTexts().contains(u"clip5.mp4"_s));
    recent->actions().last()->trigger(); // Clear Menu
    QCOMPARE(recentTexts(), QStringList{u"Clear Menu"_s});
    QVERIFY(UserDefaults().stringList(u"recentFiles"_s).isEmpty());

    // A launch with files opens the first, as a drop would; a refused one gets the refusal.
    QVERIFY(QTest::qWaitFor([&] { return delegate.posterPreview().isIdle(); }, 20'000));
    delegate.openLaunchArguments({u"--some-option"_s, u"clip3.mp4"_s, files[4]}, folder.path());
    QVERIFY(opened.wait(20'000));
    QCOMPARE(delegate.sourceURL, QUrl::fromLocalFile(files[3]));
    QVERIFY(QTest::qWaitFor([&] { return delegate.posterPreview().isIdle(); }, 20'000));
    delegate.openLaunchArguments({QUrl::fromLocalFile(mediaPath(u"notes.txt"_s)).toString()}, folder.path());
    QVERIFY(opened.wait(20'000));
    QVERIFY(!opened.last().first().toBool());
    QVERIFY(takeAlert(delegate));

    // The toolbar's icons come from the theme, or from the bundle where there is none.
    for (QAction *action : delegate.window->findChild<QToolBar *>()->actions()) {
        if (!action->isSeparator())
            QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
    }
}

void TestAppDelegate::drops()
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QSignalSpy opened(&delegate, &AppDelegate::sourceVideoOpened);

    // A folder is skipped; of several files only the first opens.
    drop(delegate.posterIMGView, {QUrl::fromLocalFile(mediaPath(u"folder"_s)),
                                  QUrl::fromLocalFile(mediaPath(u"video-only.mp4"_s)),
                                  QUrl::fromLocalFile(mediaPath(u"h264-aac.mp4"_s))});
    QVERIFY(opened.wait(20'000));
    QCOMPARE(delegate.sourceURL, QUrl::fromLocalFile(mediaPath(u"video-only.mp4"_s)));

    // Only folders, or a web link: nothing happens.
    for (QWidget *view : {static_cast<QWidget *>(delegate.window->findChild<DropView *>()),
                          delegate.window->findChild<ScrollDropView *>()->viewport()}) {
        drop(view, {QUrl::fromLocalFile(mediaPath(u"folder"_s))});
        drop(view, {QUrl(u"https://example.org/video.mp4"_s)});
    }
    QTest::qWait(200);
    QCOMPARE(opened.size(), 1);
    QVERIFY(!delegate.progressWindow->isVisible());

    // A text file is posted and refused by the open flow.
    drop(delegate.window->findChild<DropView *>(), {QUrl::fromLocalFile(mediaPath(u"notes.txt"_s))});
    QVERIFY(opened.wait(20'000));
    QVERIFY(takeAlert(delegate));
}

void TestAppDelegate::sheets()
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    delegate.window->show();
    delegate.helpBTNClicked();
    QVERIFY(delegate.helpWindow->isVisible());
    QCOMPARE(delegate.helpWindow->windowModality(), Qt::WindowModal);
    auto *rate = delegate.helpWindow->findChild<QPushButton *>(u"rateAppBTN"_s);
    QVERIFY(rate && !rate->isVisible()); // no store prompt here
    delegate.okBTNInsideHelpWindowClicked();
    QVERIFY(!delegate.helpWindow->isVisible());

    // The page switches write the store as they are toggled.
    delegate.showPreferences();
    auto *autoplay = delegate.window->findChild<QCheckBox *>(u"autoplayCheckBox"_s);
    QVERIFY(autoplay && !autoplay->isChecked());
    autoplay->setChecked(true);
    QVERIFY(UserDefaults().boolean(u"autoplayParam"_s));
    // Browsers start only muted videos by themselves: Muted comes along, and may go again.
    QVERIFY(UserDefaults().boolean(u"mutedParam"_s));
    auto *muted = delegate.window->findChild<QCheckBox *>(u"mutedCheckBox"_s);
    muted->setChecked(false);
    QVERIFY(!UserDefaults().boolean(u"mutedParam"_s) && autoplay->isChecked());
    auto *approximate = delegate.window->findChild<QCheckBox *>(u"approximateSizeCheckBox"_s);
    QVERIFY(approximate && !approximate->isChecked()); // exact size unless asked otherwise
    auto *minimal = delegate.window->findChild<QCheckBox *>(u"minimalPageCheckBox"_s);
    minimal->setChecked(true);
    QVERIFY(UserDefaults().boolean(u"minimalPageParam"_s));
    minimal->setChecked(false);
    autoplay->window()->close();

    // The analysing sheet cannot be dismissed by Escape, and opens while it is up are ignored.
    delegate.showProgressSheet(true, u"Analyzing File..."_s);
    QTest::keyClick(delegate.progressWindow, Qt::Key_Escape);
    QVERIFY(delegate.progressWindow->isVisible());
    QVERIFY(delegate.progressBarCancelBTN->isHidden());
    QCOMPARE(delegate.progressBar->maximum(), 0);
    delegate.openSourceVideo(QUrl::fromLocalFile(mediaPath(u"h264-aac.mp4"_s)));
    QVERIFY(!delegate.isBusy());
    delegate.hideProgressSheet();
    QVERIFY(!delegate.progressWindow->isVisible());
}

void TestAppDelegate::mediaInformationPane()
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    QVERIFY(openAndWait(delegate, mediaPath(u"subtitles.mkv"_s)));
    auto *view = delegate.window->findChild<QTreeView *>(u"mediaInfoView"_s);
    QVERIFY(view && view->model());
    const QAbstractItemModel *model = view->model();
    QStringList groups;
    for (int row = 0; row < model->rowCount(); ++row)
        groups << model->index(row, 0).data().toString();
    QCOMPARE(groups, (QStringList{u"File"_s, u"Tracks"_s, u"Container"_s, u"Chapters"_s}));
    QCOMPARE(model->index(0, 1).data().toString(), u"subtitles.mkv"_s);

    const QModelIndex tracks = model->index(1, 0);
    QCOMPARE(model->rowCount(tracks), 4);
    QStringList languages;
    for (int track = 0; track < 4; ++track) {
        const QModelIndex item = model->index(track, 0, tracks);
        for (int row = 0; row < model->rowCount(item); ++row) {
            if (model->index(row, 0, item).data() == u"Language"_s)
                languages << model->index(row, 1, item).data().toString();
        }
    }
    QCOMPARE(languages, (QStringList{u"English"_s, u"German"_s, u"French"_s}));
    const QModelIndex chapters = model->index(3, 0);
    QCOMPARE(model->index(0, 0, chapters).data().toString(), u"Opening"_s);
    QCOMPARE(model->index(0, 1, chapters).data().toString(), u"00:00:00.000 - 00:00:01.000"_s);
}

void TestAppDelegate::geometryAndAbout()
{
    {
        AppDelegate first;
        first.applicationDidFinishLaunching();
        first.window->show();
        first.window->setGeometry(40, 50, 700, 600);
        first.window->close();
    }
    AppDelegate second;
    second.applicationDidFinishLaunching();
    QCOMPARE(second.window->size(), QSize(700, 600));
    QVERIFY(!second.window->windowIcon().isNull());

    const QString about = aboutText(u"1.0"_s, u"ffmpeg version 5.1"_s);
    QVERIFY(about.contains(u"Videofold 1.0"_s) && about.contains(u"ffmpeg version 5.1"_s));
    QVERIFY(about.contains(u"General Public License"_s));
    QVERIFY(aboutText(u"1.0"_s, QString()).contains(u"FFmpeg was not found"_s));
}

void TestAppDelegate::screenshot()
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    delegate.window->show();
    QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
    const QString target = qEnvironmentVariable("VIDEOFOLD_SCREENSHOT");
    if (!target.isEmpty())
        QVERIFY(delegate.window->grab().save(target));
}

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
