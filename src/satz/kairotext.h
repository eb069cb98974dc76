// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QString>

#include <map>
#include <string>
#include <tuple>

using cairo_t = struct _cairo;
using cairo_scaled_font_t = struct _cairo_scaled_font;
using FcCharSet = struct _FcCharSet;

namespace kalotri::blatt {

// Text in one face by the face's own character map, without shaping: almost every line
// of a sheet is Latin and Greek in Liberation Sans, which needs none, and this is several
// times quicker than shaping each line a second time after Qt. A text with a character the
// face lacks is left to the caller (pango, which finds another face for it).
class Glyphensatz {
  public:
    Glyphensatz() = default;
    ~Glyphensatz();
    Glyphensatz(const Glyphensatz&) = delete;
    Glyphensatz& operator=(const Glyphensatz&) = delete;

    // Shows text with its baseline starting at x, y, spread to breite where it comes out
    // within a few per cent of it (the kerning Qt applied). False, with nothing shown,
    // where the face lacks a character.
    bool Zeige(cairo_t* cr, const QFont& schrift, double groesse, const QString& text, double x,
               double y, double breite);

  private:
    struct Schnitt {
        cairo_scaled_font_t* Schrift = nullptr;
        FcCharSet* Zeichen = nullptr;
    };
    const Schnitt& Fuer(cairo_t* cr, const QFont& schrift, double groesse);
    std::map<std::tuple<std::string, bool, bool, double>, Schnitt> schnitte_;
};

} // namespace kalotri::blatt
