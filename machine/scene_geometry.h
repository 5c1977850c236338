// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Placements that more than one part of the scene makes.
class TForm1;
class TImage;

// Money pictures up to this high are coins: drawn transparently, they grow less in flight.
constexpr int kCoinHeightMax = 80;
bool IsCoinPicture(const TImage& image);

// The scene picture with the moving shark: the full-size one or the shrunk copy.
TImage& MovingShark(TForm1& f);

// The thrown money picture at the start of its flight, at the chest's base size.
void PlaceMoneyPictureAtStart(TForm1& f);
// Flight step 1 to 20: 20 pixels right and 50 down; from the 5th step twice (coins) or three
// times (notes) the base size.
void MoneyPictureFlightStep(TForm1& f, int step);
// The flight runs steps 1 to kMoneyFlightSteps.
inline constexpr int kMoneyFlightSteps = 20;

// The clam and the title at the lower right of the full-size chest, at their full sizes.
void PlaceClamAndTitleAtFullChest(TForm1& f);

// The water tile's current size, taken from its picture.
void TakeWaterTileSize(TForm1& f);

// Horizontal centring in the main window, as the scene does it: the window's right
// half-width minus the picture's half-width, both truncated.
constexpr int CentredLeft(int windowWidth, int width) {
    return windowWidth - windowWidth / 2 - width / 2;
}
