// SPDX-License-Identifier: GPL-3.0-or-later
// In the page, emscripten's fsync writes the whole IndexedDB folder and sleeps until that is
// done. A sleep inside a write breaks the save the page makes while it is going away, and it
// would overwrite the state of the program's own sleep. The page writes its folder through
// to IndexedDB after every file it closes and on the way out (web/page.js), so a sync here
// has nothing left to do.
#include <unistd.h>

extern "C" int fsync(int) { return 0; }
extern "C" int fdatasync(int) { return 0; }
