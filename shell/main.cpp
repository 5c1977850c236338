// The program: a real window through SDL, the three windows in their order, the loop.
#include <iostream>

#include "machine/form1.h"
#include "machine/program.h"
#include "toolkit/font.h"
#include "toolkit/sdl/sdl_backend.h"

int main() {
    try {
        FontEngine::Instance().CheckAvailable();
        TApplication app(std::make_unique<SdlBackend>(), std::make_unique<RealClock>());
        try {
            CreateTresoloWindows(app);
            SetWindowIcon(*Form1);
            app.Run();
        } catch (const HaltRequest& h) {
            return h.exitCode;
        }
    } catch (const std::exception& e) {
        std::cerr << "tresolo: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
