// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How registry names and values are spelled in the store file, an INI text with one section
// per key path ("[Software\Tresolo]") and one line per value.
//
// A value is written in double quotes so that blanks at its ends survive; backslashes and
// control characters inside it are escaped (\\, \xHH). A value name keeps letters, digits and
// "_.-" and escapes everything else as \xHH; the key's default (unnamed) value is "@".
#include <string>
#include <string_view>

std::string StoreValueName(std::string_view name);
std::string StoreValueText(std::string_view value);
// Reverses StoreValueText after the INI reader removed the quotes; unknown escapes stay as
// written, so a hand-edited value without escapes reads as typed.
std::string ReadStoreValueText(std::string_view stored);
// "\Software\\Tresolo\" and "Software\Tresolo" name the same key.
std::string NormalizeKeyPath(std::string_view path);
