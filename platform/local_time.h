// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The system's local time now.
#include <ctime>

std::tm LocalNow();
