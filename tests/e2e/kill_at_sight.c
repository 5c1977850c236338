// SPDX-License-Identifier: GPL-3.0-or-later
/* Watches regions of the screen and kills a process with SIGKILL the moment they show what
   is awaited: "change" (any region differs from how it looked at the start) or
   "colours:RRGGBB,..." (100 pixels or more of these colours in the regions, beyond those seen
   at the start). Prints the milliseconds it waited. Exit 0 when it killed, 1 when the wait
   ran out. Usage: kill_at_sight PID MILLISECONDS MODE WxH+X+Y... */
#include <X11/Xlib.h>
#include <X11/Xutil.h>  /* XGetPixel */
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <time.h>
#include <unistd.h>

enum { kMaxAreas = 4, kMaxColours = 8, kEnough = 100 };

typedef struct {
    int x, y, w, h;
    unsigned long *first;
} Area;

static long NowMs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000L + t.tv_nsec / 1000000L;
}

/* The region's pixels as 0xRRGGBB, into `out` (w * h of them). */
static int Grab(Display *d, const Area *r, unsigned long *out) {
    XImage *image = XGetImage(d, DefaultRootWindow(d), r->x, r->y, (unsigned)r->w, (unsigned)r->h, AllPlanes, ZPixmap);
    if (!image) return 0;
    for (int y = 0; y < r->h; ++y)
        for (int x = 0; x < r->w; ++x) out[y * r->w + x] = XGetPixel(image, x, y) & 0xffffff;
    XDestroyImage(image);
    return 1;
}

int main(int argc, char **argv) {
    if (argc < 5 || argc - 4 > kMaxAreas) {
        fprintf(stderr, "usage: kill_at_sight PID MILLISECONDS change|colours:RRGGBB,... WxH+X+Y...\n");
        return 2;
    }
    const pid_t pid = (pid_t)atol(argv[1]);
    const long end = NowMs() + atol(argv[2]);
    unsigned long colours[kMaxColours];
    int colourCount = 0;
    if (strncmp(argv[3], "colours:", 8) == 0)
        for (char *c = strtok(argv[3] + 8, ","); c && colourCount < kMaxColours; c = strtok(NULL, ","))
            colours[colourCount++] = strtoul(c, NULL, 16);
    Display *d = XOpenDisplay(NULL);
    if (!d) return 2;
    Area areas[kMaxAreas];
    const int count = argc - 4;
    long size = 0;
    for (int i = 0; i < count; ++i) {
        Area *r = &areas[i];
        if (sscanf(argv[4 + i], "%dx%d+%d+%d", &r->w, &r->h, &r->x, &r->y) != 4) return 2;
        r->first = malloc(sizeof(unsigned long) * (size_t)(r->w * r->h));
        if (!Grab(d, r, r->first)) return 2;
        if (r->w * r->h > size) size = r->w * r->h;
    }
    unsigned long *now = malloc(sizeof(unsigned long) * (size_t)size);
    const long start = NowMs();
    while (NowMs() < end) {
        for (int i = 0; i < count; ++i) {
            const Area *r = &areas[i];
            if (!Grab(d, r, now)) continue;
            long seen = 0, changed = 0;
            for (long p = 0; p < (long)r->w * r->h; ++p) {
                changed += now[p] != r->first[p];
                for (int c = 0; c < colourCount; ++c) {
                    seen += now[p] == colours[c];
                    seen -= r->first[p] == colours[c];
                }
            }
            if (colourCount ? seen >= kEnough : changed > 0) {
                if (pid > 0) kill(pid, SIGKILL);
                printf("%ld\n", NowMs() - start);
                return 0;
            }
        }
        usleep(2000);
    }
    return 1;
}
