#pragma once

#include <QStringList>

// "videofold serve FOLDER [--port N] [--open]": serves an export folder on
// 127.0.0.1 as the window's "Open in Browser" does, prints the page's address,
// opens it in the browser with --open, and stops on Ctrl+C or SIGTERM (status
// 0). A folder without an exported page is a usage error (status 2); a port
// that cannot be had, status 1. Takes the arguments after "serve".
[[nodiscard]] int runServeCommand(const QStringList &arguments);
