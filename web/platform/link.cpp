// SPDX-License-Identifier: GPL-3.0-or-later
// The browser's file system has no hard links. A file is "linked" in place by copying it
// to the new name, which must not exist yet: a second writer still finds EEXIST, as with
// a real link, and the caller removes the old name afterwards.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace {

bool CopyAll(int from, int to) {
    char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(from, buffer, sizeof buffer);
        if (got == 0) return true;
        if (got < 0) return false;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(to, buffer + done, static_cast<size_t>(got - done));
            if (put <= 0) return false;
            done += put;
        }
    }
}

}  // namespace

extern "C" int link(const char* existing, const char* created) {
    const int from = ::open(existing, O_RDONLY);
    if (from < 0) return -1;
    const int to = ::open(created, O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (to < 0) {
        const int error = errno;
        ::close(from);
        errno = error;
        return -1;
    }
    const bool copied = CopyAll(from, to);
    const int error = errno;
    ::close(from);
    ::close(to);
    if (!copied) {
        ::unlink(created);
        errno = error;
        return -1;
    }
    return 0;
}
