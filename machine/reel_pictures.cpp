// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/reel_pictures.h"

#include "machine/form1.h"

namespace {

#define PICTURE(id, name) ReelPictureRow{Walzenbild::id, #name, &TForm1::name}
constexpr std::array<ReelPictureRow, kWalzenbildCount> kReelPictureRows = {
    PICTURE(W7, Walzenbild7),     PICTURE(W8, Walzenbild8),     PICTURE(W9, Walzenbild9),
    PICTURE(W10, Walzenbild10),   PICTURE(W11, Walzenbild11),   PICTURE(W12, Walzenbild12),
    PICTURE(W3, Walzenbild3),     PICTURE(W4, Walzenbild4),     PICTURE(W5, Walzenbild5),
    PICTURE(W6_1, Walzenbild6_1), PICTURE(W6_2, Walzenbild6_2), PICTURE(W6_3, Walzenbild6_3),
    PICTURE(W1, Walzenbild1),     PICTURE(W2, Walzenbild2),
};
#undef PICTURE

constexpr bool InOrderOfTheRecord() {
    for (std::size_t i = 0; i < kReelPictureRows.size(); ++i)
        if (kReelPictureRows[i].id != static_cast<Walzenbild>(i)) return false;
    return true;
}
static_assert(InOrderOfTheRecord(), "the rows follow the stop record's order");

}  // namespace

const ReelPictureRow& ReelPictureOf(Walzenbild picture) {
    return kReelPictureRows[static_cast<std::size_t>(picture)];
}
