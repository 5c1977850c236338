// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's layout: every picture, label, button and timer of the scene with its
// design place, look, artwork and start state, as rows for the windows' one factory.
// Later rows lie above.
#include "machine/form1.h"
#include "machine/window_parts.h"

namespace {

using namespace look;

// One row of the stacking order: a picture, or a label among the pictures.
struct SceneRow {
    TImage* TForm1::*picture;
    TLabel* TForm1::*label;
    const char* name;
    Place at;
    unsigned looks;
    const char* hint;
};

const SceneRow kScene[] = {
    {&TForm1::Hintergrund, nullptr, "Hintergrund", {0, 84, 792, 561}, 0, ""},
    {&TForm1::Hintergrund2, nullptr, "Hintergrund2", {120, 160, 686, 548}, AutoSize | Artwork, ""},
    {&TForm1::Walze_links1, nullptr, "Walze_links1", {40, 24, 210, 73}, Stretch, ""},
    {&TForm1::Walze_mitte1, nullptr, "Walze_mitte1", {264, 24, 210, 73}, Stretch, ""},
    {&TForm1::Walze_rechts1, nullptr, "Walze_rechts1", {487, 24, 210, 73}, Stretch, ""},
    {&TForm1::SpielGeldSpeicherAnzeige, nullptr, "SpielGeldSpeicherAnzeige", {193, 102, 123, 22}, Stretch | Transparent | Artwork, "Euro"},
    {&TForm1::SonderSpieleAnzeige, nullptr, "SonderSpieleAnzeige", {320, 102, 123, 22}, Stretch | Artwork, "Sonderspiele"},
    {&TForm1::T_links, nullptr, "T_links", {8, 88, 34, 29}, AutoSize | Artwork, ""},
    {&TForm1::Bogen_oben_rechts, nullptr, "Bogen_oben_rechts", {776, 0, 27, 104}, AutoSize | Artwork, ""},
    {&TForm1::Bogen_oben_links, nullptr, "Bogen_oben_links", {8, 0, 27, 104}, AutoSize | Artwork, ""},
    {&TForm1::T_rechts, nullptr, "T_rechts", {768, 96, 35, 29}, AutoSize | Artwork, ""},
    {&TForm1::RandOben, nullptr, "RandOben", {8, 0, 337, 22}, Stretch | Artwork, ""},
    {&TForm1::Hintergrund3, nullptr, "Hintergrund3", {232, 616, 686, 548}, AutoSize | Artwork | Hidden, ""},
    {&TForm1::VordergrundImage, nullptr, "VordergrundImage", {160, 160, 305, 385}, AutoSize | Transparent, ""},
    {&TForm1::VordergrHaibewegt, nullptr, "VordergrHaibewegt", {88, 504, 177, 547}, AutoSize | Hidden, ""},
    {&TForm1::Muschel, nullptr, "Muschel", {556, 520, 80, 56}, Stretch | Transparent | Artwork, ""},
    {&TForm1::HaiImage2, nullptr, "HaiImage2", {312, 512, 163, 92}, AutoSize | Transparent | Artwork, ""},
    {&TForm1::AuszahlungsImage, nullptr, "AuszahlungsImage", {504, 376, 81, 57}, Stretch | Transparent | Artwork | Hidden, ""},
    {nullptr, &TForm1::Label1, "Label1", {696, 3, 41, 16}, 0, ""},
    {&TForm1::Schein, nullptr, "Schein", {325, 152, 102, 209}, Stretch | Transparent | Hidden, ""},
    {&TForm1::Image2mal, nullptr, "Image2mal", {454, 79, 51, 41}, Transparent | Artwork | Hidden, ""},
    {&TForm1::Image1mal, nullptr, "Image1mal", {502, 80, 51, 41}, Transparent | Artwork | Hidden, ""},
    {&TForm1::Image0mal, nullptr, "Image0mal", {550, 74, 51, 41}, Transparent | Artwork | Hidden, ""},
    {nullptr, &TForm1::LabelBetrag, "LabelBetrag", {208, 168, 99, 20}, 0, ""},
    {&TForm1::Flagge, nullptr, "Flagge", {792, 536, 190, 49}, Stretch | Transparent | Artwork, ""},
    {&TForm1::Tresolo_Ueberschrift, nullptr, "Tresolo_Ueberschrift", {198, 509, 168, 67}, Stretch | Transparent | Artwork, ""},
    {&TForm1::ImageRisiko, nullptr, "ImageRisiko", {200, 56, 343, 36}, AutoSize | Stretch | Transparent | Artwork, ""},
    {&TForm1::Sondersp20Image, nullptr, "Sondersp20Image", {40, 130, 90, 58}, AutoSize | Transparent, ""},
    {&TForm1::Sondersp10Image, nullptr, "Sondersp10Image", {40, 191, 90, 58}, AutoSize | Transparent, ""},
    {&TForm1::Sondersp5Image, nullptr, "Sondersp5Image", {40, 252, 90, 58}, AutoSize | Transparent, ""},
    {&TForm1::Euro_2_20_Image, nullptr, "Euro_2_20_Image", {40, 313, 90, 56}, AutoSize | Transparent, ""},
    {&TForm1::Euro_1_50_Image, nullptr, "Euro_1_50_Image", {40, 372, 90, 56}, AutoSize | Transparent, ""},
    {&TForm1::Cent_50_Image, nullptr, "Cent_50_Image", {40, 431, 90, 56}, AutoSize | Transparent, ""},
    {&TForm1::Image_00, nullptr, "Image_00", {40, 490, 90, 56}, AutoSize | Transparent, ""},
    {&TForm1::Sondersp40Image, nullptr, "Sondersp40Image", {710, 130, 90, 58}, AutoSize | Transparent, ""},
    {&TForm1::Sondersp30Image, nullptr, "Sondersp30Image", {710, 191, 90, 58}, AutoSize | Transparent, ""},
    {&TForm1::Sondersp15Image, nullptr, "Sondersp15Image", {710, 252, 90, 58}, AutoSize | Transparent, ""},
    {&TForm1::Euro_3_70_Image, nullptr, "Euro_3_70_Image", {710, 313, 90, 56}, AutoSize | Transparent, ""},
    {&TForm1::Euro_2_50_Image, nullptr, "Euro_2_50_Image", {710, 372, 90, 56}, Transparent, ""},
    {&TForm1::Euro_1_20_Image, nullptr, "Euro_1_20_Image", {710, 431, 90, 56}, AutoSize | Transparent, ""},
    {&TForm1::Image_00_2, nullptr, "Image_00_2", {702, 490, 90, 56}, AutoSize | Transparent, ""},
    {&TForm1::UmrandungsKachelSeite, nullptr, "UmrandungsKachelSeite", {8, 144, 22, 100}, AutoSize | Artwork, ""},
    {&TForm1::MarkierungsImage, nullptr, "MarkierungsImage", {16, 160, 14, 14}, AutoSize | Transparent | Artwork | Hidden, ""},
    {&TForm1::Umrandung_unten_Image, nullptr, "Umrandung_unten_Image", {-1, 623, 820, 29}, AutoSize | Artwork, ""},
};

// Hidden pictures that only hold artwork; their places have no effect.
struct SourceRow {
    TImage* TForm1::*member;
    const char* name;
    Place at;
    unsigned looks;
};

const SourceRow kSources[] = {
    {&TForm1::Walzenbild1, "Walzenbild1", {0, 0, 130, 50}, Stretch},
    {&TForm1::Walzenbild2, "Walzenbild2", {0, 0, 130, 50}, Stretch},
    {&TForm1::Walzenbild3, "Walzenbild3", {0, 0, 130, 50}, Stretch},
    {&TForm1::Walzenbild4, "Walzenbild4", {0, 0, 130, 50}, Stretch},
    {&TForm1::Walzenbild5, "Walzenbild5", {0, 0, 129, 41}, Stretch},
    {&TForm1::Walzenbild6_1, "Walzenbild6_1", {0, 0, 129, 41}, Stretch},
    {&TForm1::Walzenbild6_2, "Walzenbild6_2", {0, 0, 129, 41}, Stretch},
    {&TForm1::Walzenbild6_3, "Walzenbild6_3", {0, 0, 129, 41}, Stretch},
    {&TForm1::Walzenbild7, "Walzenbild7", {0, 0, 129, 41}, Stretch},
    {&TForm1::Walzenbild8, "Walzenbild8", {0, 0, 129, 41}, Stretch},
    {&TForm1::Walzenbild9, "Walzenbild9", {0, 0, 129, 41}, Stretch},
    {&TForm1::Walzenbild10, "Walzenbild10", {0, 0, 129, 41}, Stretch},
    {&TForm1::Walzenbild11, "Walzenbild11", {0, 0, 129, 41}, Stretch},
    {&TForm1::Walzenbild12, "Walzenbild12", {0, 0, 129, 41}, Stretch},
    {&TForm1::Image1, "Image1", {0, 0, 105, 49}, Stretch},
    {&TForm1::Muschel_Zu, "Muschel_Zu", {0, 0, 80, 56}, AutoSize},
    {&TForm1::Muschel_Halb_offen, "Muschel_Halb_offen", {0, 0, 80, 56}, AutoSize},
    {&TForm1::Muschel_Offen, "Muschel_Offen", {0, 0, 80, 56}, AutoSize},
    {&TForm1::Wasser_kachel, "Wasser_kachel", {0, 0, 111, 70}, AutoSize},
    {&TForm1::Wasser_Kachel_original_groesse, "Wasser_Kachel_original_groesse", {0, 0, 111, 70}, AutoSize},
    {&TForm1::UmrandungsKachelOben, "UmrandungsKachelOben", {0, 0, 48, 22}, AutoSize},
    {&TForm1::Sondersp20Image_gelb, "Sondersp20Image_gelb", {0, 0, 90, 58}, AutoSize},
    {&TForm1::Sondersp10Image_gelb, "Sondersp10Image_gelb", {0, 0, 90, 58}, AutoSize},
    {&TForm1::Sondersp5Image_gelb, "Sondersp5Image_gelb", {0, 0, 90, 58}, AutoSize},
    {&TForm1::Sondersp40Image_gelb, "Sondersp40Image_gelb", {0, 0, 90, 58}, AutoSize},
    {&TForm1::Sondersp30Image_gelb, "Sondersp30Image_gelb", {0, 0, 90, 58}, AutoSize},
    {&TForm1::Sondersp15Image_gelb, "Sondersp15Image_gelb", {0, 0, 90, 58}, AutoSize},
    {&TForm1::Sondersp20Image_normal, "Sondersp20Image_normal", {0, 0, 90, 58}, AutoSize},
    {&TForm1::Sondersp10Image_normal, "Sondersp10Image_normal", {0, 0, 90, 58}, AutoSize},
    {&TForm1::Sondersp5Image_normal, "Sondersp5Image_normal", {0, 0, 90, 58}, AutoSize},
    {&TForm1::Sondersp40Image_normal, "Sondersp40Image_normal", {0, 0, 90, 58}, AutoSize},
    {&TForm1::Sondersp30Image_normal, "Sondersp30Image_normal", {0, 0, 90, 58}, AutoSize},
    {&TForm1::Sondersp15Image_normal, "Sondersp15Image_normal", {0, 0, 90, 58}, AutoSize},
    {&TForm1::Euro_2_20_Image_gelb, "Euro_2_20_Image_gelb", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Euro_1_50_Image_gelb, "Euro_1_50_Image_gelb", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Cent_50_Image_gelb, "Cent_50_Image_gelb", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Image_00_gelb, "Image_00_gelb", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Euro_3_70_Image_gelb, "Euro_3_70_Image_gelb", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Euro_2_50_Image_gelb, "Euro_2_50_Image_gelb", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Euro_1_20_Image_gelb, "Euro_1_20_Image_gelb", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Image_00_2_gelb, "Image_00_2_gelb", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Euro_2_20_Image_normal, "Euro_2_20_Image_normal", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Euro_1_50_Image_normal, "Euro_1_50_Image_normal", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Cent_50_Image_normal, "Cent_50_Image_normal", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Image_00_normal, "Image_00_normal", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Euro_3_70_Image_normal, "Euro_3_70_Image_normal", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Euro_2_50_Image_normal, "Euro_2_50_Image_normal", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Euro_1_20_Image_normal, "Euro_1_20_Image_normal", {0, 0, 90, 56}, AutoSize},
    {&TForm1::Image_00_2_normal, "Image_00_2_normal", {0, 0, 90, 56}, AutoSize},
    {&TForm1::HaiNachLinks, "HaiNachLinks", {0, 0, 163, 92}, AutoSize},
    {&TForm1::HaiNachRechts, "HaiNachRechts", {0, 0, 163, 92}, AutoSize},
    {&TForm1::HaiGebuecktLinks, "HaiGebuecktLinks", {0, 0, 163, 92}, AutoSize},
    {&TForm1::HaiGebuecktRechts, "HaiGebuecktRechts", {0, 0, 163, 92}, AutoSize},
    {&TForm1::HaiNachObenRechts, "HaiNachObenRechts", {0, 0, 159, 119}, AutoSize},
    {&TForm1::HaiNachObenGebuecktImage, "HaiNachObenGebuecktImage", {0, 0, 163, 73}, AutoSize},
    {&TForm1::FlaggeNachLinks, "FlaggeNachLinks", {0, 0, 190, 49}, AutoSize},
    {&TForm1::FlaggeNachRechts, "FlaggeNachRechts", {0, 0, 188, 49}, AutoSize},
    {&TForm1::TrueGroesserImage, "TrueGroesserImage", {0, 0, 80, 34}, AutoSize},
    {&TForm1::TruekleinerImage, "TruekleinerImage", {0, 0, 80, 34}, AutoSize},
    {&TForm1::StartImage, "StartImage", {0, 0, 80, 34}, AutoSize},
    {&TForm1::StartAktImage, "StartAktImage", {0, 0, 80, 34}, AutoSize},
    {&TForm1::StopImage, "StopImage", {0, 0, 80, 34}, AutoSize},
    {&TForm1::StopAktImage, "StopAktImage", {0, 0, 80, 34}, AutoSize},
};

struct BarButtonRow {
    TBitBtn* TForm1::*member;
    const char* name;
    Place at;
    const char* hint;
    bool visible;
};

// The bar's buttons in tab order. Their left and top hold only until the first layout,
// which places them by the window's width (PlaceButtons in layout.cpp).
const BarButtonRow kBarButtons[] = {
    {&TForm1::StopBtn1, "StopBtn1", {10, 4, 80, 30}, "Stoppt blinkende Risikoleiter links", true},
    {&TForm1::StopBtn2, "StopBtn2", {652, 4, 80, 30}, "Stoppt blinkende Risikoleiter rechts", true},
    {&TForm1::StartBtn, "StartBtn", {301, 8, 80, 30}, "Startet neues Spiel", true},
    {&TForm1::StopWalzenBtn, "StopWalzenBtn", {410, 8, 80, 30}, "Walzenstop", true},
    {&TForm1::MenueBtn, "MenueBtn", {727, 4, 78, 30}, "Zeigt die Menüoberfläche", true},
    {&TForm1::TruhestretchenBtn, "TruhestretchenBtn", {166, 4, 80, 30}, "Verkleinert die Schatztruhe", false},
    {&TForm1::MinimierenBtn, "MinimierenBtn", {624, 4, 40, 30}, "Minimieren", false},
    {&TForm1::HilfeBtn, "HilfeBtn", {80, 5, 78, 30}, "Hilfe / Gewinnplan", true},
};

// The two push buttons the program clicks itself; the player never sees them.
struct HiddenButtonRow {
    TButton* TForm1::*member;
    const char* name;
    Place at;
    const char* caption;
};

const HiddenButtonRow kHiddenButtons[] = {
    {&TForm1::EinzahlenButton, "EinzahlenButton", {688, 408, 75, 25}, "Einzahlen"},
    {&TForm1::AuszahlenButton, "AuszahlenButton", {688, 432, 75, 25}, "Auszahlen"},
};

struct TimerRow {
    TTimer* TForm1::*member;
    const char* name;
    int interval;
    bool enabled;
};

const TimerRow kTimers[] = {
    {&TForm1::Timer1, "Timer1", 400, false},
    {&TForm1::Timer2, "Timer2", 400, false},
    {&TForm1::Timer3, "Timer3", 400, false},
    {&TForm1::GewinnLeiste00Timer, "GewinnLeiste00Timer", 300, false},
    {&TForm1::GewinnLeisteTimer2, "GewinnLeisteTimer2", 300, false},
    {&TForm1::UhrzeitTimer, "UhrzeitTimer", 1000, true},
    {&TForm1::Timer4, "Timer4", 100, false},
    {&TForm1::PausenTimer, "PausenTimer", 5000, true},
    {&TForm1::AufloesungsTimer, "AufloesungsTimer", 2000, true},
};

}  // namespace

void TForm1::CreateScene() {
    for (const SceneRow& e : kScene) {
        if (e.picture) this->*e.picture = MakePicture(*this, e.name, e.at, e.looks, e.hint);
        if (e.label) this->*e.label = MakeNamedLabel(*this, e.name, e.at);
    }
    for (const SourceRow& e : kSources) this->*e.member = MakePicture(*this, e.name, e.at, e.looks | Artwork | Hidden);
    StyleLabels();
    CreateButtonBar();
    for (const TimerRow& e : kTimers) {
        auto* timer = new TTimer(this);
        timer->SetName(e.name);
        timer->SetInterval(e.interval);
        timer->SetEnabled(e.enabled);
        this->*e.member = timer;
    }
    MachPause1 = new TMachPause(this);
    MachPause1->SetName("MachPause1");
    MachPause1->SetInterval(1000);
    MediaPlayer1 = new TMediaPlayer(this);
    MediaPlayer1->SetName("MediaPlayer1");
}

void TForm1::StyleLabels() {
    Label1->Color = clWhite;
    Label1->Font().Height = 13;
    Label1->Font().Color = clBlack;
    Label1->SetCaption("Label1");
    LabelBetrag->Color = clBlack;
    LabelBetrag->Font().Height = 16;
    LabelBetrag->Font().Style = fsBold;
    LabelBetrag->Font().Color = clRed;
    LabelBetrag->FitToCaption();
    LabelBetrag->SetVisible(false);
}

void TForm1::CreateButtonBar() {
    Panel1 = MakeControl<TPanel>(*this, "Panel1", {0, 582, 815, 40});
    Panel1->Color = clBlack;
    Panel1->BevelOuter = TBevelCut::bvNone;
    Panel1->Font().Color = clBlack;
    Panel1->SetCaption("Panel1");
    int tab = 0;
    for (const BarButtonRow& e : kBarButtons) {
        TBitBtn* button = MakeGlyphButton(*this, *Panel1, e.name, e.at, e.hint);
        button->SetVisible(e.visible);
        button->TabOrder = tab++;
        this->*e.member = button;
    }
    for (const HiddenButtonRow& e : kHiddenButtons) {
        TButton* button = MakeControl<TButton>(*this, e.name, e.at);
        button->SetCaption(e.caption);
        button->SetVisible(false);
        this->*e.member = button;
    }
}
