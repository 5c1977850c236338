// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpdoc/help_names.h"

std::string_view PictureName(Walzenbild picture) {
    switch (picture) {
        case Walzenbild::W1: return "Hai";
        case Walzenbild::W2: return "Blasenhai";
        case Walzenbild::W3: return "Perlmuschel";
        case Walzenbild::W4: return "Muschel";
        case Walzenbild::W5: return "Schneckenhaus";
        case Walzenbild::W6_1: return "1 Seestern";
        case Walzenbild::W6_2: return "2 Seesterne";
        case Walzenbild::W6_3: return "3 Seesterne";
        case Walzenbild::W7: return "50";
        case Walzenbild::W8: return "1,50";
        case Walzenbild::W9: return "2,20";
        case Walzenbild::W10: return "1,20";
        case Walzenbild::W11: return "2,50";
        case Walzenbild::W12: return "3,70";
    }
    return "";
}


std::string LevelText(Ladder ladder, int step) {
    return std::string(StepAmountText(ladder, step)) + (IsMoneyStep(step) ? " Euro" : " Sonderspiele");
}

std::string CombinationText(const PictureLine& line) {
    if (line.left == line.middle && line.middle == line.right) return "dreimal " + std::string(PictureName(line.left));
    constexpr std::string_view dash = " \u2013 ";
    std::string text(PictureName(line.left));
    text.append(dash).append(PictureName(line.middle));
    text.append(dash).append(PictureName(line.right));
    return text;
}
