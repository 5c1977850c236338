// SPDX-License-Identifier: GPL-3.0-or-later
// The notes and coins that pay an amount, in paying order.
#include <gtest/gtest.h>

#include "money/payout_pieces.h"

namespace {

using Names = std::vector<std::string>;

TEST(PayoutPieces, LargestFirstWithoutTwoHundreds) {
    EXPECT_EQ(PayoutPieceNames("1287,90"),
              (Names{"500EuroSchein", "500EuroSchein", "100EuroSchein", "100EuroSchein", "50EuroSchein",
                     "20EuroSchein", "10EuroSchein", "5EuroSchein", "2EuroMuenze", "50CentMuenze", "20CentMuenze",
                     "20CentMuenze"}));
    EXPECT_EQ(PayoutPieceNames("90,00"), (Names{"50EuroSchein", "20EuroSchein", "20EuroSchein"}));
    EXPECT_EQ(PayoutPieceNames("200,00"), (Names{"100EuroSchein", "100EuroSchein"}));
    EXPECT_EQ(PayoutPieceNames("25,00"), (Names{"20EuroSchein", "5EuroSchein"}));
    EXPECT_EQ(PayoutPieceNames("44,40"), (Names{"20EuroSchein", "20EuroSchein", "2EuroMuenze", "2EuroMuenze",
                                                "20CentMuenze", "20CentMuenze"}));
    EXPECT_EQ(PayoutPieceNames("13,30"), (Names{"10EuroSchein", "2EuroMuenze", "1EuroMuenze", "20CentMuenze",
                                                "10CentMuenze"}));
    EXPECT_EQ(PayoutPieceNames("0,00"), Names{});
}

TEST(PayoutPieces, CentsBetweenTheTensAreNotPaid) {
    EXPECT_EQ(PayoutPieceNames("1,15"), Names{"1EuroMuenze"});
    EXPECT_EQ(PayoutPieceNames("0,05"), Names{});
}

TEST(PayoutPieces, AmountsOfTheNames) {
    auto amount = [](const char* name) { return std::string(kPayoutPieces[PayoutPieceIndex(name)].amount); };
    EXPECT_EQ(amount("500EuroSchein"), "500");
    EXPECT_EQ(amount("5EuroSchein"), "5");
    EXPECT_EQ(amount("1EuroMuenze"), "1");
    EXPECT_EQ(amount("50CentMuenze"), "0,50");
    EXPECT_EQ(amount("10CentMuenze"), "0,10");
    EXPECT_EQ(PayoutPieceIndex("200EuroSchein"), -1);
    EXPECT_TRUE(kPayoutPieces[PayoutPieceIndex("5EuroSchein")].clearsDisplay);
    EXPECT_FALSE(kPayoutPieces[PayoutPieceIndex("2EuroMuenze")].clearsDisplay);
}

}  // namespace
