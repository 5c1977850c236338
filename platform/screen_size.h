#pragma once
// The size of the primary screen.
#include <optional>

struct ScreenDimensions {
    int width = 0;
    int height = 0;
    bool operator==(const ScreenDimensions&) const = default;
};

// The primary display's desktop size in pixels; nothing when there is no display.
// Starts SDL's video subsystem if nobody has yet.
std::optional<ScreenDimensions> ScreenSize();
