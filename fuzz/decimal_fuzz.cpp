// SPDX-License-Identifier: GPL-3.0-or-later
// The decimal parser on any text: it accepts or refuses without fault, and every text made of
// an accepted amount parses back to that amount, or to its rounding for fewer places.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "support/decimal_mask.h"
#include "support/euro_decimal.h"

namespace {

bool Throws(std::string_view text) {
    try {
        EuroDecimal::Parse(text);
        return false;
    } catch (const DecimalError&) {
        return true;
    }
}

// `rounded` lies within half a unit of the last of `places` places from `value`.
bool RoundsTo(const EuroDecimal& value, const EuroDecimal& rounded, int places) {
    const EuroDecimal half = EuroDecimal::Parse("0," + std::string(static_cast<std::size_t>(places), '0') + "5");
    return rounded - value <= half && value - rounded <= half;
}

// The one text of fewer places that the parser refuses: rounding up to a 19th digit, 10^18.
bool RoundedPastTheLimit(std::string_view text) {
    if (text.starts_with('-')) text.remove_prefix(1);
    return text.substr(0, text.find(',')) == "1000000000000000000";
}

void CheckFormats(const EuroDecimal& value) {
    FUZZ_CHECK(EuroDecimal::Parse(value.ToShortest()) == value);
    FUZZ_CHECK(EuroDecimal::Parse(value.ToFixed(EuroDecimal::kPlaces)) == value);
    for (const int places : {0, 1, 2}) {
        const std::string text = value.ToFixed(places);
        const auto rounded = EuroDecimal::TryParse(text);
        FUZZ_CHECK(rounded ? RoundsTo(value, *rounded, places) : RoundedPastTheLimit(text));
    }
    // The game's masks: the credit with one place, the special games without.
    if (!EuroDecimal::TryParse(value.ToFixed(0))) return;
    FUZZ_CHECK(EuroDecimal::Parse(FormatWithMask(value, "########0,0")) == EuroDecimal::Parse(value.ToFixed(1)));
    FUZZ_CHECK(EuroDecimal::Parse(FormatWithMask(value, "########0#")) == EuroDecimal::Parse(value.ToFixed(0)));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = EuroDecimal::TryParse(text);
    FUZZ_CHECK(Throws(text) == !value.has_value());
    if (!value) return 0;
    CheckFormats(*value);
    FUZZ_CHECK(-(-*value) == *value);
    FUZZ_CHECK((*value - *value).Sign() == 0);
    return 0;
}
