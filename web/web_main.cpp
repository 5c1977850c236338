// SPDX-License-Identifier: GPL-3.0-or-later
// The program in a web page: the three windows on the page's canvases, the page's clock,
// the data folder inside the page and the files kept in the browser.
#include <emscripten.h>

#include <ctime>
#include <iostream>

#include "machine/form1.h"
#include "program/windows.h"
#include "toolkit/font.h"
#include "toolkit/web/web_backend.h"
#include "web/page_clock.h"

namespace {

constexpr const char* kDataFolder = TRESOLO_PAGE_DATA;  // web/web.cmake

PlatformServices PageServices() {
    PlatformServices services;
    services.installedDataDir = [] { return std::filesystem::path(kDataFolder); };
    services.localTime = PageLocalTime;
    services.internetConnected = [] { return EM_ASM_INT({ return navigator.onLine ? 1 : 0; }) != 0; };
    return services;
}

}  // namespace

// The page goes away (closed, reloaded, navigated): the program takes its end step.
extern "C" EMSCRIPTEN_KEEPALIVE void tresolo_page_hidden() {
    if (Form1) Form1->KeepForNextStart();
}

EM_JS(void, tresolo_program_ended, (), { TresoloPage.ended(); });

namespace {

int RunProgram() {
    try {
        FontEngine::Instance().CheckAvailable();
        TApplication app(std::make_unique<WebBackend>(), std::make_unique<WebClock>());
        CreateTresoloWindows(app, PageServices());
        SetWindowIcon(*Form1);
        app.Run();
    } catch (const HaltRequest& h) {
        return h.exitCode;
    } catch (const std::exception& e) {
        std::cerr << "tresolo: " << e.what() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

// The page stays when the program ends (a payout, "Beenden"): it offers a new start.
int main() {
    const int exitCode = RunProgram();
    tresolo_program_ended();
    return exitCode;
}
