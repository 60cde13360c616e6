// The window and its parts, on the offscreen platform and on the session bus
// dbus-run-session gives the test, where the desktop learns of exports.
#include "app/desktopnotices.h"
#include "app/dropviews.h"
#include "app/outputfolderdialog.h"
#include "apptesting.h"
#include "app/userdefaults.h"
#include "common/diagnostics.h"
#include "tools/mediatools.h"

#include <QAccessible>
#include <QCheckBox>
#include <QDesktopServices>
#include <QComboBox>
#include <QMenuBar>
#include <QDBusConnection>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QSlider>
#include <QToolBar>
#include <QTreeView>

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
    QVERIFY(enter.isAccepted() && enter.dropAction() == Qt::CopyAction);
    QDropEvent event(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(view, &event);
}

} // namespace

// The desktop as it listens: a notification service, and the launcher entry's updates.
class DesktopListener : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList calls; // "icon|summary|body"
    QList<QVariantMap> updates;
public Q_SLOTS:
    uint Notify(const QString &, uint, const QString &icon, const QString &summary, const QString &body,
                const QStringList &, const QVariantMap &, int)
    {
        calls << icon + u'|' + summary + u'|' + body;
        return uint(calls.size());
    }
    void update(const QString &uri, const QVariantMap &properties)
    {
        if (uri == DesktopNotices::applicationUri)
            updates << properties;
    }
};

class TestAppDelegate : public QObject
{
    Q_OBJECT

public:
    static void initMain() { usePrivateSettingsStore(); }

private Q_SLOTS:
    void initTestCase() { QCoreApplication::setApplicationVersion(u"1.0"_s); }

    void openAndRefuse()
    {
        LaunchedDelegate delegate;
        QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
        QVERIFY(child<QSlider>(delegate, "posterImageSlider")->value() == 50 && child<QAction>(delegate, "saveToolBarBTN")->isEnabled());
        QCOMPARE(child<ImageDropView>(delegate, "posterIMGView")->image().size(), QSize(640, 480));
        // The labels follow the sliders at once.
        child<QSlider>(delegate, "outputResolutionSlider")->setValue(50);
        child<QSlider>(delegate, "outputFileSizeSlider")->setValue(50);
        QCOMPARE(child<QLabel>(delegate, "outputResolutionLBL")->text(), u"160 x 120"_s);
        QCOMPARE(delegate.window()->findChild<QLabel *>(u"outputResolutionSourceLBL"_s)->text(), u"of 320 x 240 (50 %)"_s);
        QVERIFY(delegate.window()->findChild<QLabel *>(u"outputFileSizeSourceLBL"_s)->text().endsWith(u" (50 %)"));
        child<QSlider>(delegate, "outputResolutionSlider")->setValue(1);
        QCOMPARE(child<QLabel>(delegate, "outputResolutionLBL")->text(), u"4 x 2"_s);

        // A refused file leaves the first loaded as the user left it.
        const auto probe = delegate.opening().source().probe;
        QVERIFY(openAndWait(delegate, mediaPath(u"MOVIE.VOB"_s)));
        QMessageBox *alert = takeAlert(delegate);
        QVERIFY(alert && alert->icon() == QMessageBox::Information && alert->buttons().size() == 1);
        QCOMPARE(alert->informativeText(), u"Contact: support@videofold.org"_s);
        QVERIFY(delegate.opening().source().probe == probe && child<QLabel>(delegate, "outputResolutionLBL")->text() == u"4 x 2");
        // Opening the same file again starts from fresh slider values.
        QVERIFY(openAndWait(delegate, mediaPath(u"h264-aac.mp4"_s)));
        QCOMPARE(child<QSlider>(delegate, "outputResolutionSlider")->value(), 100);
    }

    void titleFactsAndRecentFiles()
    {
        clearSettings();
        QTemporaryDir folder;
        // Eleven files, one named like markup and mnemonics.
        QStringList files;
        for (int i = 0; i < 11; ++i) {
            files << folder.filePath(i == 10 ? u"<b>Tom & Jerry.mp4"_s : u"clip%1.mp4"_s.arg(i));
            QVERIFY(QFile::copy(mediaPath(i % 2 ? u"video-only.mp4"_s : u"h264-aac.mp4"_s), files.last()));
        }
        LaunchedDelegate delegate;
        auto *facts = delegate.window()->findChild<QLabel *>(u"sourceFactsLBL"_s);
        QVERIFY(delegate.window()->windowTitle() == u"Videofold" && facts->text().isEmpty());

        // The title and the facts line name the accepted file; a source without audio has no audio fact.
        QVERIFY(openAndWait(delegate, files[0]));
        QCOMPARE(delegate.window()->windowTitle(), u"clip0.mp4 – Videofold"_s);
        QCOMPARE(delegate.window()->windowFilePath(), files[0]);
        QVERIFY(facts->text().startsWith(u"320 x 240 · 00:00:02 · ") && facts->text().endsWith(u" · H.264 · AAC mono"));
        QVERIFY(openAndWait(delegate, files[1]));
        QVERIFY(facts->text().startsWith(u"640 x 360 · 00:00:01 · ") && facts->text().endsWith(u" kB · H.264"));
        QVERIFY(openAndWait(delegate, mediaPath(u"notes.txt"_s)));
        answerAlert(delegate);
        QCOMPARE(delegate.window()->windowTitle(), u"clip1.mp4 – Videofold"_s); // a refusal changes nothing

        // Open Recent: newest first, ten at most, names as text.
        for (int i = 2; i < 11; ++i)
            QVERIFY(openAndWait(delegate, files[i]));
        auto *recent = delegate.window()->findChild<QMenu *>(u"recentMenu"_s);
        auto recentTexts = [recent] {
            QStringList texts;
            for (QAction *action : recent->actions())
                texts << action->text();
            return texts.filter(QRegularExpression(u"."_s));
        };
        QStringList expected = {u"<b>Tom && Jerry.mp4"_s};
        for (int i = 9; i >= 1; --i)
            expected << u"clip%1.mp4"_s.arg(i);
        QCOMPARE(recentTexts(), expected + QStringList{u"Clear Menu"_s});

        // Choosing one runs the open flow; one that is gone is refused and leaves the list.
        QSignalSpy opened(&delegate, &AppDelegate::sourceVideoOpened);
        recent->actions().at(3)->trigger();
        QVERIFY(opened.wait(20'000) && QTest::qWaitFor([&] { return delegate.outputControls().posterPreview().isIdle(); }, 20'000));
        QCOMPARE(QUrl::fromLocalFile(delegate.opening().source().path), QUrl::fromLocalFile(files[7]));
        QCOMPARE(recentTexts().first(), u"clip7.mp4"_s);
        QVERIFY(QFile::remove(files[5]));
        recent->actions().at(recentTexts().indexOf(u"clip5.mp4"_s))->trigger();
        QVERIFY(opened.wait(20'000) && !opened.last().first().toBool() && takeAlert(delegate));
        QVERIFY(!recentTexts().contains(u"clip5.mp4"_s));
        recent->actions().last()->trigger(); // Clear Menu
        QVERIFY(recentTexts() == QStringList{u"Clear Menu"_s} && UserDefaults().stringList(u"recentFiles"_s).isEmpty());

        // A launch with files opens the first, as a drop would; a refused one gets the refusal.
        delegate.openLaunchArguments({u"--some-option"_s, u"clip3.mp4"_s, files[4]}, folder.path());
        QVERIFY(opened.wait(20'000) && QTest::qWaitFor([&] { return delegate.outputControls().posterPreview().isIdle(); }, 20'000));
        QCOMPARE(QUrl::fromLocalFile(delegate.opening().source().path), QUrl::fromLocalFile(files[3]));
        delegate.openLaunchArguments({QUrl::fromLocalFile(mediaPath(u"notes.txt"_s)).toString()}, folder.path());
        QVERIFY(opened.wait(20'000) && takeAlert(delegate));

        // The toolbar's icons come from the theme, or from the bundle where there is none.
        for (QAction *action : delegate.window()->findChild<QToolBar *>()->actions())
            QVERIFY2(action->isSeparator() || !action->icon().isNull(), qPrintable(action->objectName()));
    }

    void drops()
    {
        LaunchedDelegate delegate;
        QSignalSpy opened(&delegate, &AppDelegate::sourceVideoOpened);
        // A folder is skipped; of several files only the first opens.
        drop(child<ImageDropView>(delegate, "posterIMGView"), {QUrl::fromLocalFile(mediaPath(u"folder"_s)), QUrl::fromLocalFile(mediaPath(u"video-only.mp4"_s)),
                                      QUrl::fromLocalFile(mediaPath(u"h264-aac.mp4"_s))});
        QVERIFY(opened.wait(20'000));
        QCOMPARE(QUrl::fromLocalFile(delegate.opening().source().path), QUrl::fromLocalFile(mediaPath(u"video-only.mp4"_s)));
        // Only folders, or a web link: nothing happens.
        for (QWidget *view : {static_cast<QWidget *>(delegate.window()->findChild<DropView *>()),
                              delegate.window()->findChild<ScrollDropView *>()->viewport()}) {
            drop(view, {QUrl::fromLocalFile(mediaPath(u"folder"_s))});
            drop(view, {QUrl(u"https://example.org/video.mp4"_s)});
        }
        QTest::qWait(200);
        QCOMPARE(opened.size(), 1);
    }

    // What a screen reader reads for each control: the words beside it, never an identifier;
    // what a slider gives as its description, kept current.
    void namedInWords_data()
    {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const std::tuple<const char *, const char *, const char *> rows[] = {
            {"outputResolutionSlider", "Frame size", "640 x 360"}, {"outputFileSizeSlider", "Target size", "1.8 MB"},
            {"outputFileSizeLimitBox", "Size limit", ""}, {"posterImageSlider", "Poster frame", "0:15.0"},
            {"posterIMGView", "Poster frame at 0:15.0", ""}, {"trimStartSlider", "Start", ""},
            {"trimStartEdit", "Start time", ""}, {"setStartBTN", "Set Start", ""}, {"trimEndSlider", "End", ""},
            {"trimEndEdit", "End time", ""}, {"setEndBTN", "Set End", ""}};
        for (const auto &[object, name, description] : rows)
            QTest::newRow(object) << QString::fromLatin1(object) << QString::fromUtf8(name) << QString::fromUtf8(description);
    }

    void namedInWords()
    {
        QFETCH(QString, objectName);
        LaunchedDelegate delegate;
        delegate.window()->show();
        QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
        auto *widget = delegate.window()->findChild<QWidget *>(objectName);
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QTEST(accessible->text(QAccessible::Name), "name");
        QFETCH(QString, description);
        if (!description.isEmpty())
            QCOMPARE(accessible->text(QAccessible::Description), description);
    }

    void heardAndReachedByKeyboard()
    {
        LaunchedDelegate delegate;
        QMainWindow *window = delegate.window();
        window->show();
        QApplication::setActiveWindow(window);
        QVERIFY(QTest::qWaitForWindowActive(window));
        QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
        // No control, toolbar button or sheet is heard by an identifier.
        QStringList identifiers;
        for (const QWidget *widget : window->findChildren<QWidget *>())
            identifiers << widget->objectName();
        identifiers.removeAll(QString());
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!widget->isVisible() && !qobject_cast<QDialog *>(widget))
                continue;
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
            const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
            QVERIFY2(!identifiers.contains(name), qPrintable(widget->objectName() + u" is heard as "_s + name));
        }
        for (QAction *action : {child<QAction>(delegate, "openVideoBTN"), child<QAction>(delegate, "saveToolBarBTN"),
                                child<QAction>(delegate, "addToQueueBTN"), child<QAction>(delegate, "helpBTN")}) {
            QWidget *button = window->findChild<QToolBar *>()->widgetForAction(action);
            QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), action->iconText());
        }
        // A video opened leaves the focus on the first row; Tab follows the rows as they are read.
        QTRY_COMPARE(window->focusWidget(), child<QWidget>(delegate, "outputResolutionSlider"));
        QApplication::setActiveWindow(window); // the analysing sheet had it
        QTRY_COMPARE(QApplication::focusWidget(), child<QWidget>(delegate, "outputResolutionSlider"));
        QStringList order;
        for (int step = 0; step < 10; ++step) {
            QWidget *focus = QApplication::focusWidget();
            // The size limit's field is the line edit inside its box.
            order << (qobject_cast<QComboBox *>(focus->parentWidget()) ? focus->parentWidget() : focus)->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(order, (QStringList{u"outputResolutionSlider"_s, u"outputFileSizeSlider"_s, u"outputFileSizeLimitBox"_s,
                                     u"posterImageSlider"_s, u"trimStartSlider"_s, u"trimStartEdit"_s, u"setStartBTN"_s,
                                     u"trimEndSlider"_s, u"trimEndEdit"_s, u"setEndBTN"_s}));
        // Mnemonics: each caption's key reaches its slider, no two alike, none a menu's.
        QStringList keys;
        for (const QMenu *menu : window->menuBar()->findChildren<QMenu *>(Qt::FindDirectChildrenOnly))
            keys << menu->title().section(u'&', 1).left(1).toLower();
        for (const char *caption : {"outputResolutionCaption", "outputFileSizeCaption", "posterImageCaption",
                                    "trimStartCaption", "trimEndCaption"}) {
            const QLabel *label = child<QLabel>(delegate, caption);
            const QString key = label->text().section(u'&', 1).left(1).toLower();
            QVERIFY2(!key.isEmpty() && !keys.contains(key), caption);
            keys << key;
            QTest::keyClick(window, key.at(0).toLatin1(), Qt::AltModifier);
            QCOMPARE(QApplication::focusWidget(), label->buddy());
        }
        for (const char *button : {"setStartBTN", "setEndBTN"}) {
            const QString key = child<QPushButton>(delegate, button)->text().section(u'&', 1).left(1).toLower();
            QVERIFY2(!key.isEmpty() && !keys.contains(key), button);
            keys << key;
        }
        // Escape on the export's sheet does what its Cancel does; the focus comes back to the rows.
        QTemporaryDir out;
        QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
        delegate.saving().exportInto(out.filePath(u"escaped"_s));
        QVERIFY(QTest::qWaitFor([&] { return encoderRunning(delegate); }, 20'000));
        QTest::keyClick(delegate.progressSheet().dialog(), Qt::Key_Escape);
        QVERIFY(finished.wait(20'000) && !finished.first().first().toBool());
        QVERIFY(!QFileInfo::exists(out.filePath(u"escaped"_s)));
        QTRY_VERIFY(window->focusWidget() && window->focusWidget()->isEnabled());
    }

    void sheetsAndPane()
    {
        LaunchedDelegate delegate;
        delegate.window()->show();
        child<QAction>(delegate, "saveToolBarBTN")->trigger(); // with nothing open, nothing to save
        QVERIFY(!delegate.window()->findChild<OutputFolderDialog *>());
        child<QAction>(delegate, "helpBTN")->trigger();
        QVERIFY(child<QDialog>(delegate, "helpWindow")->isVisible() && child<QDialog>(delegate, "helpWindow")->windowModality() == Qt::WindowModal);
        QVERIFY(!child<QDialog>(delegate, "helpWindow")->findChild<QPushButton *>(u"rateAppBTN"_s)->isVisible()); // no store prompt here
        // Message the Developer writes to the support address, in the desktop's mail program.
        UrlRecorder mailed;
        QDesktopServices::setUrlHandler(u"mailto"_s, &mailed, "open");
        child<QDialog>(delegate, "helpWindow")->findChild<QPushButton *>(u"whatsAppBTN"_s)->click();
        QDesktopServices::unsetUrlHandler(u"mailto"_s);
        QCOMPARE(mailed.urls, QList<QUrl>{QUrl(u"mailto:support@videofold.org?subject=Videofold"_s)});
        child<QPushButton>(delegate, "okBTN")->click();
        QVERIFY(!child<QDialog>(delegate, "helpWindow")->isVisible());

        // The page switches write the store as they are toggled; Autoplay brings Muted, which may go again.
        child<QAction>(delegate, "preferencesAction")->trigger();
        auto *autoplay = delegate.window()->findChild<QCheckBox *>(u"autoplayCheckBox"_s);
        autoplay->setChecked(true);
        QVERIFY(UserDefaults().boolean(u"autoplayParam"_s) && UserDefaults().boolean(u"mutedParam"_s));
        delegate.window()->findChild<QCheckBox *>(u"mutedCheckBox"_s)->setChecked(false);
        QVERIFY(!UserDefaults().boolean(u"mutedParam"_s) && autoplay->isChecked());
        QVERIFY(!delegate.window()->findChild<QCheckBox *>(u"approximateSizeCheckBox"_s)->isChecked()); // exact by default
        autoplay->setChecked(false);
        // The AV1 version is offered once the encoder has said it has SVT-AV1.
        QVERIFY(QTest::qWaitFor([&] { return delegate.av1Unavailable().isEmpty(); }, 10'000));
        // ... but not with the minimal page, whose untyped video a browser could not pass over.
        autoplay->window()->close();
        child<QAction>(delegate, "preferencesAction")->trigger();
        auto *av1 = delegate.window()->findChildren<QCheckBox *>(u"av1VersionCheckBox"_s).last();
        QVERIFY(av1->isEnabled());
        av1->window()->findChild<QCheckBox *>(u"minimalPageCheckBox"_s)->setChecked(true);
        QVERIFY(!av1->isEnabled() && av1->accessibleDescription().contains(u"no AV1 version"_s));
        av1->window()->findChild<QCheckBox *>(u"minimalPageCheckBox"_s)->setChecked(false);
        QVERIFY(av1->isEnabled() && av1->accessibleDescription().isEmpty());
        av1->window()->close();
        QTemporaryDir tools;
        QVERIFY(writeScript(tools.filePath(u"creator"_s), "#!/bin/sh\necho ' V....D libx264   libx264 H.264'\n"));
        qputenv(MediaTools::resourcesVariable, QFile::encodeName(tools.path()));
        LaunchedDelegate withoutAv1;
        QVERIFY(QTest::qWaitFor([&] { return withoutAv1.av1Unavailable().contains(u"without SVT-AV1"_s); }, 10'000));
        child<QAction>(withoutAv1, "preferencesAction")->trigger();
        qunsetenv(MediaTools::resourcesVariable);
        QVERIFY(!withoutAv1.window()->findChild<QCheckBox *>(u"av1VersionCheckBox"_s)->isEnabled());
        QVERIFY(withoutAv1.window()->findChild<QLabel *>(u"av1UnavailableLabel"_s)->text().contains(tools.path()));

        // The analysing sheet cannot be dismissed by Escape, and opens while it is up are ignored.
        delegate.progressSheet().show(true, u"Analyzing File..."_s);
        QTest::keyClick(child<QDialog>(delegate, "progressWindow"), Qt::Key_Escape);
        QVERIFY(child<QDialog>(delegate, "progressWindow")->isVisible() && child<QPushButton>(delegate, "progressBarCancelBTN")->isHidden());
        delegate.opening().open(mediaPath(u"h264-aac.mp4"_s));
        QVERIFY(!delegate.isBusy());
        delegate.progressSheet().hide();

        // The information pane: file, tracks with their languages, container, chapters.
        QVERIFY(openAndWait(delegate, mediaPath(u"subtitles.mkv"_s)));
        const QAbstractItemModel *model = delegate.window()->findChild<QTreeView *>(u"mediaInfoView"_s)->model();
        QStringList seen = {model->index(2, 0).data().toString()};
        const QModelIndex tracks = model->index(1, 0);
        for (int track = 0; track < model->rowCount(tracks); ++track) {
            const QModelIndex item = model->index(track, 0, tracks);
            for (int row = 0; row < model->rowCount(item); ++row) {
                if (model->index(row, 0, item).data() == u"Language"_s)
                    seen << model->index(row, 1, item).data().toString();
            }
        }
        seen << model->index(0, 0, model->index(3, 0)).data().toString() << model->index(0, 1, model->index(3, 0)).data().toString();
        QCOMPARE(seen, (QStringList{u"Container"_s, u"English"_s, u"German"_s, u"French"_s, u"Opening"_s,
                                    u"00:00:00.000 - 00:00:01.000"_s}));
        // Closed while a probe runs, the window waits for it: no thread outlives it.
        delegate.opening().open(mediaPath(u"long.mp4"_s));
    }

    void geometryAndAbout()
    {
        {
            LaunchedDelegate first;
            first.window()->show();
            first.window()->setGeometry(40, 50, 700, 600);
            first.window()->close();
        }
        LaunchedDelegate second;
        QCOMPARE(second.window()->size(), QSize(700, 600));
        QVERIFY(!second.window()->windowIcon().isNull());
        QVERIFY(aboutText(u"1.0"_s, u"ffmpeg <5.1>"_s).contains(u"ffmpeg &lt;5.1&gt;"_s));
        QVERIFY(aboutText(u"1.0"_s, QString()).contains(u"FFmpeg was not found"_s));
    }

    void exportSeenOutsideTheWindow()
    {
        // The listeners on a connection of their own, as other programs would be.
        QDBusConnection desktop = QDBusConnection::connectToBus(QDBusConnection::SessionBus, u"desktop"_s);
        if (!desktop.isConnected())
            QSKIP("no session bus: run under dbus-run-session");
        DesktopListener listener;
        QVERIFY(desktop.registerObject(u"/org/freedesktop/Notifications"_s, &listener, QDBusConnection::ExportAllSlots));
        if (!desktop.registerService(u"org.freedesktop.Notifications"_s))
            QSKIP("the desktop's own notification service is up: run under dbus-run-session");
        QVERIFY(desktop.connect(QString(), QString(), u"com.canonical.Unity.LauncherEntry"_s, u"Update"_s, &listener,
                                SLOT(update(QString, QVariantMap))));

        // A window that is not active, as when the user works elsewhere.
        LaunchedDelegate delegate;
        QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
        child<QSlider>(delegate, "outputResolutionSlider")->setValue(25);
        QTemporaryDir out;
        QCOMPARE(exportAndWait(delegate, out.filePath(u"Holiday"_s), 120'000), std::optional(true));
        QTRY_COMPARE(listener.calls, QStringList{u"org.videofold.Videofold|HTML5 video created|Holiday"_s});

        // The progress rose and was taken away at the end.
        QTRY_VERIFY(!listener.updates.isEmpty() && !listener.updates.last().value(u"progress-visible"_s).toBool());
        QVERIFY(listener.updates.size() >= 3);
        double previous = -1;
        for (const QVariantMap &update : listener.updates.first(listener.updates.size() - 1)) {
            const double progress = update.value(u"progress"_s).toDouble();
            QVERIFY(update.value(u"progress-visible"_s).toBool() && progress > previous && progress <= 1);
            previous = progress;
        }

        // Without a notification service an export still ends as usual.
        QVERIFY(desktop.unregisterService(u"org.freedesktop.Notifications"_s));
        child<QSlider>(delegate, "outputResolutionSlider")->setValue(10);
        child<QSlider>(delegate, "outputFileSizeSlider")->setValue(5);
        QCOMPARE(exportAndWait(delegate, out.filePath(u"Again"_s), 120'000), std::optional(true));
        QCOMPARE(listener.calls.size(), 1);
    }
};

QTEST_MAIN(TestAppDelegate)
#include "tst_appdelegate.moc"
