// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Hands an address or an absolute file path to the system's viewer.
#include <functional>
#include <string>

// Called on another thread when the opener finds no program that shows the target.
using NoViewerCall = std::function<void()>;

// False when the opener cannot be started at all.
bool LaunchViewer(const std::string& target, NoViewerCall noViewer = {});
