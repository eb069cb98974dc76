// SPDX-License-Identifier: GPL-3.0-or-later
#include "kairomaler.h"

#include "kairotext.h"

#include <QImage>
#include <QPainterPath>
#include <QPixmap>

#include <cairo.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>

#include <cmath>
#include <vector>

namespace kalotri::blatt {

KairoMaler::KairoMaler(cairo_t* cr) : QPaintEngine(AllFeatures), cr_(cr) {
    // Unhinted outlines and metrics: the glyphs stand where Qt measured them for paper.
    // A font map of its own, shut down with the painter: pango's shared one keeps its
    // faces and fontconfig's patterns until the process ends.
    karte_ = pango_cairo_font_map_new();
    PangoContext* kontext = pango_font_map_create_context(karte_);
    pango_cairo_update_context(cr_, kontext);
    cairo_font_options_t* optionen = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(optionen, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_hint_style(optionen, CAIRO_HINT_STYLE_NONE);
    pango_cairo_context_set_font_options(kontext, optionen);
    pango_context_set_round_glyph_positions(kontext, FALSE);
    cairo_font_options_destroy(optionen);
    satz_ = pango_layout_new(kontext);
    g_object_unref(kontext);
}

KairoMaler::~KairoMaler() {
    g_object_unref(satz_);
    pango_fc_font_map_shutdown(PANGO_FC_FONT_MAP(karte_));
    g_object_unref(karte_);
}

bool KairoMaler::begin(QPaintDevice*) {
    setActive(true);
    return true;
}

bool KairoMaler::end() {
    setActive(false);
    return true;
}

void KairoMaler::updateState(const QPaintEngineState& zustand) {
    const DirtyFlags was = zustand.state();
    if (was & DirtyPen) {
        stift_ = zustand.pen();
    }
    if (was & DirtyBrush) {
        pinsel_ = zustand.brush();
    }
    if (was & DirtyFont) {
        schrift_ = zustand.font();
    }
    if (was & DirtyTransform) {
        lage_ = zustand.transform();
    }
}

namespace {

// The context's matrix: device units, then the painter's transformation.
class Lage {
  public:
    Lage(cairo_t* cr, const QTransform& t) : cr_(cr) {
        cairo_save(cr_);
        if (!t.isIdentity()) {
            cairo_matrix_t m;
            cairo_matrix_init(&m, t.m11(), t.m12(), t.m21(), t.m22(), t.dx(), t.dy());
            cairo_transform(cr_, &m);
        }
    }
    ~Lage() { cairo_restore(cr_); }
    Lage(const Lage&) = delete;
    Lage& operator=(const Lage&) = delete;

  private:
    cairo_t* cr_;
};

} // namespace

void KairoMaler::Farbe(const QColor& farbe) {
    cairo_set_source_rgba(cr_, farbe.redF(), farbe.greenF(), farbe.blueF(), farbe.alphaF());
}

void KairoMaler::Fuelle(Qt::FillRule regel) {
    if (pinsel_.style() == Qt::NoBrush) {
        return;
    }
    Farbe(pinsel_.color());
    cairo_set_fill_rule(cr_, regel == Qt::WindingFill ? CAIRO_FILL_RULE_WINDING
                                                      : CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill_preserve(cr_);
}

void KairoMaler::Ziehe() {
    if (stift_.style() == Qt::NoPen) {
        cairo_new_path(cr_);
        return;
    }
    Farbe(stift_.color());
    // A width of 0 is Qt's thinnest line; one device unit is as thin as paper shows.
    const double breite = stift_.widthF() > 0 ? stift_.widthF() : 1.0;
    cairo_set_line_width(cr_, breite);
    cairo_set_line_cap(cr_, stift_.capStyle() == Qt::RoundCap    ? CAIRO_LINE_CAP_ROUND
                            : stift_.capStyle() == Qt::SquareCap ? CAIRO_LINE_CAP_SQUARE
                                                                 : CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr_, stift_.joinStyle() == Qt::RoundJoin   ? CAIRO_LINE_JOIN_ROUND
                             : stift_.joinStyle() == Qt::BevelJoin ? CAIRO_LINE_JOIN_BEVEL
                                                                   : CAIRO_LINE_JOIN_MITER);
    std::vector<double> striche;
    if (stift_.style() != Qt::SolidLine) {
        // Qt counts dashes in pen widths.
        for (const qreal strich : stift_.dashPattern()) {
            striche.push_back(strich * breite);
        }
    }
    cairo_set_dash(cr_, striche.data(), static_cast<int>(striche.size()), 0);
    cairo_stroke(cr_);
}

void KairoMaler::drawPath(const QPainterPath& pfad) {
    const Lage lage(cr_, lage_);
    cairo_new_path(cr_);
    for (int i = 0; i < pfad.elementCount(); ++i) {
        const QPainterPath::Element e = pfad.elementAt(i);
        if (e.isMoveTo()) {
            cairo_move_to(cr_, e.x, e.y);
        } else if (e.isLineTo()) {
            cairo_line_to(cr_, e.x, e.y);
        } else if (e.isCurveTo() && i + 2 < pfad.elementCount()) {
            const QPainterPath::Element b = pfad.elementAt(i + 1), c = pfad.elementAt(i + 2);
            cairo_curve_to(cr_, e.x, e.y, b.x, b.y, c.x, c.y);
            i += 2;
        }
    }
    Fuelle(pfad.fillRule());
    Ziehe();
}

void KairoMaler::drawPolygon(const QPointF* punkte, int anzahl, PolygonDrawMode art) {
    if (anzahl <= 0) {
        return;
    }
    const Lage lage(cr_, lage_);
    cairo_new_path(cr_);
    cairo_move_to(cr_, punkte[0].x(), punkte[0].y());
    for (int i = 1; i < anzahl; ++i) {
        cairo_line_to(cr_, punkte[i].x(), punkte[i].y());
    }
    if (art != PolylineMode) {
        cairo_close_path(cr_);
        Fuelle(art == WindingMode ? Qt::WindingFill : Qt::OddEvenFill);
    }
    Ziehe();
}

void KairoMaler::drawLines(const QLineF* linien, int anzahl) {
    const Lage lage(cr_, lage_);
    cairo_new_path(cr_);
    for (int i = 0; i < anzahl; ++i) {
        cairo_move_to(cr_, linien[i].x1(), linien[i].y1());
        cairo_line_to(cr_, linien[i].x2(), linien[i].y2());
    }
    Ziehe();
}

void KairoMaler::drawRects(const QRectF* rechtecke, int anzahl) {
    const Lage lage(cr_, lage_);
    cairo_new_path(cr_);
    for (int i = 0; i < anzahl; ++i) {
        const QRectF& r = rechtecke[i];
        cairo_rectangle(cr_, r.x(), r.y(), r.width(), r.height());
    }
    Fuelle(Qt::OddEvenFill);
    Ziehe();
}

void KairoMaler::drawPixmap(const QRectF& ziel, const QPixmap& bild, const QRectF& quelle) {
    drawImage(ziel, bild.toImage(), quelle, Qt::AutoColor);
}

void KairoMaler::drawImage(const QRectF& ziel, const QImage& roh, const QRectF& quelle,
                           Qt::ImageConversionFlags) {
    QImage bild =
        roh.copy(quelle.toAlignedRect()).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (bild.isNull() || ziel.isEmpty()) {
        return;
    }
    cairo_surface_t* flaeche =
        cairo_image_surface_create_for_data(bild.bits(), CAIRO_FORMAT_ARGB32, bild.width(),
                                            bild.height(), static_cast<int>(bild.bytesPerLine()));
    const Lage lage(cr_, lage_);
    cairo_translate(cr_, ziel.x(), ziel.y());
    cairo_scale(cr_, ziel.width() / bild.width(), ziel.height() / bild.height());
    cairo_set_source_surface(cr_, flaeche, 0, 0);
    cairo_paint(cr_);
    cairo_surface_destroy(flaeche);
}

void KairoMaler::drawTextItem(const QPointF& p, const QTextItem& text) {
    // Control characters have no glyph; pango would draw each as a box of hex digits in a
    // face of its own choosing, and large.
    QString zeichen = text.text();
    zeichen.removeIf([](QChar z) { return z.category() == QChar::Other_Control; });
    if (zeichen.isEmpty()) {
        return;
    }
    const QFont f = text.font();
    const double dpi = paintDevice() != nullptr ? paintDevice()->logicalDpiY() : 72;
    const double groesse = f.pixelSize() > 0 ? f.pixelSize() : f.pointSizeF() * dpi / 72;
    {
        const Lage lage(cr_, lage_);
        Farbe(stift_.color());
        if (glyphen_.Zeige(cr_, f, groesse, zeichen, p.x(), p.y(), text.width())) {
            return;
        }
    }
    PangoFontDescription* d = pango_font_description_new();
    pango_font_description_set_family(d, f.family().toUtf8().constData());
    pango_font_description_set_weight(d, f.bold() ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_style(d, f.italic() ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
    pango_font_description_set_absolute_size(d, groesse * PANGO_SCALE);
    pango_layout_set_font_description(satz_, d);
    pango_font_description_free(d);
    const QByteArray utf8 = zeichen.toUtf8();
    pango_layout_set_text(satz_, utf8.constData(), static_cast<int>(utf8.size()));

    const Lage lage(cr_, lage_);
    Farbe(stift_.color());
    pango_cairo_update_layout(cr_, satz_);
    PangoLayoutLine* zeile = pango_layout_get_line(satz_, 0);
    // A character no face has would be a box of hex digits, sized for points rather than
    // for these units; it takes no room, as a control character does.
    for (GSList* lauf = zeile->runs; lauf != nullptr; lauf = lauf->next) {
        PangoGlyphString* glyphen = static_cast<PangoGlyphItem*>(lauf->data)->glyphs;
        for (int i = 0; i < glyphen->num_glyphs; ++i) {
            if ((glyphen->glyphs[i].glyph & PANGO_GLYPH_UNKNOWN_FLAG) != 0) {
                glyphen->glyphs[i].glyph = PANGO_GLYPH_EMPTY;
                glyphen->glyphs[i].geometry.width = 0;
            }
        }
    }
    PangoRectangle umriss;
    pango_layout_line_get_extents(zeile, nullptr, &umriss);
    const double breite = static_cast<double>(umriss.width) / PANGO_SCALE;
    cairo_translate(cr_, p.x(), p.y());
    // Stretched by the few thousandths that pango's advances differ from Qt's, so that
    // right-aligned and centred texts end exactly where Qt measured them.
    if (const double mass = text.width() / breite; breite > 0 && std::abs(mass - 1) < 0.03) {
        cairo_scale(cr_, mass, 1);
    }
    cairo_move_to(cr_, 0, 0);
    pango_cairo_show_layout_line(cr_, zeile);
    cairo_new_path(cr_);
}

} // namespace kalotri::blatt
