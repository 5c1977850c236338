// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Where the per-user registry store lives: $XDG_CONFIG_HOME/tresolo/registry.ini, or
// $HOME/.config/tresolo/registry.ini when XDG_CONFIG_HOME is unset, empty or relative.
#include <filesystem>

// $XDG_CONFIG_HOME/tresolo when that is an absolute path, else $HOME/.config/tresolo;
// empty when neither is known. Null or empty arguments count as unset.
std::filesystem::path UserConfigDirFrom(const char* xdgConfigHome, const char* home);

// $HOME, or the account's home folder when it is unset; empty when neither is known.
std::filesystem::path UserHomeDir();

// The same for this process's environment; without $HOME, the account's home folder.
std::filesystem::path UserConfigDir();

std::filesystem::path UserStorePath();

// Points every later store access at another file (tests, portable installs); an empty path
// goes back to the default.
void SetUserStorePath(const std::filesystem::path& file);
