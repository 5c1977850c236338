// The program: a real window through SDL, the main window first, then the loop.
#include <iostream>

#include "toolkit/application.h"
#include "toolkit/buttons.h"
#include "toolkit/font.h"
#include "toolkit/form.h"
#include "toolkit/panel.h"
#include "toolkit/sdl/sdl_backend.h"

int main() {
    try {
        FontEngine::Instance().CheckAvailable();
        TApplication app(std::make_unique<SdlBackend>(), std::make_unique<RealClock>());
        TForm* main = nullptr;
        app.CreateForm(main);
        main->BorderStyle = TFormBorderStyle::bsNone;
        main->Color = clBlack;
        main->SetBounds(0, 0, 820, 649);
        auto* bar = new TPanel(main);
        bar->SetParent(main);
        bar->Color = clBlack;
        bar->BevelOuter = TBevelCut::bvNone;
        bar->SetBounds(0, 582, 815, 40);
        auto* b = new TButton(main);
        b->SetParent(bar);
        b->SetCaption("Ende");
        b->SetBounds(727, 4, 78, 30);
        b->OnClick = [&](TObject*) { app.Terminate(); };
        try {
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
