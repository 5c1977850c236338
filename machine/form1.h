// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main window: the underwater scene, the reels, the win ladders, the button bar
// and the timers that drive the game. Its methods live in the folders of their parts.
#include <future>
#include <memory>
#include <string>

#include "machine/attract_state.h"
#include "machine/cash_box_keeper.h"
#include "machine/game_state.h"
#include "machine/chest_state.h"
#include "toolkit/machpause.h"
#include "toolkit/media_player.h"
#include "machine/shark_state.h"
#include "machine/input_gate.h"
#include "machine/ledger.h"
#include "machine/platform_services.h"
#include "machine/play_events.h"
#include "machine/program_state.h"
#include "machine/reel_blur_state.h"
#include "toolkit/buttons.h"
#include "toolkit/form.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"
#include "toolkit/stringlist.h"
#include "toolkit/timer.h"

struct WriteFailure;

class TForm1 : public TForm {
public:
    explicit TForm1(TComponent* owner, PlatformServices services = {});
    ~TForm1() override;

    // Scene pictures, bottom first.
    TImage *Hintergrund, *Hintergrund2, *Walze_links1, *Walze_mitte1, *Walze_rechts1;
    TImage *SpielGeldSpeicherAnzeige, *SonderSpieleAnzeige;
    TImage *T_links, *Bogen_oben_rechts, *Bogen_oben_links, *T_rechts, *RandOben;
    TImage *Hintergrund3, *VordergrundImage, *VordergrHaibewegt, *Muschel, *HaiImage2;
    TImage* AuszahlungsImage;
    TLabel* Label1;
    TImage *Schein, *Image2mal, *Image1mal, *Image0mal;
    TLabel* LabelBetrag;
    TImage *Flagge, *Tresolo_Ueberschrift, *ImageRisiko;
    TImage *Sondersp20Image, *Sondersp10Image, *Sondersp5Image, *Euro_2_20_Image;
    TImage *Euro_1_50_Image, *Cent_50_Image, *Image_00;
    TImage *Sondersp40Image, *Sondersp30Image, *Sondersp15Image, *Euro_3_70_Image;
    TImage *Euro_2_50_Image, *Euro_1_20_Image, *Image_00_2;
    TImage *UmrandungsKachelSeite, *MarkierungsImage, *Umrandung_unten_Image;

    // Hidden picture sources.
    TImage *Walzenbild1, *Walzenbild2, *Walzenbild3, *Walzenbild4, *Walzenbild5;
    TImage *Walzenbild6_1, *Walzenbild6_2, *Walzenbild6_3, *Walzenbild7, *Walzenbild8;
    TImage *Walzenbild9, *Walzenbild10, *Walzenbild11, *Walzenbild12;
    TImage* Image1;
    TImage *Muschel_Zu, *Muschel_Halb_offen, *Muschel_Offen;
    TImage *Wasser_kachel, *Wasser_Kachel_original_groesse, *UmrandungsKachelOben;
    TImage *Sondersp20Image_gelb, *Sondersp10Image_gelb, *Sondersp5Image_gelb;
    TImage *Sondersp40Image_gelb, *Sondersp30Image_gelb, *Sondersp15Image_gelb;
    TImage *Sondersp20Image_normal, *Sondersp10Image_normal, *Sondersp5Image_normal;
    TImage *Sondersp40Image_normal, *Sondersp30Image_normal, *Sondersp15Image_normal;
    TImage *Euro_2_20_Image_gelb, *Euro_1_50_Image_gelb, *Cent_50_Image_gelb, *Image_00_gelb;
    TImage *Euro_3_70_Image_gelb, *Euro_2_50_Image_gelb, *Euro_1_20_Image_gelb, *Image_00_2_gelb;
    TImage *Euro_2_20_Image_normal, *Euro_1_50_Image_normal, *Cent_50_Image_normal;
    TImage *Image_00_normal, *Euro_3_70_Image_normal, *Euro_2_50_Image_normal;
    TImage *Euro_1_20_Image_normal, *Image_00_2_normal;
    TImage *HaiNachLinks, *HaiNachRechts, *HaiGebuecktLinks, *HaiGebuecktRechts;
    TImage *HaiNachObenRechts, *HaiNachObenGebuecktImage, *FlaggeNachLinks, *FlaggeNachRechts;
    TImage *TrueGroesserImage, *TruekleinerImage;
    TImage *StartImage, *StartAktImage, *StopImage, *StopAktImage;

    // The button bar and the two hidden push buttons.
    TPanel* Panel1;
    TBitBtn *StopBtn1, *StopBtn2, *StartBtn, *StopWalzenBtn, *MenueBtn;
    TBitBtn *TruhestretchenBtn, *MinimierenBtn, *HilfeBtn;
    TButton *EinzahlenButton, *AuszahlenButton;

    // Timers, the pause and the media player.
    TTimer *Timer1, *Timer2, *Timer3, *GewinnLeiste00Timer, *GewinnLeisteTimer2;
    TTimer *UhrzeitTimer, *Timer4, *PausenTimer, *AufloesungsTimer;
    TMachPause* MachPause1;
    TMediaPlayer* MediaPlayer1;

    // The play history; does nothing until the statistics attach theirs.
    std::unique_ptr<PlayEvents> Play = std::make_unique<PlayEvents>();
    // State of the subsystems; every window starts from fresh state.
    ProgramState Program;
    GameState Game;
    // Every move of money and special games.
    Ledger Money{Play};
    // The cash box stored with every move that changes it.
    CashBoxKeeper Kept{[this] { return Services.localTime(); }, [this] { return Play->CashBoxEntry(); }};
    // Which input acts when.
    InputGate Gate{*this};
    ChestState Chest;
    SharkState Shark;
    AttractState Attract;
    ReelBlurState ReelBlur;
    PlatformServices Services;

    // The methods below are defined in the folder named at each group; the feature folders
    // call each other only through them.

    // Start-up and lifecycle: shell/.
    void FormCreate(TObject* Sender);
    void FormPaint(TObject* Sender);
    void ApplicationActivate(TObject* Sender);
    void AppDeactivate(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void FormDestroy(TObject* Sender);
    // Keeps the player's name and the cash box for the next start; touches no window.
    // False when one of them could not be written (the reason is on stderr).
    bool SaveSettings();
    bool SavePlayerName();
    // The end step of every way out (machine/): the failure notices fall silent, the running
    // game and the play session are closed, and the name and the cash box kept. False when a
    // save failed.
    bool KeepForNextStart();
    // The start found a later cash box in the play history than in the store: the book opens
    // with it, and the store takes it.
    void TakeCashBox(const KeptCashBox& agreed);
    std::string WindowsVersionErmitteln();
    // A write of the player's files failed: he is told once per file and run.
    void ShowWriteFailure(const WriteFailure& failure);
    // Sets CPUTaktMHz from the clock measurement FormCreate started, waiting for it while
    // it still runs; later calls change nothing. Its reader calls it first.
    void AwaitCpuClock();

    // Ending the program: the debt log when it is on and money is owed, then the end.
    // The second asks first and does nothing during a payout. machine/.
    void EndProgram();
    void AskToEndProgram();

    // Settings: shell/.
    void SchreibAnwendungsPfadINRegistry(const std::string& programmDatei);
    std::string LiesAnwendungsPfadINRegistry();

    // Screen adaptation: shell/.
    void Elemente_an_Monitor_anpassen();
    void AufloesungsTimerTimer(TObject* Sender);
    // The debt log: the quit commands' entry for the whole debt, and an entry of an amount
    // (two places, no sign) with its ending. money/.
    void WriteDebtLog();
    void AppendDebtLogEntry(const std::string& amountText, const std::string& ending);

    // Money: the deposit animation and the payout. money/.
    void EinzahlenButtonClick(TObject* Sender);
    void AuszahlenButtonClick(TObject* Sender);

    // Treasure chest: shrinks it by n steps of 20 × 15 pixels. media/.
    void GroesseTruheEinstellen(int n);

    // Shell commands: shell/.
    void UhrzeitTimerTimer(TObject* Sender);
    void HilfeBtnClick(TObject* Sender);
    void FlaggeClick(TObject* Sender);
    bool InternetVerbindungVorhanden();

    // Reels: game/.
    void DreheWalzen();
    void DreheWalzeMitteNochmal();
    void Timer1Timer(TObject* Sender);
    void Timer2Timer(TObject* Sender);
    void Timer3Timer(TObject* Sender);
    void StoppeLinkeWalze();
    void StoppeMitteWalze();
    void StoppeRechteWalze();

    // Game control and keys: game/.
    void StartBtnClick(TObject* Sender);
    void ButtonStartClick(TObject* Sender);
    void AutoStartClick(TObject* Sender);
    // Runs AutoStartClick from the outermost loop, once however often it is asked for.
    void RequestAutoStart();
    void StopWalzenBtnClick(TObject* Sender);
    void MenueBtnClick(TObject* Sender);
    void FormKeyDown(TObject* Sender, Word& Key, TShiftState Shift);

    // Evaluation, win ladders, ladder stops and the risk game: game/.
    void Auswertung();
    void ClearLeisten();
    void GewinnLeiste00TimerTimer(TObject* Sender);
    void GewinnLeisteTimer2Timer(TObject* Sender);
    void StopBtn1Click(TObject* Sender);
    void StopBtn2Click(TObject* Sender);
    void ClamAnimation();
    void RisikoSpiel();

    // Crediting wins and special games, and the two displays: game/.
    void AddiereGewinn(const std::string& amountText);
    void AddiereSonderspiele(const std::string& anzahl);
    void AnzeigeLoeschen();
    void AnzeigeSonderspieleLoeschen();
    void DrawCredit();
    void DrawSpecialGames();
    void WinTone();

    // The living scene: the swimming shark, and the attract mode between games. media/.
    void Timer4Timer(TObject* Sender);
    void PausenTimerTimer(TObject* Sender);
    // Starts the show; each pass throws a money picture, then BlinkeInPause's lights run.
    void RuhePhase();
    void BlinkeInPause();
    // One step of the show, run by its timer.
    void AttractShowStep(TObject* Sender);
    // Stops the show at once and hides what it has on the scene (a payout takes over).
    void StopAttractShow();

    // Sound and the clock measurement: media/.
    double GetCPUSpeed();
    void PiepsePCLautsprecher(int frequenz, int dauer);
    void PlayCoinSound();

    // The spinning reels: Image1 blurred by an amount, shown in the left, middle, right reel.
    // media/.
    void Effect_SplitBlur_1(int amount);
    void Effect_SplitBlur_2(int amount);
    void Effect_SplitBlur_3(int amount);

private:
    // The layout: shell/.
    void CreateScene();
    void StyleLabels();
    void CreateButtonBar();
    // Which handler runs when: machine/.
    void BindHandlers();
    // Start-up steps: shell/.
    void CompareScreenSize();
    void SetUpDisplays();
    void FindInstallFolder();
    void ReadCashBox();
    void ShowLaddersUnlit();
    void ApplyStoredSwitches();
    void FitChest();

    TStringList* AuszahlungsListe = nullptr;
    // The clock measurement on its own thread; declared after Services, which it reads,
    // so that the window waits for it before Services goes.
    std::future<double> CpuClockMeasurement;
};

extern TForm1* Form1;
