// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Work that may run beside the main thread. The page's build has no threads: there libc++'s
// std::async, asked for a thread, waits forever for the one it could not start, so such work
// is deferred to its first reader instead.
#include <future>

#if defined(__EMSCRIPTEN__) && !defined(__EMSCRIPTEN_PTHREADS__)
inline constexpr bool kThreadsAvailable = false;
#else
inline constexpr bool kThreadsAvailable = true;
#endif

// The policy for std::async: a thread where one can start, else the first get().
inline constexpr std::launch kBesidePolicy =
    kThreadsAvailable ? std::launch::async | std::launch::deferred : std::launch::deferred;
