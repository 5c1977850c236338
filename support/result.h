// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A value, or the Outcome that says why there is none: the one shape of a step that makes
// something and can fail in an expected way (a file read, a sound decoded, a limit typed).
#include <optional>
#include <utility>

#include "support/outcome.h"

template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : value_(std::move(value)) {}
    // A failed outcome; a done one without a value is a fault of the caller.
    Result(Outcome failure) : outcome_(std::move(failure)) {}

    explicit operator bool() const { return value_.has_value(); }
    const Outcome& Why() const { return outcome_; }
    // Failed because there was nothing there.
    bool Missing() const { return outcome_.Missing(); }

    const T& operator*() const& { return *value_; }
    T& operator*() & { return *value_; }
    T&& operator*() && { return std::move(*value_); }
    const T* operator->() const { return &*value_; }
    // The value, or `fallback` when there is none.
    T ValueOr(T fallback) const& { return value_ ? *value_ : std::move(fallback); }

private:
    Outcome outcome_;
    std::optional<T> value_;
};
