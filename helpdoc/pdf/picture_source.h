// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's own pictures (the assets built into the program) as cairo surfaces, decoded once.
#include <cairo.h>

#include <map>
#include <string>

class PictureSource {
public:
    PictureSource() = default;
    PictureSource(const PictureSource&) = delete;
    PictureSource& operator=(const PictureSource&) = delete;
    ~PictureSource();

    // The picture of that asset name ("Walzenbild6_2"); with `transparent`, the colour of its
    // bottom-left pixel is left out, as the scene draws it. Throws when there is no such asset.
    cairo_surface_t* Get(const std::string& name, bool transparent = false);

    // Draws the picture scaled to w x h points with its top-left corner at (x, y).
    void Draw(cairo_t* cr, const std::string& name, double x, double y, double w, double h,
              bool transparent = false);
    // Width in points of the picture drawn `h` points high.
    double WidthAt(const std::string& name, double h);

private:
    std::map<std::string, cairo_surface_t*> surfaces_;
};
