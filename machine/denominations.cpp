// SPDX-License-Identifier: GPL-3.0-or-later
#include "machine/denominations.h"

#include <stdexcept>

const Denomination& DenominationOf(TImage* TMenueDlg::*picture) {
    for (const Denomination& d : kDenominations)
        if (d.picture == picture) return d;
    throw std::out_of_range("no note or coin of the menu");
}
