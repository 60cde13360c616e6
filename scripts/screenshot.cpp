// Grabs the pictures of the README and the AppStream metainfo on whatever
// platform Qt runs (scripts/screenshot uses the offscreen one), from the media
// tests/make-media.sh makes: screenshot MEDIA_FOLDER DOCS_FOLDER.
#include "app/appdelegate.h"
#include "app/keptpartcontrols.h"
#include "app/openflow.h"
#include "app/outputcontrols.h"
#include "app/posterpreview.h"
#include "app/queueflow.h"
#include "app/queuepanel.h"
#include "app/saveflow.h"
#include "common/diagnostics.h"
#include "common/translations.h"
#include "export/exportqueue.h"
#include "../tests/darkpalette.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QMainWindow>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

namespace {

bool openAndWait(AppDelegate &delegate, const QString &path)
{
    QSignalSpy opened(&delegate, &AppDelegate::sourceVideoOpened);
    delegate.opening().open(path);
    return opened.wait(60'000) && opened.first().first().toBool()
        && QTest::qWaitFor([&] { return delegate.outputControls().posterPreview().isIdle(); }, 60'000);
}

bool save(QWidget *widget, const QString &path)
{
    QTest::qWait(300); // the last layout and paint
    const bool saved = widget->grab().save(path);
    std::printf("%s\n", qPrintable(path));
    return saved;
}

// A video open with a part kept and a size limit typed.
bool grabMainWindow(const QString &media, const QString &path)
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    delegate.window()->show();
    if (!openAndWait(delegate, media + QStringLiteral("/long.mp4")))
        return false;
    delegate.keptPart().setPart(5, 35);
    delegate.outputControls().applySizeLimit(QStringLiteral("800 kB"));
    return QTest::qWaitFor([&] { return delegate.outputControls().posterPreview().isIdle(); }, 60'000)
        && save(delegate.window(), path);
}

// The queue beside the rows: one export done, one running, one waiting, one cancelled.
bool grabQueue(const QString &media, const QString &path)
{
    QTemporaryDir sites;
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    delegate.window()->show();
    ExportQueue &queue = delegate.exportQueue();
    const std::pair<const char *, const char *> exports[] = {
        {"h264-aac.mp4", "clip"}, {"long.mp4", "holiday"}, {"noisy.mp4", "concert"}, {"sdr.mp4", "garden"}};
    for (const auto &[video, folder] : exports) {
        if (!openAndWait(delegate, media + u'/' + QString::fromLatin1(video)))
            return false;
        delegate.saving().queueInto(sites.filePath(QString::fromLatin1(folder)));
    }
    if (queue.exports().size() != 4)
        return false;
    queue.cancel(queue.exports().last().id);
    const quint64 running = queue.exports().at(1).id;
    const bool ready = QTest::qWaitFor([&] {
        const QueuedExport *first = queue.find(queue.exports().first().id);
        const QueuedExport *second = queue.find(running);
        return first && first->isFinished() && second && second->percent >= 20;
    }, 120'000);
    const bool saved = ready && save(delegate.window(), path);
    queue.cancelAll();
    return QTest::qWaitFor([&] { return !queue.isRunning(); }, 30'000) && saved;
}

bool grabPreferences(const QString &path)
{
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    delegate.window()->show();
    // Once the encoder has said whether it has SVT-AV1.
    if (!QTest::qWaitFor([&] { return delegate.av1Unavailable().isEmpty(); }, 10'000))
        std::fputs("the encoder lacks SVT-AV1: the preferences say so\n", stderr);
    delegate.window()->findChild<QAction *>(QStringLiteral("preferencesAction"))->trigger();
    auto *preferences = delegate.window()->findChild<QDialog *>(QStringLiteral("preferencesWindow"));
    return preferences && QTest::qWaitForWindowExposed(preferences) && save(preferences, path);
}

// The same window as the first under a dark palette.
bool grabDark(const QString &media, const QString &path)
{
    QApplication::setPalette(darkPalette());
    return grabMainWindow(media, path);
}

} // namespace

int main(int argc, char *argv[])
{
    // Settings and the queue's file of their own: the user's stay untouched.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    QApplication application(argc, argv);
    installTranslations(); // the language of LC_ALL, as the application's own
    setDiagnosticSink([](const QString &) {});
    if (argc != 3) {
        std::fputs("usage: videofold_screenshot MEDIA_FOLDER DOCS_FOLDER\n", stderr);
        return 2;
    }
    const QString media = QString::fromLocal8Bit(argv[1]);
    const QDir docs(QString::fromLocal8Bit(argv[2]));
    const bool grabbed = grabMainWindow(media, docs.filePath(QStringLiteral("main-window.png")))
        && grabQueue(media, docs.filePath(QStringLiteral("export-queue.png")))
        && grabPreferences(docs.filePath(QStringLiteral("preferences.png")))
        && grabDark(media, docs.filePath(QStringLiteral("dark.png")));
    return grabbed ? 0 : 1;
}
