#include "app/appdelegate.h"
#include "app/toolcheck.h"
#include "cli/exportcommand.h"
#include "cli/exportoptions.h"
#include "cli/servecommand.h"
#include "common/abnormalexit.h"
#include "common/translations.h"
#include "common/unixsignals.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>

#include <cstdio>

namespace {

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("Videofold"));
    QCoreApplication::setOrganizationName(QStringLiteral("Videofold"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VIDEOFOLD_VERSION));
}

// The commands that need no window, and so no display: an exit status, or
// nothing when the window is to open.
std::optional<int> runCommand(int argc, char *argv[])
{
    if (argc < 2)
        return std::nullopt;
    const QByteArray first = argv[1];
    if (first == "--check-tools") {
        QCoreApplication core(argc, argv);
        installTranslations();
        return checkTools(QCoreApplication::arguments());
    }
    if (first == "-h" || first == "--help") {
        QCoreApplication core(argc, argv);
        installTranslations();
        std::fputs(applicationHelpText(helpWidth()).toUtf8().constData(), stdout);
        return 0;
    }
    if (first == "--version") {
        std::printf("videofold %s\n", VIDEOFOLD_VERSION);
        return 0;
    }
    if (first == "export") {
        QCoreApplication core(argc, argv);
        nameApplication();
        installTranslations();
        return runExportCommand(QCoreApplication::arguments().mid(2));
    }
    if (first == "serve") {
        QCoreApplication core(argc, argv);
        nameApplication();
        installTranslations();
        return runServeCommand(QCoreApplication::arguments().mid(2));
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[])
{
    // Diagnostic lines reach a pipe or a log one line at a time.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (const std::optional<int> status = runCommand(argc, argv))
        return *status;

    QApplication application(argc, argv);
    // Qt's platforms end the program when the display server goes away.
    AbnormalExit::install();
    nameApplication();
    installTranslations();
    QApplication::setDesktopFileName(QStringLiteral("org.videofold.Videofold"));

    // Logout, shutdown, kill or Ctrl+C where it was started: an export under way
    // is stopped and removed, as "Stop and Quit" does. Caught from the start, a
    // signal that comes while the window is being made waits for the event loop.
    UnixSignals sessionEnd;
    AppDelegate delegate;
    int endedBySignal = 0;
    QObject::connect(&sessionEnd, &UnixSignals::received, &delegate, [&delegate, &endedBySignal](int signalNumber) {
        endedBySignal = signalNumber;
        delegate.stopAndQuit();
    });
    // A logout through the session manager ends it the same way.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &delegate, [&delegate] { delegate.stopAndQuit(); });
    delegate.applicationDidFinishLaunching();
    delegate.window()->show();
    delegate.openLaunchArguments(QCoreApplication::arguments().mid(1), QDir::currentPath());
    const int status = application.exec();
    AbnormalExit::ordinaryEnd();
    // As a shell reports a program that a signal ended: 130 after Ctrl+C, 143 after SIGTERM, 129 after SIGHUP.
    return endedBySignal ? 128 + endedBySignal : status;
}
