#pragma once
// Where the per-user registry store lives: $XDG_CONFIG_HOME/tresolo/registry.ini, or
// $HOME/.config/tresolo/registry.ini when XDG_CONFIG_HOME is unset, empty or relative.
#include <filesystem>

std::filesystem::path UserStorePath();

// Points every later store access at another file (tests, portable installs); an empty path
// goes back to the default.
void SetUserStorePath(const std::filesystem::path& file);
