#include "platform/screen_size.h"

#include <SDL.h>

std::optional<ScreenDimensions> ScreenSize() {
    if (SDL_WasInit(SDL_INIT_VIDEO) == 0 && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return std::nullopt;
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return std::nullopt;
    return ScreenDimensions{mode.w, mode.h};
}
