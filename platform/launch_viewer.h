// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hands an address or an absolute file path to the system's viewer.
#include <string>

bool LaunchViewer(const std::string& target);
