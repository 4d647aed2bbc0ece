#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>

namespace brelvane::platform {

// The Flash engine's files (ruffle.js and what it loads) lie in a folder
// "ruffle" beside the program, or in the folder BRELVANE_RUFFLE_DIR names.
// Empty when neither holds the engine.
QString FlashEngineFolder();
// Replaces the folder looked for (tests); nothing goes back to looking.
void SetFlashEngineFolder(std::optional<QString> folder);

// How the engine plays one movie.
struct FlashMovieSettings {
    // The movie's file; a blank one shows the player without a movie.
    QString MovieFile;
    // The movie itself, served instead of the file when not empty (a copy
    // changed to play once: the engine has no loop setting of its own).
    QByteArray MovieBytes;
    // The player's own right-click menu.
    bool ContextMenu = true;
};

// Lists the engine files and the movie on the process's loopback server and
// returns the address of a page that plays it; empty when the engine files
// are missing or no port could be had. The page reports the movie's frame
// size in window.brelvaneMovie once the engine has read it, and
// window.brelvaneError when it could not.
QUrl FlashHostPage(const FlashMovieSettings& settings);

} // namespace brelvane::platform
