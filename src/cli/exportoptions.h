#pragma once

#include "export/exportchoice.h"

#include <QString>
#include <QStringList>

#include <optional>

// What every export of one "videofold export" shares, from its options.
struct CommandSettings
{
    // The application's defaults, not a window's saved preferences: a script
    // gives the same result on every machine.
    ExportChoice choice;
    bool replace = false;
    bool quiet = false;
    bool json = false;
    QString output;
    QStringList sources;
};

// Reads the options after "export"; an error text for anything that cannot be read.
// helpAsked is set for "--help", and nothing else is read then.
[[nodiscard]] std::optional<QString> readSettings(const QStringList &arguments, CommandSettings &settings, bool &helpAsked);

// The folder each source goes to: with one source the output itself (default
// "HTML5Video", as the save panel offers); with several, a folder named after
// each source inside the output, twins numbered.
[[nodiscard]] QStringList outputFolders(const CommandSettings &settings);

// What "videofold export --help" prints, wrapped at width columns.
[[nodiscard]] QString exportHelpText(int width);

// The width help is wrapped at: the terminal's, or 80 columns where standard output is none.
[[nodiscard]] int helpWidth();

// The column where every option's description starts.
inline constexpr qsizetype helpColumn = 29;

// text wrapped at width between words; the first line goes on from firstColumn,
// the others start at indent.
[[nodiscard]] QString wrappedText(const QString &text, qsizetype indent, qsizetype width, qsizetype firstColumn);

// One entry of a help's list: its name (as "  --size SIZE") and its description
// from helpColumn on, wrapped at width.
[[nodiscard]] QString helpEntry(QString left, const QString &description, int width);
