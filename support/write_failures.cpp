// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/write_failures.h"

#include <iostream>

namespace {

WriteFailureListener& Listener() {
    static WriteFailureListener listener;
    return listener;
}

}  // namespace

void SetWriteFailureListener(WriteFailureListener listener) { Listener() = std::move(listener); }

bool ReportWriteFailure(const WriteFailure& failure, std::string_view prefix) {
    std::cerr << "tresolo: " << prefix << failure.line << '\n';
    // Copied first: the listener may set another one while it runs.
    if (WriteFailureListener listener = Listener()) listener(failure);
    return false;
}
