// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the files a player keeps (the debt logs) go when the working folder cannot take
// them: a desktop may start the program in "/" or in a folder the player cannot write.
#include <filesystem>
#include <string_view>

// The documents folder named by the text of an XDG user-dirs file
// (XDG_DOCUMENTS_DIR="$HOME/Dokumente" or an absolute path); $HOME/Documents when the
// text names none.
std::filesystem::path DocumentsDirFrom(std::string_view userDirs, const std::filesystem::path& home);

// This user's documents folder, from $XDG_CONFIG_HOME/user-dirs.dirs (or ~/.config/...).
std::filesystem::path DocumentsDir();

// The working folder takes the player's files when it is known, is not "/" and is writable.
bool WorkingFolderTakesFiles(const std::filesystem::path& workingFolder, bool writable);

// The folder for the player's files: empty (the working folder) when it takes them, else
// the documents folder, created when missing.
std::filesystem::path PlayerFilesFolder();
