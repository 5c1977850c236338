#pragma once
// Where the per-user store lives.
#include <filesystem>

// $XDG_CONFIG_HOME/tresolo when that is an absolute path, else $HOME/.config/tresolo;
// empty when neither is known. Null or empty arguments count as unset.
std::filesystem::path UserConfigDirFrom(const char* xdgConfigHome, const char* home);

// The same for this process's environment; without $HOME, the account's home folder.
std::filesystem::path UserConfigDir();
