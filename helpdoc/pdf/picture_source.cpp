// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpdoc/pdf/picture_source.h"

#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>

#include "codecs/picture_file.h"
#include "support/resource.h"

namespace {

cairo_surface_t* ToSurface(const PixelBuffer& picture, bool transparent) {
    cairo_surface_t* surface = cairo_image_surface_create(transparent ? CAIRO_FORMAT_ARGB32 : CAIRO_FORMAT_RGB24,
                                                          picture.width(), picture.height());
    const Bgr key = picture.pixel(0, picture.height() - 1);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const Bgr c = picture.pixel(x, y);
            const bool clear = transparent && c == key;
            // Premultiplied 0xAARRGGBB in native byte order.
            const std::uint32_t argb = clear ? 0u : 0xFF000000u | (std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b;
            std::memcpy(data + y * stride + x * 4, &argb, 4);
        }
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

}  // namespace

PictureSource::~PictureSource() {
    for (auto& [name, surface] : surfaces_) cairo_surface_destroy(surface);
}

cairo_surface_t* PictureSource::Get(const std::string& name, bool transparent) {
    const std::string key = name + (transparent ? "#t" : "");
    if (auto found = surfaces_.find(key); found != surfaces_.end()) return found->second;
    const Resource* resource = FindResource(name);
    if (!resource) throw std::runtime_error("no picture named " + name);
    const PixelBuffer picture = DecodePicture(std::span<const std::uint8_t>(resource->data, resource->size));
    return surfaces_[key] = ToSurface(picture, transparent);
}

void PictureSource::Draw(cairo_t* cr, const std::string& name, double x, double y, double w, double h,
                         bool transparent) {
    cairo_surface_t* surface = Get(name, transparent);
    const int pw = cairo_image_surface_get_width(surface), ph = cairo_image_surface_get_height(surface);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, w / pw, h / ph);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_BEST);
    cairo_paint(cr);
    cairo_restore(cr);
}

double PictureSource::WidthAt(const std::string& name, double h) {
    cairo_surface_t* surface = Get(name);
    return h * cairo_image_surface_get_width(surface) / cairo_image_surface_get_height(surface);
}
