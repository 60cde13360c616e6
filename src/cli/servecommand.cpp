#include "cli/servecommand.h"

#include "cli/exportcommand.h"
#include "cli/exportoptions.h"
#include "common/unixsignals.h"
#include "export/htmlpage.h"
#include "serve/previewserver.h"

#include <QCoreApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

namespace {

QString usage()
{
    return QCoreApplication::translate("CommandLine", "Usage: %1").arg(QStringLiteral("videofold serve FOLDER [--port N] [--open]")) + QStringLiteral("\n\n")
        + wrappedText(QCoreApplication::translate("CommandLine", "Serves an exported folder on 127.0.0.1, as a web site would, and prints its "
                                                  "page's address; Ctrl+C stops it."),
                      0, helpWidth(), 0)
        + QStringLiteral("\n\n")
        + helpEntry(QStringLiteral("  --port N"), QCoreApplication::translate("CommandLine", "The port to listen on (default: one the system picks)."), helpWidth())
        + helpEntry(QStringLiteral("  --open"), QCoreApplication::translate("CommandLine", "Opens the page in the browser."), helpWidth())
        + helpEntry(QStringLiteral("  -h, --help"), QCoreApplication::translate("CommandLine", "This help."), helpWidth());
}

void printLine(std::FILE *stream, const QString &line)
{
    std::fprintf(stream, "%s\n", line.toUtf8().constData());
}

int usageError(const QString &message)
{
    printLine(stderr, QStringLiteral("videofold serve: ") + message);
    printLine(stderr, QCoreApplication::translate("CommandLine", "Try '%1'.").arg(QStringLiteral("videofold serve --help")));
    return exitUsage;
}

} // namespace

int runServeCommand(const QStringList &arguments)
{
    const QString portOption = QStringLiteral("port");
    const QString openOption = QStringLiteral("open");
    const QString helpOption = QStringLiteral("help");
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(portOption, QString(), QStringLiteral("N")));
    parser.addOption(QCommandLineOption(openOption));
    parser.addOption(QCommandLineOption(QStringList{QStringLiteral("h"), helpOption}));
    if (!parser.parse(QStringList{QStringLiteral("videofold serve")} + arguments))
        return usageError(parser.errorText());
    if (parser.isSet(helpOption)) {
        std::fputs(usage().toUtf8().constData(), stdout);
        return exitSuccess;
    }
    if (parser.positionalArguments().size() != 1)
        return usageError(QCoreApplication::translate("CommandLine", "Give one exported folder."));
    const QString folder = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    if (!QFileInfo(folder + u'/' + pageFileName.toString()).isFile())
        return usageError(QCoreApplication::translate("CommandLine", "%1 holds no exported page (%2).").arg(folder, pageFileName.toString()));
    int port = 0;
    if (parser.isSet(portOption)) {
        bool isNumber = false;
        port = parser.value(portOption).toInt(&isNumber);
        if (!isNumber || port < 1 || port > 65535)
            return usageError(QCoreApplication::translate("CommandLine", "--port takes a number from 1 to 65535."));
    }

    // Listening for Ctrl+C before the address is out, so that no stop is missed.
    QEventLoop loop;
    UnixSignals signals_;
    QObject::connect(&signals_, &UnixSignals::received, &loop, &QEventLoop::quit);
    PreviewServer server;
    const std::optional<QUrl> url = server.serve(folder, port);
    if (!url) {
        printLine(stderr, QStringLiteral("videofold serve: ") + QCoreApplication::translate("CommandLine", "nothing can listen on 127.0.0.1:%1.").arg(port));
        return exitFailure;
    }
    std::printf("%s\n", url->toString().toUtf8().constData());
    std::fflush(stdout);
    if (parser.isSet(openOption) && !QProcess::startDetached(QStringLiteral("xdg-open"), {url->toString()}))
        printLine(stderr, QStringLiteral("videofold serve: ") + QCoreApplication::translate("CommandLine", "no browser could be opened (xdg-open)."));

    loop.exec();
    return exitSuccess;
}
