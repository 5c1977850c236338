// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one error type of the picture codecs. Every decoder reports a file it cannot
// read (truncated, corrupted, unsupported) by throwing CodecError with a message
// that names the format and the problem; none of them aborts or reads past its input.
#include <stdexcept>
#include <string>

class CodecError : public std::runtime_error {
public:
    explicit CodecError(const std::string& what) : std::runtime_error(what) {}
};
