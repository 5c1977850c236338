// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The desktop's taskbar.

// Shows the taskbar in its normal state, in case it was hidden. Linux desktops
// manage their panels themselves, so this does nothing here.
void ShowTaskbar();
