#pragma once
// Horizontal centring in the main window, as the scene does it: the window's right
// half-width minus the picture's half-width, both truncated.
constexpr int CentredLeft(int windowWidth, int width) {
    return windowWidth - windowWidth / 2 - width / 2;
}
