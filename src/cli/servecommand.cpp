#include "cli/servecommand.h"

#include "cli/exportcommand.h"
#include "common/unixsignals.h"
#include "export/htmlpage.h"
#include "serve/previewserver.h"

#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

namespace {

const QString usage = QStringLiteral("Usage: videofold serve FOLDER [--port N] [--open]\n\n"
                                     "Serves an exported folder on 127.0.0.1, as a web site would, and prints its page's "
                                     "address; Ctrl+C stops it.\n\n"
                                     "  --port N      The port to listen on (default: one the system picks).\n"
                                     "  --open        Opens the page in the browser.\n"
                                     "  -h, --help    This help.\n");

int usageError(const QString &message)
{
    std::fprintf(stderr, "videofold serve: %s\nTry 'videofold serve --help'.\n", message.toUtf8().constData());
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
        std::fputs(usage.toUtf8().constData(), stdout);
        return exitSuccess;
    }
    if (parser.positionalArguments().size() != 1)
        return usageError(QStringLiteral("Give one exported folder."));
    const QString folder = QFileInfo(parser.positionalArguments().constFirst()).absoluteFilePath();
    if (!QFileInfo(folder + u'/' + pageFileName.toString()).isFile())
        return usageError(QStringLiteral("%1 holds no exported page (%2).").arg(folder, pageFileName.toString()));
    int port = 0;
    if (parser.isSet(portOption)) {
        bool isNumber = false;
        port = parser.value(portOption).toInt(&isNumber);
        if (!isNumber || port < 1 || port > 65535)
            return usageError(QStringLiteral("--port takes a number from 1 to 65535."));
    }

    // Listening for Ctrl+C before the address is out, so that no stop is missed.
    QEventLoop loop;
    UnixSignals signals_;
    QObject::connect(&signals_, &UnixSignals::received, &loop, &QEventLoop::quit);
    PreviewServer server;
    const std::optional<QUrl> url = server.serve(folder, port);
    if (!url) {
        std::fprintf(stderr, "videofold serve: nothing can listen on 127.0.0.1:%d.\n", port);
        return exitFailure;
    }
    std::printf("%s\n", url->toString().toUtf8().constData());
    std::fflush(stdout);
    if (parser.isSet(openOption) && !QProcess::startDetached(QStringLiteral("xdg-open"), {url->toString()}))
        std::fputs("videofold serve: no browser could be opened (xdg-open).\n", stderr);

    loop.exec();
    return exitSuccess;
}
