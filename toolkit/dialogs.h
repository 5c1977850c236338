// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Message boxes: modal, centred windows of our own with German captions. They run a
// nested loop, so timers keep ticking behind them.
#include <string>
#include <vector>

#include "toolkit/types.h"

enum class TMsgDlgType { mtInformation, mtConfirmation, mtWarning, mtError };
enum TMsgDlgBtn : unsigned { mbYes = 1, mbNo = 2, mbOK = 4, mbCancel = 8 };
using TMsgDlgButtons = unsigned;

// Shows the box and returns the button's modal result (mrOk, mrYes, mrNo, mrCancel).
TModalResult MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons,
                        const std::string& caption = "");
// "Information" with one "OK" button.
void ShowInformation(const std::string& text);
// "Bestätigung" with "&Ja" and "&Nein"; true for Ja.
bool AskConfirmation(const std::string& text);
