// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurjson.h"

#include "figur.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <cmath>
#include <cstdio>
#include <vector>

namespace kalotri::web {

namespace {

// Figure units: the page scales the SVG to its column; labels are set in this size.
constexpr double Schrift = 13;
constexpr double Rahmen = 260;
constexpr double RahmenHoehe = 190;

using Writer = rapidjson::Writer<rapidjson::StringBuffer>;

// No font can be measured here: a generous average advance for the page's sans-serif.
Ausmass Textmass(const std::string& text) {
    std::size_t zeichen = 0;
    for (const unsigned char c : text) {
        zeichen += (c & 0xC0) != 0x80 ? 1 : 0; // UTF-8: count only first bytes
    }
    return {0.62 * Schrift * static_cast<double>(zeichen) + 4, 1.25 * Schrift};
}

std::string Zahl(double x) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%.2f", x);
    return puffer;
}

std::string Koordinaten(Punkt p) {
    return Zahl(p.x) + "," + Zahl(p.y);
}

// The arc of the angle at corner i from one side to the other, the short way round.
std::string Bogen(const Figur& f, std::size_t i) {
    const Punkt ecke = f.Ecken[i];
    const double r = f.BogenRadius[i];
    const Punkt u = Einheit(f.Ecken[(i + 1) % 3] - ecke);
    const Punkt v = Einheit(f.Ecken[(i + 2) % 3] - ecke);
    const bool imUhrzeigersinn = u.x * v.y - u.y * v.x > 0; // y grows downwards
    return "M" + Koordinaten(ecke + r * u) + "A" + Zahl(r) + "," + Zahl(r) + " 0 0 " +
           (imUhrzeigersinn ? "1 " : "0 ") + Koordinaten(ecke + r * v);
}

void Text(Writer& w, const std::string& text, Punkt mitte) {
    w.StartObject();
    w.Key("text");
    w.String(text.c_str(), static_cast<rapidjson::SizeType>(text.size()));
    w.Key("x");
    w.Double(std::round(mitte.x * 100) / 100);
    w.Key("y");
    w.Double(std::round(mitte.y * 100) / 100);
    w.EndObject();
}

void Texte(Writer& w, const char* schluessel, const std::vector<std::string>& texte) {
    w.Key(schluessel);
    w.StartArray();
    for (const std::string& text : texte) {
        w.String(text.c_str(), static_cast<rapidjson::SizeType>(text.size()));
    }
    w.EndArray();
}

// A right angle gets a dot inside its arc, as drawn in school.
Punkt RechtwinkelPunkt(const Figur& f, std::size_t i) {
    const Punkt ecke = f.Ecken[i];
    const Punkt u =
        Einheit(Einheit(f.Ecken[(i + 1) % 3] - ecke) + Einheit(f.Ecken[(i + 2) % 3] - ecke));
    return ecke + (0.5 * f.BogenRadius[i]) * u;
}

void SchreibeFigur(Writer& w, const blatt::Loesungsfigur& lf) {
    FigurEtiketten e;
    for (std::size_t i = 0; i < 3; ++i) {
        e.Ecken[i] = Textmass(lf.Ecken[i]);
        for (const std::string& text : lf.Seiten[i]) {
            e.Seiten[i].push_back(Textmass(text));
        }
        for (const std::string& text : lf.Winkel[i]) {
            e.Winkel[i].push_back(Textmass(text));
        }
    }
    e.Abstand = Schrift / 3;
    const Rechteck rahmen{0, 0, Rahmen, RahmenHoehe};
    const Figur f = LegeFigur(lf.Form, rahmen, e, PassenderMassstab(lf.Form, rahmen, e));
    const Rechteck umriss = Umriss(f);

    w.StartObject();
    w.Key("ansicht");
    const std::string ansicht = Zahl(umriss.x - 2) + " " + Zahl(umriss.y - 2) + " " +
                                Zahl(umriss.Breite + 4) + " " + Zahl(umriss.Hoehe + 4);
    w.String(ansicht.c_str());
    w.Key("flach");
    w.Bool(f.Flach);
    w.Key("ecken");
    const std::string ecken =
        Koordinaten(f.Ecken[0]) + " " + Koordinaten(f.Ecken[1]) + " " + Koordinaten(f.Ecken[2]);
    w.String(ecken.c_str());
    w.Key("boegen");
    w.StartArray();
    for (std::size_t i = 0; i < 3; ++i) {
        if (f.BogenRadius[i] > 0) {
            w.String(Bogen(f, i).c_str());
        }
    }
    w.EndArray();
    w.Key("punkte");
    w.StartArray();
    for (std::size_t i = 0; i < 3; ++i) {
        if (f.BogenRadius[i] > 0 && lf.Rechtwinklig[i]) {
            const Punkt p = RechtwinkelPunkt(f, i);
            w.StartObject();
            w.Key("x");
            w.Double(std::round(p.x * 100) / 100);
            w.Key("y");
            w.Double(std::round(p.y * 100) / 100);
            w.Key("r");
            w.Double(std::round(f.BogenRadius[i] * 100 / 12) / 100);
            w.EndObject();
        }
    }
    w.EndArray();
    w.Key("texte");
    w.StartArray();
    for (std::size_t i = 0; i < 3; ++i) {
        Text(w, lf.Ecken[i], f.EckenEtiketten[i].Mitte());
        const auto s = static_cast<std::size_t>(f.SeitenVariante[i]);
        if (s < lf.Seiten[i].size()) {
            Text(w, lf.Seiten[i][s], f.SeitenEtiketten[i].Mitte());
        }
        const auto v = static_cast<std::size_t>(f.WinkelVariante[i]);
        if (f.WinkelEtiketten[i] && v < lf.Winkel[i].size()) {
            Text(w, lf.Winkel[i][v], f.WinkelEtiketten[i]->Mitte());
        }
    }
    w.EndArray();
    Texte(w, "legende", blatt::Legende(lf, f));
    Texte(w, "groessen", lf.Groessen);
    w.EndObject();
}

} // namespace

std::string FigurenJson(const std::vector<blatt::Loesungsfigur>& figuren) {
    rapidjson::StringBuffer puffer;
    Writer w(puffer);
    w.StartArray();
    for (const blatt::Loesungsfigur& lf : figuren) {
        if (Zeichenbar(lf.Form)) {
            SchreibeFigur(w, lf);
        }
    }
    w.EndArray();
    return {puffer.GetString(), puffer.GetSize()};
}

} // namespace kalotri::web
