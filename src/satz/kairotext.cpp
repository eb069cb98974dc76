// SPDX-License-Identifier: GPL-3.0-or-later
#include "kairotext.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <QList>

#include <cmath>

namespace kalotri::blatt {

Glyphensatz::~Glyphensatz() {
    for (auto& [_, s] : schnitte_) {
        cairo_scaled_font_destroy(s.Schrift);
        if (s.Zeichen != nullptr) {
            FcCharSetDestroy(s.Zeichen);
        }
    }
}

const Glyphensatz::Schnitt& Glyphensatz::Fuer(cairo_t* cr, const QFont& f, double groesse) {
    const auto schluessel =
        std::make_tuple(f.family().toStdString(), f.bold(), f.italic(), groesse);
    if (const auto da = schnitte_.find(schluessel); da != schnitte_.end()) {
        return da->second;
    }
    // The face fontconfig chooses for the family, as Qt and pango choose it.
    FcPattern* muster = FcPatternCreate();
    FcPatternAddString(muster, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(std::get<0>(schluessel).c_str()));
    FcPatternAddInteger(muster, FC_WEIGHT, f.bold() ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(muster, FC_SLANT, f.italic() ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, muster, FcMatchPattern);
    FcDefaultSubstitute(muster);
    FcResult ergebnis = FcResultNoMatch;
    FcPattern* gefunden = FcFontMatch(nullptr, muster, &ergebnis);
    FcPatternDestroy(muster);
    Schnitt s;
    if (gefunden != nullptr) {
        FcCharSet* zeichen = nullptr;
        if (FcPatternGetCharSet(gefunden, FC_CHARSET, 0, &zeichen) == FcResultMatch) {
            s.Zeichen = FcCharSetCopy(zeichen);
        }
        cairo_font_face_t* gesicht = cairo_ft_font_face_create_for_pattern(gefunden);
        cairo_matrix_t groessenMatrix, lage;
        cairo_matrix_init_scale(&groessenMatrix, groesse, groesse);
        cairo_get_matrix(cr, &lage);
        cairo_font_options_t* optionen = cairo_font_options_create();
        cairo_font_options_set_hint_metrics(optionen, CAIRO_HINT_METRICS_OFF);
        cairo_font_options_set_hint_style(optionen, CAIRO_HINT_STYLE_NONE);
        s.Schrift = cairo_scaled_font_create(gesicht, &groessenMatrix, &lage, optionen);
        cairo_font_options_destroy(optionen);
        cairo_font_face_destroy(gesicht);
        FcPatternDestroy(gefunden);
    }
    return schnitte_.emplace(schluessel, s).first->second;
}

bool Glyphensatz::Zeige(cairo_t* cr, const QFont& schrift, double groesse, const QString& text,
                        double x, double y, double breite) {
    const Schnitt& s = Fuer(cr, schrift, groesse);
    if (s.Zeichen == nullptr || cairo_scaled_font_status(s.Schrift) != CAIRO_STATUS_SUCCESS) {
        return false;
    }
    for (const uint z : text.toUcs4()) {
        if (FcCharSetHasChar(s.Zeichen, z) == FcFalse) {
            return false;
        }
    }
    const QByteArray utf8 = text.toUtf8();
    cairo_glyph_t* glyphen = nullptr;
    cairo_text_cluster_t* gruppen = nullptr;
    int anzahl = 0, gruppenAnzahl = 0;
    cairo_text_cluster_flags_t art{};
    if (cairo_scaled_font_text_to_glyphs(s.Schrift, x, y, utf8.constData(),
                                         static_cast<int>(utf8.size()), &glyphen, &anzahl, &gruppen,
                                         &gruppenAnzahl, &art) != CAIRO_STATUS_SUCCESS) {
        return false;
    }
    cairo_text_extents_t mass;
    cairo_scaled_font_glyph_extents(s.Schrift, glyphen, anzahl, &mass);
    // The glyphs moved apart rather than stretched: the face stays as it is.
    if (const double faktor = breite / mass.x_advance;
        mass.x_advance > 0 && std::abs(faktor - 1) < 0.03) {
        for (int i = 0; i < anzahl; ++i) {
            glyphen[i].x = x + (glyphen[i].x - x) * faktor;
        }
    }
    cairo_set_scaled_font(cr, s.Schrift);
    cairo_show_text_glyphs(cr, utf8.constData(), static_cast<int>(utf8.size()), glyphen, anzahl,
                           gruppen, gruppenAnzahl, art);
    cairo_glyph_free(glyphen);
    cairo_text_cluster_free(gruppen);
    return true;
}

} // namespace kalotri::blatt
