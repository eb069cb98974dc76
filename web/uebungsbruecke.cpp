// SPDX-License-Identifier: GPL-3.0-or-later
// The practice page's way into the engine: a set from its code, the marks of a pupil's
// answers. Both are computed from the code alone, so the page keeps no exercise of its own
// and cannot mark by other rules than the engine's.

#include "bewertung.h"
#include "hinweise.h"
#include "skizzensvg.h"
#include "uebungssatz.h"

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

// A value as the question shows it, with its unit: "26,47 m", "81,79°".
std::string MitEinheit(const frage::Antwortfeld& f) {
    return f.Text + (f.Einheit.empty() || f.Einheit == "°" ? f.Einheit : "\u202F" + f.Einheit);
}

// The right answer of field i; of an SSW exercise's triangle also as the other numbering of
// the two triangles has it, for a pupil who numbered them so.
std::string Andersrum(const frage::Frage& m, std::size_t i) {
    const frage::Antwortfeld& f = m.Felder[i];
    if (f.Art != frage::Feldart::Dreieck || m.Ergebnis.Dreiecke.size() != 2) {
        return MitEinheit(f);
    }
    for (const frage::Antwortfeld& g : m.Felder) {
        if (g.Art == f.Art && g.Groesse == f.Groesse && g.Dreieck != f.Dreieck) {
            return MitEinheit(g);
        }
    }
    return MitEinheit(f);
}

const char* Art(frage::Feldart art) {
    return art == frage::Feldart::Anzahl  ? "anzahl"
           : art == frage::Feldart::Sache ? "sache"
                                          : "wert";
}

void Aufgabe(Writer& w, const Uebungsaufgabe& a) {
    const Hinweise h = HinweiseFuer(a);
    const frage::Frage& m = a.Modell;
    w.StartObject();
    Schluessel(w, "text", a.Text);
    Schluessel(w, "typ", a.Ergebnis.Typ ? TypText(*a.Ergebnis.Typ) : "");
    Schluessel(w, "hinweisTyp", h.Typ);
    Schluessel(w, "hinweisSatz", h.ErsterSatz);
    Schluessel(w, "anweisung", m.Anweisung.Worte);
    Schluessel(w, "welchesDreieck", m.Dreiecksreihenfolge);
    // Intermediate values are marked (and carry follow-up errors) but earn nothing: leaving
    // them out costs nothing.
    int hoechstens = 0;
    for (const frage::Antwortfeld& f : m.Felder) {
        hoechstens += f.Zwischenwert ? 0 : PunkteJeFrage;
    }
    w.Key("hoechstens");
    w.Int(hoechstens);
    const Sachskizze keine;
    const Sachskizze& skizze = m.Sache ? m.Sache->Skizze : keine;
    Schluessel(w, "skizze", web::SkizzenSvg(skizze));
    Schluessel(w, "skizzeText", skizze.Punkte.empty() ? "" : web::SkizzenText(skizze));
    w.Key("fragen");
    w.StartArray();
    for (std::size_t i = 0; i < a.Fragen.size(); ++i) {
        const frage::Antwortfeld& f = m.Felder[i];
        w.StartObject();
        Schluessel(w, "name", a.Fragen[i].Name);
        Schluessel(w, "art", Art(f.Art));
        // A word problem names what it asks in the story's words; a bare triangle by letter.
        Schluessel(w, "worte", m.Sache ? f.Worte : "");
        w.Key("freiwillig");
        w.Bool(f.Zwischenwert);
        w.Key("dezimalen");
        w.Int(f.Dezimalen);
        Schluessel(w, "einheit", f.Einheit);
        Schluessel(w, "richtig", f.Art == frage::Feldart::Anzahl ? f.Text : MitEinheit(f));
        Schluessel(w, "richtigAndersrum", Andersrum(m, i));
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
    if (const auto fassung = UnbekannteFassung(code); !wahl && fassung) {
        Schluessel(w, "fehler", *fassung);
        w.EndObject();
        return puffer.GetString();
    }
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
    const std::vector<frage::Urteil> urteile = Beurteile(a, liste);
    // SSW: the pupil's triangles matched the other way round, said once they are.
    bool vertauscht = false;
    for (std::size_t i = 0; i < urteile.size(); ++i) {
        vertauscht =
            vertauscht ||
            (a.Fragen[i].Art == Frageart::Wert && urteile[i].Wertung != Note::Leer &&
             urteile[i].Wertung != Note::KeineZahl && urteile[i].Dreieck != a.Fragen[i].Dreieck);
    }
    w.Key("vertauscht");
    w.Bool(vertauscht);
    Schluessel(w, "zuordnung",
               "Deine Dreiecke sind andersherum nummeriert als in der Lösung: dein Dreieck 1 "
               "ist dort Dreieck 2. Das zählt genauso.");
    w.Key("noten");
    w.StartArray();
    for (std::size_t i = 0; i < urteile.size(); ++i) {
        const Note n = urteile[i].Wertung;
        w.StartObject();
        // Why an answer is no number depends on what was typed and what is asked.
        const Antwortform form = FormFuer(a, i);
        Schluessel(
            w, "text",
            n == Note::KeineZahl
                ? Lesehinweis(LiesAntworttext(i < liste.size() ? liste[i] : "", form).Art, form)
                : UrteilText(urteile[i]));
        Schluessel(w, "note", NotenText(n));
        w.Key("notencode"); // for the state kept in a learning platform
        w.Int(static_cast<int>(n));
        w.Key("voll");
        w.Bool(n == Note::Richtig);
        w.Key("punkte");
        w.Int(a.Modell.Felder[i].Zwischenwert ? 0 : uebung::Punkte(n));
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
