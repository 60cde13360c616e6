// The window at home on today's desktops: its output rows in view at the default
// size, with and without the queue panel; its dialogs sized to their texts; and
// readable in a dark palette. Run on a laptop's screen and on a dense one at 200 %.
#include "apptesting.h"
#include "app/queuepanel.h"
#include "darkpalette.h"

#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QScrollArea>
#include <QScreen>

using namespace Qt::StringLiterals;

namespace {

// The output rows' controls and captions that are not wholly in the scroll view's visible area.
QStringList rowsOutOfView(const AppDelegate &delegate)
{
    auto *scroll = child<QScrollArea>(delegate, "mainScrollView");
    const QRect visible = scroll->viewport()->rect();
    QStringList out;
    for (const char *name : {"outputResolutionCaption", "outputResolutionSlider", "outputResolutionLBL",
                             "outputResolutionSourceLBL", "outputFileSizeCaption", "outputFileSizeSlider",
                             "outputFileSizeLBL", "outputFileSizeSourceLBL", "outputFileSizeLimitBox",
                             "posterImageCaption", "posterImageSlider", "posterTimeLBL", "trimStartCaption",
                             "trimStartSlider", "trimStartEdit", "setStartBTN", "trimEndCaption", "trimEndSlider",
                             "trimEndEdit", "setEndBTN", "keptPartLBL"}) {
        const QWidget *control = child<QWidget>(delegate, name);
        const QRect shown(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
        if (!control->isVisible() || !visible.contains(shown))
            out << QString::fromLatin1(name);
    }
    return out;
}

// The labels of a dialog that are smaller than their text needs: wrapped ones
// shorter than their text at their width, others narrower than their text.
QStringList cutLabels(const QWidget *dialog)
{
    QStringList cut;
    for (const QLabel *label : dialog->findChildren<QLabel *>()) {
        if (!label->isVisible())
            continue;
        if (label->wordWrap() ? label->height() < label->heightForWidth(label->width())
                              : label->width() < label->sizeHint().width())
            cut << label->objectName();
    }
    return cut;
}

double luminance(const QColor &colour)
{
    return 0.2126 * colour.redF() + 0.7152 * colour.greenF() + 0.0722 * colour.blueF();
}

} // namespace

class TestLayout : public QObject
{
    Q_OBJECT

public:
    static void initMain() { usePrivateSettingsStore(); }

private Q_SLOTS:
    void initTestCase()
    {
        qInfo("screen %dx%d at %g", QGuiApplication::primaryScreen()->size().width(),
              QGuiApplication::primaryScreen()->size().height(), QGuiApplication::primaryScreen()->devicePixelRatio());
    }

    void outputRowsInView()
    {
        LaunchedDelegate delegate;
        QMainWindow *window = delegate.window();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
        QCOMPARE(rowsOutOfView(delegate), QStringList());
        // The queue comes beside the rows, the window growing to hold it.
        const int rowsWidth = window->centralWidget()->width();
        delegate.queueing().panel()->toggleViewAction()->trigger();
        QTRY_VERIFY(delegate.queueing().panel()->isVisible());
        QTRY_COMPARE(rowsOutOfView(delegate), QStringList());
        QTRY_VERIFY(window->centralWidget()->width() >= rowsWidth);
        QVERIFY(window->frameGeometry().right() <= window->screen()->availableGeometry().right() + 1);
        // With the media information too, the two share their side as tabs.
        child<QDockWidget>(delegate, "mediaInfoDock")->toggleViewAction()->trigger();
        QTRY_COMPARE(rowsOutOfView(delegate), QStringList());
        QCOMPARE(window->tabifiedDockWidgets(delegate.queueing().panel()).size(), 1);
        // Remembered: the next launch shows the panel where it was.
        window->close();
        LaunchedDelegate next;
        next.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(next.window()));
        QVERIFY(next.queueing().panel()->isVisible());
        QCOMPARE(next.window()->size(), window->size());
    }

    void dialogsFitTheirTexts()
    {
        LaunchedDelegate delegate;
        delegate.window()->show();
        child<QAction>(delegate, "preferencesAction")->trigger();
        auto *preferences = delegate.window()->findChild<QDialog *>(u"preferencesWindow"_s);
        QVERIFY(preferences && QTest::qWaitForWindowExposed(preferences));
        QCOMPARE(cutLabels(preferences), QStringList());
        preferences->close();
        child<QAction>(delegate, "helpBTN")->trigger();
        auto *help = child<QDialog>(delegate, "helpWindow");
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QCOMPARE(cutLabels(help), QStringList());
        help->hide();
        // The progress sheet with its longest line, and a longer one as another language may give.
        ProgressSheet &sheet = delegate.progressSheet();
        sheet.show(false, u"Creating HTML5 Video..."_s);
        QVERIFY(QTest::qWaitForWindowExposed(sheet.dialog()));
        for (const QString &detail : {u"Waiting for the export under way in the queue to end..."_s,
                                      u"Warten, bis der in der Warteschlange laufende Export beendet ist..."_s}) {
            sheet.setDetail(detail);
            QTRY_COMPARE(cutLabels(sheet.dialog()), QStringList());
        }
        sheet.hide();
    }

    void readableInADarkPalette()
    {
        const QPalette usual = QApplication::palette();
        QApplication::setPalette(darkPalette());
        const auto restore = qScopeGuard([&] { QApplication::setPalette(usual); });
        LaunchedDelegate delegate;
        delegate.window()->show();
        QVERIFY(QTest::qWaitForWindowExposed(delegate.window()));
        // The preview's empty state: light words on the dark window.
        const QImage empty = child<QWidget>(delegate, "posterIMGView")->grab().toImage();
        int light = 0;
        for (int y = 0; y < empty.height(); y += 2) {
            for (int x = 0; x < empty.width(); x += 2)
                light += luminance(empty.pixelColor(x, y)) > 0.6;
        }
        QVERIFY2(light > 20, "the empty preview says nothing readable");
        QVERIFY(openAndWait(delegate, mediaPath(u"long.mp4"_s)));
        // Nothing takes a colour of its own: every text follows the palette.
        for (const QWidget *widget : delegate.window()->findChildren<QWidget *>()) {
            QVERIFY2(widget->styleSheet().isEmpty() && !widget->testAttribute(Qt::WA_SetPalette), qPrintable(widget->objectName()));
            if (const auto *label = qobject_cast<const QLabel *>(widget); label && label->isVisible() && !label->text().isEmpty()) {
                const double text = luminance(label->palette().color(label->foregroundRole()));
                const double back = luminance(label->palette().color(label->backgroundRole()));
                QVERIFY2((std::max(text, back) + 0.05) / (std::min(text, back) + 0.05) >= 4.5, qPrintable(label->objectName()));
            }
        }
    }
};

QTEST_MAIN(TestLayout)
#include "tst_layout.moc"
