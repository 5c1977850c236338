// SPDX-License-Identifier: GPL-3.0-or-later
// Measures any X11 program from the outside, the same way for ours and for a peer:
//  - the time from starting it to the first painted frame of its main window (the first moment
//    the window is on the screen and shows more than one colour);
//  - the processor time it used over a stretch after that, and the X server's for the same
//    stretch (pictures sent to the server cost the server too);
//  - its resident memory at the end of the stretch and at its peak.
// Usage: watch_process [--settle S] [--measure S] [--then "shell command"] [--xserver PID]
//                      -- program [arguments]
// "--then" runs after the first frame and before the settling, for example to click the
// program into the state to measure. The result is one line of name=value pairs.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    double settle = 3, measure = 30;
    std::string then;
    pid_t xserver = 0;
    std::vector<char*> command;
};

std::optional<Options> ParseOptions(int argc, char** argv) {
    Options o;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; i += 2) {
        if (i + 1 >= argc) return std::nullopt;
        const std::string key = argv[i], value = argv[i + 1];
        if (key == "--settle") o.settle = std::atof(value.c_str());
        else if (key == "--measure") o.measure = std::atof(value.c_str());
        else if (key == "--then") o.then = value;
        else if (key == "--xserver") o.xserver = std::atoi(value.c_str());
        else return std::nullopt;
    }
    for (++i; i < argc; ++i) o.command.push_back(argv[i]);
    if (o.command.empty()) return std::nullopt;
    o.command.push_back(nullptr);
    return o;
}

// User and system processor time of a process in seconds, from /proc/<pid>/stat.
double CpuSeconds(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    const auto close = line.rfind(')');  // the name may hold blanks
    if (close == std::string::npos) return 0;
    std::istringstream rest(line.substr(close + 2));
    std::string field;
    unsigned long long utime = 0, stime = 0;
    for (int n = 3; rest >> field; ++n) {
        if (n == 14) utime = std::stoull(field);
        if (n == 15) {
            stime = std::stoull(field);
            break;
        }
    }
    return static_cast<double>(utime + stime) / sysconf(_SC_CLK_TCK);
}

long StatusKb(pid_t pid, const char* key) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string name;
    long value = 0;
    while (status >> name) {
        if (name == key) {
            status >> value;
            return value;
        }
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

pid_t WindowPid(Display* d, Window w) {
    static const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    pid_t pid = 0;
    if (XGetWindowProperty(d, w, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after, &data) ==
            Success &&
        data && count == 1 && format == 32)
        pid = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    if (data) XFree(data);
    return pid;
}

// True when the window shows at least a few colours on a coarse grid: painted, not blank.
bool Painted(Display* d, Window w, int width, int height) {
    XImage* image = XGetImage(d, w, 0, 0, width, height, AllPlanes, ZPixmap);
    if (!image) return false;
    std::set<unsigned long> colours;
    for (int y = 0; y < height && colours.size() < 8; y += 7)
        for (int x = 0; x < width && colours.size() < 8; x += 7) colours.insert(XGetPixel(image, x, y));
    XDestroyImage(image);
    return colours.size() >= 8;
}

// The first top-level window of the process that is mapped, large and painted.
bool MainWindowPainted(Display* d, pid_t pid) {
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count)) return false;
    bool found = false;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(d, children[i], &a) || a.map_state != IsViewable) continue;
        if (a.width < 200 || a.height < 200 || WindowPid(d, children[i]) != pid) continue;
        found = Painted(d, children[i], a.width, a.height);
    }
    if (children) XFree(children);
    return found;
}

int IgnoreErrors(Display*, XErrorEvent*) { return 0; }  // windows may vanish while we look

void Stop(pid_t pid) {
    kill(pid, SIGTERM);
    for (int i = 0; i < 50; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

void Sleep(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }

}  // namespace

int main(int argc, char** argv) {
    const auto options = ParseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: watch_process [--settle S] [--measure S] [--then CMD] [--xserver PID] -- "
                             "program [arguments]\n");
        return 2;
    }
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "watch_process: no display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(options->command[0], options->command.data());
        std::perror("watch_process: exec");
        _exit(127);
    }
    while (!MainWindowPainted(d, pid)) {
        if (waitpid(pid, nullptr, WNOHANG) == pid || Clock::now() - start > std::chrono::seconds(60)) {
            std::fprintf(stderr, "watch_process: %s showed no painted window\n", options->command[0]);
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    const double firstFrameMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (!options->then.empty() && std::system(options->then.c_str()) != 0) {
        std::fprintf(stderr, "watch_process: the --then command failed\n");
        Stop(pid);
        return 1;
    }
    Sleep(options->settle);
    const double cpu0 = CpuSeconds(pid), x0 = options->xserver ? CpuSeconds(options->xserver) : 0;
    const auto t0 = Clock::now();
    Sleep(options->measure);
    const double wall = std::chrono::duration<double>(Clock::now() - t0).count();
    const double cpu = CpuSeconds(pid) - cpu0, x = options->xserver ? CpuSeconds(options->xserver) - x0 : 0;
    const long rss = StatusKb(pid, "VmRSS:"), peak = StatusKb(pid, "VmHWM:");
    Stop(pid);
    XCloseDisplay(d);
    std::printf("first_frame_ms=%.0f cpu_percent=%.2f xserver_cpu_percent=%.2f rss_mb=%.1f peak_mb=%.1f\n",
                firstFrameMs, 100 * cpu / wall, 100 * x / wall, rss / 1024.0, peak / 1024.0);
    return 0;
}
