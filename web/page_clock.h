// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The local date and time from the page's clock: the browser counts past 2038 where this
// build's 32-bit time_t cannot.
#include <ctime>

std::tm PageLocalTime();
