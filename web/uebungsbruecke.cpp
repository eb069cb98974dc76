// SPDX-License-Identifier: GPL-3.0-or-later
// The practice page's way into the engine: a set from its code, the marks of a pupil's
// answers. Both are computed from the code alone, so the page keeps no exercise of its own
// and cannot mark by other rules than the engine's.

#include "bewertung.h"
#include "hinweise.h"
#include "uebungssatz.h"

#include "rundformat.h"
#include "zahlform.h"

#include <emscripten/emscripten.h>

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <exception>
#include <string>
#include <vector>

namespace {

using namespace kalotri;
using namespace kalotri::uebung;
using Writer = rapidjson::Writer<rapidjson::StringBuffer>;

void Text(Writer& w, const std::string& text) {
    w.String(text.c_str(), static_cast<rapidjson::SizeType>(text.size()));
}

void Schluessel(Writer& w, const char* name, const std::string& text) {
    w.Key(name);
    Text(w, text);
}

// The right answers as the worked steps show them, for the summary.
std::string Richtig(const Uebungsaufgabe& a, const Frage& f) {
    if (f.Art == Frageart::Anzahl) {
        return std::to_string(a.Ergebnis.Dreiecke.size());
    }
    const double x = a.Ergebnis.Dreiecke[f.Dreieck].Werte[static_cast<std::size_t>(f.Groesse)];
    return FesteForm(x, MaskeFuerAnzahl(a.Dezimalen), ",") + (f.Groesse >= Feld::Alpha ? "°" : "");
}

void Aufgabe(Writer& w, const Uebungsaufgabe& a) {
    const Hinweise h = HinweiseFuer(a);
    w.StartObject();
    Schluessel(w, "text", a.Text);
    Schluessel(w, "typ", a.Ergebnis.Typ ? TypText(*a.Ergebnis.Typ) : "");
    Schluessel(w, "hinweisTyp", h.Typ);
    Schluessel(w, "hinweisSatz", h.ErsterSatz);
    w.Key("dezimalen");
    w.Int(a.Dezimalen);
    Schluessel(w, "anweisung", Rundungsanweisung(a.Dezimalen));
    w.Key("fragen");
    w.StartArray();
    for (std::size_t i = 0; i < a.Fragen.size(); ++i) {
        const Frage& f = a.Fragen[i];
        w.StartObject();
        Schluessel(w, "name", f.Name);
        Schluessel(w, "art", f.Art == Frageart::Anzahl ? "anzahl" : "wert");
        w.Key("winkel");
        w.Bool(f.Art == Frageart::Wert && f.Groesse >= Feld::Alpha);
        w.Key("dreieck");
        w.Uint(static_cast<unsigned>(f.Dreieck));
        Schluessel(w, "richtig", Richtig(a, f));
        Schluessel(w, "formel", h.JeFrage[i].Formel);
        Schluessel(w, "zahlen", h.JeFrage[i].Zahlen);
        w.Key("schritt");
        w.StartArray();
        for (const std::string& zeile : h.JeFrage[i].Schritt) {
            Text(w, zeile);
        }
        w.EndArray();
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
}

std::string Satz(const char* code) {
    rapidjson::StringBuffer puffer;
    Writer w(puffer);
    w.StartObject();
    const auto wahl = LiesUebungscode(code);
    if (!wahl) {
        Schluessel(w, "fehler",
                   "Diesen Übungscode gibt es nicht. So sieht einer aus: 3-4711 "
                   "(Stufe, Nummer), 2-SSW-4711 (mit Typ), 2-SACH-4711 (Sachaufgaben) oder "
                   "3-4711-8 (mit Anzahl).");
        w.EndObject();
        return puffer.GetString();
    }
    const Uebungssatz satz = ErstelleUebungssatz(*wahl);
    Schluessel(w, "code", Uebungscode(*wahl));
    w.Key("stufe");
    w.Int(wahl->Stufe);
    Schluessel(w, "typ", wahl->Sach ? "SACH" : wahl->Typ ? TypText(*wahl->Typ) : "");
    w.Key("nummer");
    w.Uint(wahl->Nummer);
    w.Key("punkteJeFrage");
    w.Int(PunkteJeFrage);
    w.Key("hinweise");
    w.StartArray();
    for (std::size_t i = 0; i < HinweisName.size(); ++i) {
        w.StartObject();
        Schluessel(w, "name", HinweisName[i]);
        w.Key("preis");
        w.Int(HinweisPreis[i]);
        w.EndObject();
    }
    w.EndArray();
    w.Key("aufgaben");
    w.StartArray();
    for (const Uebungsaufgabe& a : satz.Aufgaben) {
        Aufgabe(w, a);
    }
    w.EndArray();
    w.EndObject();
    return puffer.GetString();
}

std::string Noten(const char* code, int nummer, const char* antworten) {
    const auto wahl = LiesUebungscode(code);
    if (!wahl) {
        return R"({"fehler":"Unbekannter Übungscode."})";
    }
    const Uebungssatz satz = ErstelleUebungssatz(*wahl);
    if (nummer < 0 || static_cast<std::size_t>(nummer) >= satz.Aufgaben.size()) {
        return R"({"fehler":"Diese Aufgabe gibt es nicht."})";
    }
    std::vector<std::string> liste(1);
    for (const char* z = antworten; *z != '\0'; ++z) {
        if (*z == '\t') {
            liste.emplace_back();
        } else {
            liste.back() += *z;
        }
    }
    rapidjson::StringBuffer puffer;
    Writer w(puffer);
    w.StartObject();
    w.Key("noten");
    w.StartArray();
    for (const Note n : Bewerte(satz.Aufgaben[static_cast<std::size_t>(nummer)], liste)) {
        w.StartObject();
        Schluessel(w, "text", NotenText(n));
        w.Key("notencode"); // for the state kept in a learning platform
        w.Int(static_cast<int>(n));
        w.Key("punkte");
        w.Int(Punkte(n));
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
    return puffer.GetString();
}

template <typename F> const char* Sicher(std::string& ergebnis, F&& f) {
    try {
        ergebnis = f();
    } catch (const std::exception&) {
        ergebnis = R"({"fehler":"Interner Fehler."})";
    }
    return ergebnis.c_str();
}

} // namespace

extern "C" {

// The set of a code ("3-4711"), or {"fehler": text} for a code that is none. Valid until
// the next call.
EMSCRIPTEN_KEEPALIVE const char* kalotri_uebung_satz(const char* code) {
    static std::string ergebnis;
    return Sicher(ergebnis, [&] { return Satz(code); });
}

// The marks of exercise `nummer` of the set of `code` for the answers typed so far,
// separated by tabs, in the order of its questions: {"noten": [{"text", "punkte"}]}.
EMSCRIPTEN_KEEPALIVE const char* kalotri_uebung_bewerte(const char* code, int nummer,
                                                        const char* antworten) {
    static std::string ergebnis;
    return Sicher(ergebnis, [&] { return Noten(code, nummer, antworten); });
}

} // extern "C"
