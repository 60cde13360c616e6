#pragma once

#include <QString>
#include <QStringList>

// The player a visitor page runs: media-chrome's controls bundled with the
// page's own parts (chapters menu, Media Session), and the starter that shows
// a play button over the poster and loads the player when the visitor comes to
// use it; built into the resource directory's "web" folder and copied with the
// library's licence into the folder's "player" subfolder. Without JavaScript
// the page's video plays as it is.
namespace WebPlayer {

inline constexpr QStringView folderName = u"player";

[[nodiscard]] QStringList fileNames();

// The script the page runs, from the page: the starter.
[[nodiscard]] QString pageScript();

// The resource directory's folder of web files, whence every export copies them.
[[nodiscard]] QString sourceFolder();

// Copies the named files of the web folder into targetFolder (made when
// missing, in a folder that must be there), replacing what is there; why not,
// in words, when one could not be.
[[nodiscard]] QString copyFiles(const QStringList &names, const QString &targetFolder);

// Copies the player into folder's subfolder; why not when it could not.
[[nodiscard]] QString copyInto(const QString &folder);

} // namespace WebPlayer
