#include "app/appdelegate.h"

#include <QApplication>
#include <QMainWindow>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Diagnostic lines reach a pipe or a log one line at a time.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Videofold"));
    QApplication::setOrganizationName(QStringLiteral("Videofold"));
    QApplication::setApplicationVersion(QStringLiteral(VIDEOFOLD_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.videofold.Videofold"));

    AppDelegate delegate;
    delegate.applicationDidFinishLaunching();
    delegate.window->show();
    return application.exec();
}
