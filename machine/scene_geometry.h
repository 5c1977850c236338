#pragma once
// Placements that more than one part of the scene makes.
class TForm1;

// The clam and the title at the lower right of the full-size chest, at their full sizes.
void PlaceClamAndTitleAtFullChest(TForm1& f);

// The water tile's current size, taken from its picture.
void TakeWaterTileSize(TForm1& f);

// Horizontal centring in the main window, as the scene does it: the window's right
// half-width minus the picture's half-width, both truncated.
constexpr int CentredLeft(int windowWidth, int width) {
    return windowWidth - windowWidth / 2 - width / 2;
}
