// SPDX-License-Identifier: GPL-3.0-or-later
// The swimming shark, tick by tick: steps, turns, pictures, and the flag it tows.
#include <gtest/gtest.h>

#include "tests/game/played_game.h"

namespace {

struct Tick {
    int left, top;
    const TImage* picture;  // which source the shark shows, or nullptr
};

// Records the shark at each of its ticks.
std::vector<Tick> Watch(PlayedGame& g, int ms) {
    TForm1& f = *g.f;
    std::vector<Tick> ticks;
    const TImage* sources[] = {f.HaiNachRechts, f.HaiNachLinks, f.HaiGebuecktRechts, f.HaiGebuecktLinks};
    g.Whenever([&f, last = f.HaiImage2->Left()]() mutable {
        const bool moved = f.HaiImage2->Left() != last;
        last = f.HaiImage2->Left();
        return moved;
    }, [&] {
        const TImage* shown = nullptr;
        for (const TImage* s : sources)
            if (g.Shows(*f.HaiImage2, *s)) shown = s;
        ticks.push_back({f.HaiImage2->Left(), f.HaiImage2->Top(), shown});
    });
    g.Run(ms);
    return ticks;
}

TEST(Shark, SwimsTurnsAndChangesPicturesTickByTick) {
    PlayedGame g;
    TForm1& f = *g.f;
    const std::vector<Tick> t = Watch(g, 14500);
    ASSERT_GE(t.size(), 140u);
    // Started by the layout at 820 - 163 - 100, five pixels a tick to the right.
    EXPECT_EQ(t[0].left, 557 + 2 * 5);  // the first paint took two ticks
    const int top = t[0].top;
    // The first tick whose left exceeds 820 - 190 turns: up 5 pixels, and back 5 a tick.
    std::size_t turn = 0;
    while (t[turn].left <= 630) ++turn;
    EXPECT_EQ(t[turn].left, 632);
    EXPECT_EQ(t[turn].top, top - 5);
    EXPECT_EQ(t[turn + 1].left, 627);
    // Ticks are counted from the first one: 3rd and 15th ticks bring new pictures.
    EXPECT_EQ(t[0].picture, f.HaiNachRechts);   // tick 3: the first swim picture
    EXPECT_EQ(t[turn].picture, f.HaiGebuecktLinks);  // tick 15: swim then bent, facing left now
    EXPECT_EQ(t[turn + 1].picture, f.HaiGebuecktLinks);
    EXPECT_EQ(t[turn + 3].picture, f.HaiNachLinks);
    // The left turn: the first tick below 27, facing right at once, 20 pixels higher.
    std::size_t back = turn;
    while (t[back].left >= 27) ++back;
    EXPECT_EQ(t[back].left, 22);
    EXPECT_EQ(t[back].top, top - 25);
    EXPECT_EQ(t[back].picture, f.HaiNachRechts);
    EXPECT_EQ(t[back + 1].left, 27);
}

// The flag is towed only while the machine is idle, always behind the tail.
TEST(Shark, FlagHidesDuringAGameAndFollowsTheTailWhenIdle) {
    PlayedGame g(true);
    TForm1& f = *g.f;
    f.Game.ErsterMenueAufruf = false;
    g.SetCredit("0,20");
    auto behindTail = [&] {
        const TImage& hai = *f.HaiImage2;
        return f.Shark.HaiSchwimmtNachLinks ? f.Flagge->Left() == hai.Left() + hai.Width() - 55
                                          : f.Flagge->Left() == hai.Left() - f.Flagge->Width() + 55;
    };
    g.At(50, [&] {
        EXPECT_TRUE(f.Flagge->Visible());
        EXPECT_TRUE(behindTail());
        f.RequestAutoStart();
    });
    g.At(2200, [&] {  // the game has started and the shark has ticked since
        EXPECT_TRUE(f.Game.SpielLaeuft);
        EXPECT_FALSE(f.Flagge->Visible());
        EXPECT_TRUE(behindTail());
    });
    g.At(19000, [&] {  // the credit is gone: idle again
        EXPECT_TRUE(f.Game.RuhePhaseErlaubt);
        EXPECT_TRUE(f.Flagge->Visible());
        EXPECT_TRUE(behindTail());
        EXPECT_EQ(f.Flagge->Top(), f.HaiImage2->Top() + 30);
    });
    g.Run(19100);
}

}  // namespace
