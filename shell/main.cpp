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
            // Without its window the program cannot go on, but it keeps what the end of
            // the program keeps, and says whether it could.
            app.OnDisplayLost = [] {
                const bool saved = !Form1 || Form1->EinstellungenSichern();
                std::cerr << "tresolo: Die Anzeige ist weg; Spielername und Kasse "
                          << (saved ? "sind gespeichert.\n" : "konnten nicht gespeichert werden.\n");
            };
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
