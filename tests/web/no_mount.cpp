// SPDX-License-Identifier: GPL-3.0-or-later
// Emscripten has no mount(2): the tests that want a small file system of their own find
// mounting refused, as a user without root does, and skip.
#include <sys/mount.h>

#include <cerrno>

extern "C" int mount(const char*, const char*, const char*, unsigned long, const void*) {
    errno = EPERM;
    return -1;
}

extern "C" int umount2(const char*, int) {
    errno = EPERM;
    return -1;
}
