// The main window's components: every picture, label, button and timer of the scene
// with its design place, flags, artwork and start state. Later entries lie above.
#include <stdexcept>

#include "machine/form1.h"
#include "support/resource.h"

namespace {

enum Flags : unsigned { A = 1, S = 2, T = 4, Art = 8, Hidden = 16 };

struct PictureEntry {
    TImage* TForm1::*member;
    const char* name;
    int left, top, width, height;
    unsigned flags;
    const char* hint = "";
};

struct LabelEntry {
    TLabel* TForm1::*member;
    const char* name;
    int left, top, width, height;
};

// One row of the stacking order: a picture, or a label among the pictures.
struct SceneEntry {
    PictureEntry picture;
    LabelEntry label;
};

#define PIC(n) &TForm1::n, #n
#define LBL(n) &TForm1::n, #n

constexpr LabelEntry kNoLabel{nullptr, nullptr, 0, 0, 0, 0};
constexpr PictureEntry kNoPicture{nullptr, nullptr, 0, 0, 0, 0, 0, nullptr};

const SceneEntry kScene[] = {
    {{PIC(Hintergrund), 0, 84, 792, 561, 0, ""}, kNoLabel},
    {{PIC(Hintergrund2), 120, 160, 686, 548, A | Art, ""}, kNoLabel},
    {{PIC(Walze_links1), 40, 24, 210, 73, S, ""}, kNoLabel},
    {{PIC(Walze_mitte1), 264, 24, 210, 73, S, ""}, kNoLabel},
    {{PIC(Walze_rechts1), 487, 24, 210, 73, S, ""}, kNoLabel},
    {{PIC(SpielGeldSpeicherAnzeige), 193, 102, 123, 22, S | T | Art, "Euro"}, kNoLabel},
    {{PIC(SonderSpieleAnzeige), 320, 102, 123, 22, S | Art, "Sonderspiele"}, kNoLabel},
    {{PIC(T_links), 8, 88, 34, 29, A | Art, ""}, kNoLabel},
    {{PIC(Bogen_oben_rechts), 776, 0, 27, 104, A | Art, ""}, kNoLabel},
    {{PIC(Bogen_oben_links), 8, 0, 27, 104, A | Art, ""}, kNoLabel},
    {{PIC(T_rechts), 768, 96, 35, 29, A | Art, ""}, kNoLabel},
    {{PIC(RandOben), 8, 0, 337, 22, S | Art, ""}, kNoLabel},
    {{PIC(Hintergrund3), 232, 616, 686, 548, A | Art | Hidden, ""}, kNoLabel},
    {{PIC(VordergrundImage), 160, 160, 305, 385, A | T, ""}, kNoLabel},
    {{PIC(VordergrHaibewegt), 88, 504, 177, 547, A | Hidden, ""}, kNoLabel},
    {{PIC(Muschel), 556, 520, 80, 56, S | T | Art, ""}, kNoLabel},
    {{PIC(HaiImage2), 312, 512, 163, 92, A | T | Art, ""}, kNoLabel},
    {{PIC(AuszahlungsImage), 504, 376, 81, 57, S | T | Art | Hidden, ""}, kNoLabel},
    {kNoPicture, {LBL(Label1), 696, 3, 41, 16}},
    {{PIC(Schein), 325, 152, 102, 209, S | T | Hidden, ""}, kNoLabel},
    {{PIC(Image2mal), 454, 79, 51, 41, T | Art | Hidden, ""}, kNoLabel},
    {{PIC(Image1mal), 502, 80, 51, 41, T | Art | Hidden, ""}, kNoLabel},
    {{PIC(Image0mal), 550, 74, 51, 41, T | Art | Hidden, ""}, kNoLabel},
    {kNoPicture, {LBL(LabelBetrag), 208, 168, 99, 20}},
    {{PIC(Flagge), 792, 536, 190, 49, S | T | Art, ""}, kNoLabel},
    {{PIC(Tresolo_Ueberschrift), 198, 509, 168, 67, S | T | Art, ""}, kNoLabel},
    {{PIC(ImageRisiko), 200, 56, 343, 36, A | S | T | Art, ""}, kNoLabel},
    {{PIC(Sondersp20Image), 40, 130, 90, 58, A | T, ""}, kNoLabel},
    {{PIC(Sondersp10Image), 40, 191, 90, 58, A | T, ""}, kNoLabel},
    {{PIC(Sondersp5Image), 40, 252, 90, 58, A | T, ""}, kNoLabel},
    {{PIC(Euro_2_20_Image), 40, 313, 90, 56, A | T, ""}, kNoLabel},
    {{PIC(Euro_1_50_Image), 40, 372, 90, 56, A | T, ""}, kNoLabel},
    {{PIC(Cent_50_Image), 40, 431, 90, 56, A | T, ""}, kNoLabel},
    {{PIC(Image_00), 40, 490, 90, 56, A | T, ""}, kNoLabel},
    {{PIC(Sondersp40Image), 710, 130, 90, 58, A | T, ""}, kNoLabel},
    {{PIC(Sondersp30Image), 710, 191, 90, 58, A | T, ""}, kNoLabel},
    {{PIC(Sondersp15Image), 710, 252, 90, 58, A | T, ""}, kNoLabel},
    {{PIC(Euro_3_70_Image), 710, 313, 90, 56, A | T, ""}, kNoLabel},
    {{PIC(Euro_2_50_Image), 710, 372, 90, 56, T, ""}, kNoLabel},
    {{PIC(Euro_1_20_Image), 710, 431, 90, 56, A | T, ""}, kNoLabel},
    {{PIC(Image_00_2), 702, 490, 90, 56, A | T, ""}, kNoLabel},
    {{PIC(UmrandungsKachelSeite), 8, 144, 22, 100, A | Art, ""}, kNoLabel},
    {{PIC(MarkierungsImage), 16, 160, 14, 14, A | T | Art | Hidden, ""}, kNoLabel},
    {{PIC(Umrandung_unten_Image), -1, 623, 820, 29, A | Art, ""}, kNoLabel},
};

// Hidden pictures that only hold artwork; their places have no effect.
const PictureEntry kSources[] = {
    {PIC(Walzenbild1), 0, 0, 130, 50, S}, {PIC(Walzenbild2), 0, 0, 130, 50, S},
    {PIC(Walzenbild3), 0, 0, 130, 50, S}, {PIC(Walzenbild4), 0, 0, 130, 50, S},
    {PIC(Walzenbild5), 0, 0, 129, 41, S}, {PIC(Walzenbild6_1), 0, 0, 129, 41, S},
    {PIC(Walzenbild6_2), 0, 0, 129, 41, S}, {PIC(Walzenbild6_3), 0, 0, 129, 41, S},
    {PIC(Walzenbild7), 0, 0, 129, 41, S}, {PIC(Walzenbild8), 0, 0, 129, 41, S},
    {PIC(Walzenbild9), 0, 0, 129, 41, S}, {PIC(Walzenbild10), 0, 0, 129, 41, S},
    {PIC(Walzenbild11), 0, 0, 129, 41, S}, {PIC(Walzenbild12), 0, 0, 129, 41, S},
    {PIC(Image1), 0, 0, 105, 49, S},
    {PIC(Muschel_Zu), 0, 0, 80, 56, A}, {PIC(Muschel_Halb_offen), 0, 0, 80, 56, A},
    {PIC(Muschel_Offen), 0, 0, 80, 56, A},
    {PIC(Wasser_kachel), 0, 0, 111, 70, A}, {PIC(Wasser_Kachel_original_groesse), 0, 0, 111, 70, A},
    {PIC(UmrandungsKachelOben), 0, 0, 48, 22, A},
    {PIC(Sondersp20Image_gelb), 0, 0, 90, 58, A}, {PIC(Sondersp10Image_gelb), 0, 0, 90, 58, A},
    {PIC(Sondersp5Image_gelb), 0, 0, 90, 58, A}, {PIC(Sondersp40Image_gelb), 0, 0, 90, 58, A},
    {PIC(Sondersp30Image_gelb), 0, 0, 90, 58, A}, {PIC(Sondersp15Image_gelb), 0, 0, 90, 58, A},
    {PIC(Sondersp20Image_normal), 0, 0, 90, 58, A}, {PIC(Sondersp10Image_normal), 0, 0, 90, 58, A},
    {PIC(Sondersp5Image_normal), 0, 0, 90, 58, A}, {PIC(Sondersp40Image_normal), 0, 0, 90, 58, A},
    {PIC(Sondersp30Image_normal), 0, 0, 90, 58, A}, {PIC(Sondersp15Image_normal), 0, 0, 90, 58, A},
    {PIC(Euro_2_20_Image_gelb), 0, 0, 90, 56, A}, {PIC(Euro_1_50_Image_gelb), 0, 0, 90, 56, A},
    {PIC(Cent_50_Image_gelb), 0, 0, 90, 56, A}, {PIC(Image_00_gelb), 0, 0, 90, 56, A},
    {PIC(Euro_3_70_Image_gelb), 0, 0, 90, 56, A}, {PIC(Euro_2_50_Image_gelb), 0, 0, 90, 56, A},
    {PIC(Euro_1_20_Image_gelb), 0, 0, 90, 56, A}, {PIC(Image_00_2_gelb), 0, 0, 90, 56, A},
    {PIC(Euro_2_20_Image_normal), 0, 0, 90, 56, A}, {PIC(Euro_1_50_Image_normal), 0, 0, 90, 56, A},
    {PIC(Cent_50_Image_normal), 0, 0, 90, 56, A}, {PIC(Image_00_normal), 0, 0, 90, 56, A},
    {PIC(Euro_3_70_Image_normal), 0, 0, 90, 56, A}, {PIC(Euro_2_50_Image_normal), 0, 0, 90, 56, A},
    {PIC(Euro_1_20_Image_normal), 0, 0, 90, 56, A}, {PIC(Image_00_2_normal), 0, 0, 90, 56, A},
    {PIC(HaiNachLinks), 0, 0, 163, 92, A}, {PIC(HaiNachRechts), 0, 0, 163, 92, A},
    {PIC(HaiGebuecktLinks), 0, 0, 163, 92, A}, {PIC(HaiGebuecktRechts), 0, 0, 163, 92, A},
    {PIC(HaiNachObenRechts), 0, 0, 159, 119, A}, {PIC(HaiNachObenGebuecktImage), 0, 0, 163, 73, A},
    {PIC(FlaggeNachLinks), 0, 0, 190, 49, A}, {PIC(FlaggeNachRechts), 0, 0, 188, 49, A},
    {PIC(TrueGroesserImage), 0, 0, 80, 34, A}, {PIC(TruekleinerImage), 0, 0, 80, 34, A},
    {PIC(StartImage), 0, 0, 80, 34, A}, {PIC(StartAktImage), 0, 0, 80, 34, A},
    {PIC(StopImage), 0, 0, 80, 34, A}, {PIC(StopAktImage), 0, 0, 80, 34, A},
};

struct ButtonEntry {
    TBitBtn* TForm1::*member;
    const char* name;
    int left, top, width, height;
    const char* hint = "";
    bool visible;
};

// The bar's buttons in tab order.
const ButtonEntry kBarButtons[] = {
    {PIC(StopBtn1), 10, 4, 80, 30, "Stoppt blinkende Risikoleiter links", true},
    {PIC(StopBtn2), 652, 4, 80, 30, "Stoppt blinkende Risikoleiter rechts", true},
    {PIC(StartBtn), 301, 8, 80, 30, "Startet neues Spiel", true},
    {PIC(StopWalzenBtn), 410, 8, 80, 30, "Walzenstop", true},
    {PIC(MenueBtn), 727, 4, 78, 30, "Zeigt die Menüoberfläche", true},
    {PIC(TruhestretchenBtn), 166, 4, 80, 30, "Verkleinert die Schatztruhe", false},
    {PIC(MinimierenBtn), 624, 4, 40, 30, "Minimieren", false},
    {PIC(HilfeBtn), 80, 5, 78, 30, "Hilfe / Gewinnplan", true},
};

struct TimerEntry {
    TTimer* TForm1::*member;
    const char* name;
    int interval;
    bool enabled;
};

const TimerEntry kTimers[] = {
    {PIC(Timer1), 400, false},         {PIC(Timer2), 400, false},
    {PIC(Timer3), 400, false},         {PIC(GewinnLeiste00Timer), 300, false},
    {PIC(GewinnLeisteTimer2), 300, false}, {PIC(UhrzeitTimer), 1000, true},
    {PIC(Timer4), 100, false},         {PIC(PausenTimer), 5000, true},
    {PIC(AufloesungsTimer), 2000, true},
};

#undef PIC
#undef LBL

void LoadArt(TPicture& picture, const char* name) {
    const Resource* r = FindResource(name);
    if (!r) throw std::runtime_error(std::string("Bild fehlt im Programm: ") + name);
    picture.LoadFromMemory(r->data, r->size, name);
}

TImage* MakePicture(TForm1& form, const PictureEntry& e, bool source) {
    auto* image = new TImage(&form);
    image->SetName(e.name);
    image->SetParent(&form);
    image->SetBounds(e.left, e.top, e.width, e.height);
    image->SetAutoSize(e.flags & A);
    image->SetStretch(e.flags & S);
    image->SetTransparent(e.flags & T);
    if (source || (e.flags & Art)) LoadArt(image->Picture(), e.name);
    image->SetVisible(!source && !(e.flags & Hidden));
    if (e.hint) image->SetHint(e.hint);
    return image;
}

TLabel* MakeLabel(TForm1& form, const LabelEntry& e) {
    auto* label = new TLabel(&form);
    label->SetName(e.name);
    label->SetParent(&form);
    label->SetAutoSize(false);
    label->SetBounds(e.left, e.top, e.width, e.height);
    label->SetCaption(e.name);
    return label;
}

TBitBtn* MakeBarButton(TForm1& form, TPanel& bar, const ButtonEntry& e, int tabOrder) {
    auto* button = new TBitBtn(&form);
    button->SetName(e.name);
    button->SetParent(&bar);
    button->SetBounds(e.left, e.top, e.width, e.height);
    button->SetHint(e.hint);
    button->SetVisible(e.visible);
    button->TabOrder = tabOrder;
    TPicture glyph;
    LoadArt(glyph, e.name);
    button->Glyph().Assign(glyph.Bitmap());
    return button;
}

TButton* MakeHiddenButton(TForm1& form, const char* name, const char* caption, int top) {
    auto* button = new TButton(&form);
    button->SetName(name);
    button->SetParent(&form);
    button->SetBounds(688, top, 75, 25);
    button->SetCaption(caption);
    button->SetVisible(false);
    return button;
}

}  // namespace

void TForm1::CreateScene() {
    for (const SceneEntry& e : kScene) {
        if (e.picture.member) this->*e.picture.member = MakePicture(*this, e.picture, false);
        if (e.label.member) this->*e.label.member = MakeLabel(*this, e.label);
    }
    for (const PictureEntry& e : kSources) this->*e.member = MakePicture(*this, e, true);
    StyleLabels();
    CreateButtonBar();
    for (const TimerEntry& e : kTimers) {
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
    Label1->SetAutoSize(true);
    Label1->Color = clWhite;
    Label1->Font().Height = 13;
    Label1->Font().Color = clBlack;
    Label1->SetCaption("Label1");
    LabelBetrag->Color = clBlack;
    LabelBetrag->Font().Height = 16;
    LabelBetrag->Font().Style = fsBold;
    LabelBetrag->Font().Color = clRed;
    LabelBetrag->SetVisible(false);
}

void TForm1::CreateButtonBar() {
    Panel1 = new TPanel(this);
    Panel1->SetName("Panel1");
    Panel1->SetParent(this);
    Panel1->SetBounds(0, 582, 815, 40);
    Panel1->Color = clBlack;
    Panel1->BevelOuter = TBevelCut::bvNone;
    Panel1->Font().Color = clBlack;
    Panel1->SetCaption("Panel1");
    int tab = 0;
    for (const ButtonEntry& e : kBarButtons) this->*e.member = MakeBarButton(*this, *Panel1, e, tab++);
    EinzahlenButton = MakeHiddenButton(*this, "EinzahlenButton", "Einzahlen", 408);
    AuszahlenButton = MakeHiddenButton(*this, "AuszahlenButton", "Auszahlen", 432);
}
