// SPDX-License-Identifier: GPL-3.0-or-later
#include "kairogeraet.h"

#include "kairomaler.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <climits>
#include <cmath>
#include <stdexcept>

namespace kalotri::blatt {

namespace {

// A4 as Qt's writer sets it, in points.
constexpr double BreitePt = 595;
constexpr double HoehePt = 842;

cairo_status_t Schreibe(void* ziel, const unsigned char* daten, unsigned int laenge) {
    static_cast<std::string*>(ziel)->append(reinterpret_cast<const char*>(daten), laenge);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

KairoGeraet::KairoGeraet(const std::string& titel) {
    flaeche_ = cairo_pdf_surface_create_for_stream(Schreibe, &pdf_, BreitePt, HoehePt);
    cairo_pdf_surface_set_metadata(flaeche_, CAIRO_PDF_METADATA_TITLE, titel.c_str());
    cairo_pdf_surface_set_metadata(flaeche_, CAIRO_PDF_METADATA_CREATOR, "kalotri-blatt");
    cr_ = cairo_create(flaeche_);
    cairo_scale(cr_, 72.0 / Aufloesung, 72.0 / Aufloesung);
    maler_ = std::make_unique<KairoMaler>(cr_);
}

KairoGeraet::~KairoGeraet() {
    if (cr_ != nullptr) {
        cairo_destroy(cr_);
    }
    if (flaeche_ != nullptr) {
        cairo_surface_destroy(flaeche_);
    }
}

QPaintEngine* KairoGeraet::paintEngine() const {
    return maler_.get();
}

int KairoGeraet::metric(PaintDeviceMetric m) const {
    const double proPunkt = Aufloesung / 72.0;
    switch (m) {
    case PdmWidth:
        return static_cast<int>(std::lround(BreitePt * proPunkt));
    case PdmHeight:
        return static_cast<int>(std::lround(HoehePt * proPunkt));
    case PdmWidthMM:
        return static_cast<int>(std::lround(BreitePt / 72 * 25.4));
    case PdmHeightMM:
        return static_cast<int>(std::lround(HoehePt / 72 * 25.4));
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return Aufloesung;
    case PdmNumColors:
        return INT_MAX;
    case PdmDepth:
        return 32;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    }
    return 0;
}

void KairoGeraet::NeueSeite() {
    cairo_show_page(cr_);
}

void KairoGeraet::Beginne(const char* rolle, const std::string& alt) {
    cairo_tag_begin(cr_, rolle, "");
    if (std::string_view(rolle) == "Figure") {
        alt_.push_back(alt);
    }
}

void KairoGeraet::Ende(const char* rolle) {
    cairo_tag_end(cr_, rolle);
}

std::string KairoGeraet::Schliesse() {
    cairo_destroy(cr_);
    cr_ = nullptr;
    cairo_surface_finish(flaeche_);
    const cairo_status_t status = cairo_surface_status(flaeche_);
    cairo_surface_destroy(flaeche_);
    flaeche_ = nullptr;
    if (status != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error(cairo_status_to_string(status));
    }
    return std::move(pdf_);
}

} // namespace kalotri::blatt
