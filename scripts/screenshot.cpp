// Grabs the main window with a video loaded into a PNG, on whatever platform Qt
// runs (scripts/screenshot uses the offscreen one): screenshot VIDEO PNG.
#include "app/appdelegate.h"
#include "app/outputcontrols.h"
#include "app/posterpreview.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QTimer>
#include <QUrl>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    if (argc != 3) {
        std::fputs("usage: videofold_screenshot VIDEO PNG\n", stderr);
        return 2;
    }
    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    delegate.window()->show();
    QObject::connect(&delegate, &AppDelegate::sourceVideoOpened, [&](bool accepted) {
        if (!accepted)
            return QApplication::exit(1);
        // The poster preview comes a moment after the file is accepted.
        auto *poll = new QTimer(&delegate);
        QObject::connect(poll, &QTimer::timeout, [&] {
            if (delegate.outputControls().posterPreview().isIdle())
                QApplication::exit(delegate.window()->grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1);
        });
        poll->start(100);
    });
    delegate.openLaunchArguments({QString::fromLocal8Bit(argv[1])}, QDir::currentPath());
    QTimer::singleShot(60'000, [] { QApplication::exit(1); });
    return application.exec();
}
