// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the help document: make_help_pdf <text source> <output.pdf>
#include <cairo-pdf.h>
#include <fontconfig/fontconfig.h>
#include <pango/pangocairo.h>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>

#include "helpdoc/pdf/help_document.h"
#include "helpdoc/pdf/help_markup.h"
#include "helpdoc/pdf/help_values.h"
#include "support/atomic_file.h"
#include "support/read_file.h"

namespace {

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

std::string Typeset(const std::vector<HelpBlock>& blocks) {
    std::string pdf;
    cairo_surface_t* surface =
        cairo_pdf_surface_create_for_stream(Append, &pdf, PageWriter::kPageWidth, PageWriter::kPageHeight);
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_TITLE, "Tresolo – Hilfe und Gewinnplan");
    cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_AUTHOR, "Tresolo");
    cairo_t* cr = cairo_create(surface);
    {
        PictureSource pictures;
        PageWriter page(cr, "Tresolo – Hilfe und Gewinnplan");
        SetHelp(blocks, page, pictures);
    }
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    const cairo_status_t status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error(cairo_status_to_string(status));
    return pdf;
}

// Pango's fonts, cairo's and fontconfig's caches are given back before the end, so that a leak
// check sees only what this program forgot.
void ReleaseFontCaches() {
    pango_cairo_font_map_set_default(nullptr);
    cairo_debug_reset_static_data();
    FcFini();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_help_pdf <text source> <output.pdf>\n");
        return 2;
    }
    try {
        const Result<std::string> source = ReadFileText(argv[1]);
        if (!source) throw std::runtime_error(source.Why().reason);
        const std::vector<HelpBlock> blocks = ParseHelp(*source, HelpValues());
        const std::string pdf = Typeset(blocks);
        ReleaseFontCaches();
        const Outcome written = WriteFileAtomically(argv[2], pdf);
        if (!written) throw std::runtime_error(written.reason);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_help_pdf: %s\n", e.what());
        return 1;
    }
    return 0;
}
