// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "kairotext.h"

#include <QPaintEngine>

using cairo_t = struct _cairo;
using PangoLayout = struct _PangoLayout;
using PangoFontMap = struct _PangoFontMap;

namespace kalotri::blatt {

// QPainter's drawing on a cairo context: paths with Qt's pens and brushes, text in the
// same face and size (by its character map, or by pango where the face lacks a character),
// the glyphs carrying their characters (ToUnicode), so the text reads back as painted.
class KairoMaler : public QPaintEngine {
  public:
    explicit KairoMaler(cairo_t* cr);
    ~KairoMaler() override;
    KairoMaler(const KairoMaler&) = delete;
    KairoMaler& operator=(const KairoMaler&) = delete;

    bool begin(QPaintDevice* geraet) override;
    bool end() override;
    void updateState(const QPaintEngineState& zustand) override;
    void drawPath(const QPainterPath& pfad) override;
    void drawPolygon(const QPointF* punkte, int anzahl, PolygonDrawMode art) override;
    void drawLines(const QLineF* linien, int anzahl) override;
    void drawRects(const QRectF* rechtecke, int anzahl) override;
    void drawPixmap(const QRectF& ziel, const QPixmap& bild, const QRectF& quelle) override;
    void drawImage(const QRectF& ziel, const QImage& bild, const QRectF& quelle,
                   Qt::ImageConversionFlags) override;
    void drawTextItem(const QPointF& p, const QTextItem& text) override;
    Type type() const override { return User; }

  private:
    void Fuelle(Qt::FillRule regel);
    void Ziehe();
    void Farbe(const QColor& farbe);
    cairo_t* cr_;
    PangoFontMap* karte_ = nullptr;
    PangoLayout* satz_ = nullptr;
    Glyphensatz glyphen_;
    QPen stift_;
    QBrush pinsel_;
    QFont schrift_;
    QTransform lage_;
};

} // namespace kalotri::blatt
