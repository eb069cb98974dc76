// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "auszeichnung.h"

#include <QPaintDevice>

#include <memory>
#include <string>
#include <vector>

using cairo_t = struct _cairo;
using cairo_surface_t = struct _cairo_surface;

namespace kalotri::blatt {

class KairoMaler;

// A4 pages of a PDF painted through QPainter by cairo, which keeps the structure that is
// announced while painting (Strukturziel). Its units are those of a 600 dpi QPdfWriter,
// so that a sheet laid out for one is painted alike on the other.
class KairoGeraet : public QPaintDevice, public Strukturziel {
  public:
    explicit KairoGeraet(const std::string& titel);
    ~KairoGeraet() override;
    KairoGeraet(const KairoGeraet&) = delete;
    KairoGeraet& operator=(const KairoGeraet&) = delete;

    QPaintEngine* paintEngine() const override;
    void NeueSeite();
    // Ends the document; the PDF as cairo wrote it, and each figure's description in the
    // order the figures were begun. Throws where cairo failed.
    std::string Schliesse();
    const std::vector<std::string>& Beschreibungen() const { return alt_; }

    void Beginne(const char* rolle, const std::string& alt) override;
    void Ende(const char* rolle) override;

    static constexpr int Aufloesung = 600;

  protected:
    int metric(PaintDeviceMetric m) const override;

  private:
    std::string pdf_;
    cairo_surface_t* flaeche_ = nullptr;
    cairo_t* cr_ = nullptr;
    std::unique_ptr<KairoMaler> maler_;
    std::vector<std::string> alt_;
};

} // namespace kalotri::blatt
