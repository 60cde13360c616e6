// Measures the window's own costs (its memory, the stalls of its thread, its
// start-up) and prints one table.
#include "benchsupport.h"

#include "app/appdelegate.h"
#include "app/openflow.h"
#include "app/outputcontrols.h"
#include "app/posterpreview.h"
#include "app/saveflow.h"
#include "common/diagnostics.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>

#include <memory>

namespace {

bool openAndWait(AppDelegate &delegate, const QString &path)
{
    QSignalSpy opened(&delegate, &AppDelegate::sourceVideoOpened);
    delegate.opening().open(path);
    if (!opened.wait(60'000) || !opened.first().first().toBool())
        return false;
    return QTest::qWaitFor([&] { return delegate.outputControls().posterPreview().isIdle(); }, 60'000);
}

struct WindowBench : FigureSheet
{
    // The window's own costs: its memory with a video loaded, and the longest
    // stall of its thread while a file opens, its preview is made and it exports.
    void idleMemoryAndStall()
    {
        Figure &memory = figure(QStringLiteral("idle memory"), QStringLiteral("MB"), 80);
        Figure &stall = figure(QStringLiteral("main-thread stall"), QStringLiteral("ms"), 50);
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching();
        delegate.window()->show();
        delegate.userDefaults().setValue(QStringLiteral("approximateSizeParam"), true);
        for (int run = 0; run < 3; ++run) {
            auto heartbeat = std::make_unique<Heartbeat>();
            if (!openAndWait(delegate, source))
                return;
            if (run == 0)
                memory.samples << double(residentKilobytes()) / 1024;
            delegate.window()->findChild<QSlider *>(QStringLiteral("outputResolutionSlider"))->setValue(50);
            QSignalSpy finished(&delegate, &AppDelegate::exportFinished);
            delegate.saving().exportInto(folder.filePath(QStringLiteral("window-%1").arg(run)));
            finished.wait(600'000);
            stall.samples << heartbeat->longestGap();
            if (auto *alert = delegate.window()->findChild<QMessageBox *>(QStringLiteral("alert"))) {
                alert->setObjectName(QString());
                alert->close();
            }
        }
    }

    // The open flow when the source is deleted while its preview is being made:
    // the longest stall from the deletion until the next open panel is up.
    void stallWithSourceDeleted()
    {
        Figure &stall = figure(QStringLiteral("main-thread stall, source deleted mid-preview"), QStringLiteral("ms"), 50);
        AppDelegate delegate;
        delegate.applicationDidFinishLaunching();
        delegate.window()->show();
        const QString copy = folder.filePath(QStringLiteral("deleted.mp4"));
        for (int run = 0; run < 3; ++run) {
            QFile::remove(copy);
            if (!QFile::copy(source, copy))
                return;
            QSignalSpy opened(&delegate, &AppDelegate::sourceVideoOpened);
            delegate.opening().open(copy);
            if (!opened.wait(60'000))
                return;
            auto heartbeat = std::make_unique<Heartbeat>();
            QFile::remove(copy);
            delegate.window()->findChild<QAction *>(QStringLiteral("openVideoBTN"))->trigger();
            const bool panelUp = QTest::qWaitFor([&] {
                const QFileDialog *panel = delegate.window()->findChild<QFileDialog *>();
                return panel && panel->isVisible() && delegate.outputControls().posterPreview().isIdle();
            }, 60'000);
            if (!panelUp)
                return;
            stall.samples << heartbeat->longestGap();
            delete delegate.window()->findChild<QFileDialog *>();
        }
    }

    void startUp(const QString &binary)
    {
        Figure &startup = figure(QStringLiteral("start-up"), QStringLiteral("ms"), 300);
        QTemporaryDir settings;
        for (int run = 0; run < 11; ++run) {
            QProcess app;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            environment.insert(QStringLiteral("XDG_CONFIG_HOME"), settings.path());
            app.setProcessEnvironment(environment);
            QElapsedTimer clock;
            clock.start();
            app.start(binary, {});
            // The launch count line comes as the window is about to show (from the second launch on).
            const bool counted = app.waitForReadyRead(10'000);
            const double ms = milliseconds(clock);
            app.terminate();
            app.waitForFinished(5'000);
            if (run > 0 && counted)
                startup.samples << ms;
        }
    }
};

} // namespace

int main(int argc, char *argv[])
{
    // The figures are the application's own, not a window system's.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settings.path()));
    setDiagnosticSink([](const QString &) {});

    WindowBench bench;
    if (!bench.makeSourceFile())
        return 1;
    say(QStringLiteral("memory and stalls of the window"));
    bench.idleMemoryAndStall();
    bench.stallWithSourceDeleted();
    say(QStringLiteral("start-up"));
    bench.startUp(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("videofold")));
    return bench.finish(argc, argv, QStringLiteral("bench/window-results.json"));
}
