// SPDX-License-Identifier: GPL-3.0-or-later
// The practice page's way into the engine: a set from its code, the marks of a pupil's
// answers. Both are computed from the code alone, so the page keeps no exercise of its own
// and cannot mark by other rules than the engine's.

#include "bewertung.h"
#include "hinweise.h"
#include "skizzensvg.h"
#include "uebungssatz.h"
#include "zuordnung.h"

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

// The right answers as the worked steps show them, for the summary; of an SSW exercise also
// as the other numbering of the triangles has them.
std::string Richtig(const Uebungsaufgabe& a, const Frage& f, std::size_t dreieck) {
    if (f.Art == Frageart::Anzahl) {
        return std::to_string(a.Ergebnis.Dreiecke.size());
    }
    const double x = a.Ergebnis.Dreiecke[dreieck].Werte[static_cast<std::size_t>(f.Groesse)];
    const std::string einheit = FormFuer(a, f).Einheit;
    return FesteForm(x, MaskeFuerAnzahl(a.Dezimalen), ",") +
           (einheit.empty() || einheit == "°" ? einheit : "\u202F" + einheit);
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
    Schluessel(w, "welchesDreieck", WelchesDreieck(a));
    Schluessel(w, "skizze", web::SkizzenSvg(a.Skizze));
    Schluessel(w, "skizzeText", a.Skizze.Punkte.empty() ? "" : web::SkizzenText(a.Skizze));
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
        Schluessel(w, "einheit", FormFuer(a, f).Einheit);
        Schluessel(w, "richtig", Richtig(a, f, f.Dreieck));
        Schluessel(w, "richtigAndersrum",
                   Richtig(a, f, a.Ergebnis.Dreiecke.size() == 2 ? 1 - f.Dreieck : f.Dreieck));
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
        w.Key("preisMarkiert");
        w.Int(HinweisPreisMarkiert);
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
    const Uebungsaufgabe& a = satz.Aufgaben[static_cast<std::size_t>(nummer)];
    const Zugeordnet z = BewerteZugeordnet(a, liste);
    w.Key("vertauscht");
    w.Bool(z.Vertauscht);
    Schluessel(w, "zuordnung", AndersrumText);
    w.Key("noten");
    w.StartArray();
    for (std::size_t i = 0; i < z.Noten.size(); ++i) {
        const Note n = z.Noten[i];
        w.StartObject();
        // Why an answer is no number depends on what was typed and what is asked.
        const Antwortform form = FormFuer(a, a.Fragen[i]);
        Schluessel(
            w, "text",
            n == Note::KeineZahl
                ? Lesehinweis(LiesAntworttext(i < liste.size() ? liste[i] : "", form).Art, form)
                : NotenText(n));
        w.Key("punkte");
        w.Int(Punkte(n));
        // Open: the pupil may still type; only a mark closes a question.
        w.Key("offen");
        w.Bool(n == Note::Leer || n == Note::KeineZahl);
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
