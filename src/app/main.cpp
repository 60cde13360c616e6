#include "app/appdelegate.h"
#include "app/toolcheck.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Diagnostic lines reach a pipe or a log one line at a time.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    if (argc > 1 && qstrcmp(argv[1], "--check-tools") == 0) {
        QCoreApplication core(argc, argv);
        return checkTools(QCoreApplication::arguments());
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Videofold"));
    QApplication::setOrganizationName(QStringLiteral("Videofold"));
    QApplication::setApplicationVersion(QStringLiteral(VIDEOFOLD_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.videofold.Videofold"));

    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    delegate.window->show();
    delegate.openLaunchArguments(QCoreApplication::arguments().mid(1), QDir::currentPath());
    return application.exec();
}
