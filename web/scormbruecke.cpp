// SPDX-License-Identifier: GPL-3.0-or-later
// The practice page's way to the rules about results: what a learning platform is told,
// when the page only shows an attempt, the state kept for resuming, the results file.
// The page's SCORM code only carries these values to the platform and back.

#include "sicher.h"
#include "standjson.h"

#include "ergebnisdatei.h"
#include "fortsetzung.h"
#include "plattformwerte.h"
#include "uebungssatz.h"

#include <emscripten/emscripten.h>

#include <string>

namespace {

using namespace kalotri;
using namespace kalotri::ergebnis;
using Writer = rapidjson::Writer<rapidjson::StringBuffer>;

void Schluessel(Writer& w, const char* name, const std::string& text) {
    w.Key(name);
    w.String(text.c_str(), static_cast<rapidjson::SizeType>(text.size()));
}

std::string Start(const Versuch& v) {
    const Startentscheid e = EntscheideStart(v);
    rapidjson::StringBuffer puffer;
    Writer w(puffer);
    w.StartObject();
    Schluessel(w, "art",
               e.Art == Beginn::Neu          ? "neu"
               : e.Art == Beginn::Fortsetzen ? "fortsetzen"
               : e.Art == Beginn::Ansehen    ? "ansehen"
                                             : "vorschau");
    w.Key("stand");
    if (e.Stand) {
        web::SchreibeStand(w, *e.Stand);
    } else {
        w.Null();
    }
    w.EndObject();
    return puffer.GetString();
}

std::string Bericht(int punkte, int hoechstens, bool fertig, const char* plattform,
                    const char* paket) {
    // The platform's own mastery score decides where there is one: it would override
    // the page's status anyway.
    const auto ihre = LiesSchwelle(plattform);
    const Meldung m =
        Melde(punkte, hoechstens, fertig, ihre ? ihre : LiesSchwelle(paket), ihre.has_value());
    rapidjson::StringBuffer puffer;
    Writer w(puffer);
    w.StartObject();
    Schluessel(w, "status", m.Status);
    w.Key("roh");
    if (m.Rohwert) {
        w.String(m.Rohwert->c_str());
    } else {
        w.Null();
    }
    w.EndObject();
    return puffer.GetString();
}

std::string Antwort(const char* code, int nummer, int frage, const char* antwort, int note,
                    const char* richtig) {
    const auto wahl = uebung::LiesUebungscode(code);
    if (!wahl || nummer < 0 || frage < 0 || note < 0 ||
        note > static_cast<int>(uebung::Note::Leer)) {
        return R"({"fehler":"Unbekannte Aufgabe."})";
    }
    const auto satz = uebung::ErstelleUebungssatz(*wahl);
    const auto i = static_cast<std::size_t>(nummer);
    if (i >= satz.Aufgaben.size() ||
        static_cast<std::size_t>(frage) >= satz.Aufgaben[i].Fragen.size()) {
        return R"({"fehler":"Unbekannte Aufgabe."})";
    }
    const Interaktion x = ZuInteraktion(i, satz.Aufgaben[i].Fragen[static_cast<std::size_t>(frage)],
                                        antwort, static_cast<uebung::Note>(note), richtig);
    rapidjson::StringBuffer puffer;
    Writer w(puffer);
    w.StartObject();
    Schluessel(w, "id", x.Id);
    Schluessel(w, "type", x.Typ);
    Schluessel(w, "student_response", x.Antwort);
    Schluessel(w, "result", x.Ergebnis);
    Schluessel(w, "richtig", x.Richtig);
    w.EndObject();
    return puffer.GetString();
}

} // namespace

extern "C" {

// {art: "neu"|"fortsetzen"|"ansehen"|"vorschau", stand} from what the platform said about
// the attempt.
EMSCRIPTEN_KEEPALIVE const char* kalotri_scorm_start(const char* modus, const char* wertung,
                                                     const char* eintritt, const char* status,
                                                     const char* pause) {
    static std::string ergebnis;
    return web::Sicher(
        ergebnis,
        [&] {
            return Start({modus, wertung, eintritt, status, pause});
        },
        "");
}

// {status, roh} for the points so far; roh null where the score must not go yet.
EMSCRIPTEN_KEEPALIVE const char* kalotri_scorm_bericht(int punkte, int hoechstens, int fertig,
                                                       const char* plattformSchwelle,
                                                       const char* paketSchwelle) {
    static std::string ergebnis;
    return web::Sicher(
        ergebnis,
        [&] { return Bericht(punkte, hoechstens, fertig != 0, plattformSchwelle, paketSchwelle); },
        "");
}

// cmi.suspend_data for the page's state (JSON as in standjson.h); "" for none.
EMSCRIPTEN_KEEPALIVE const char* kalotri_scorm_pause(const char* stand) {
    static std::string ergebnis;
    return web::Sicher(
        ergebnis,
        [&] {
            const auto s = web::LiesStand(stand);
            return s ? SchreibePause(*s) : std::string();
        },
        "");
}

// One answered box as an interaction: {id, type, student_response, result, richtig}.
EMSCRIPTEN_KEEPALIVE const char* kalotri_scorm_antwort(const char* code, int nummer, int frage,
                                                       const char* antwort, int note,
                                                       const char* richtig) {
    static std::string ergebnis;
    return web::Sicher(
        ergebnis, [&] { return Antwort(code, nummer, frage, antwort, note, richtig); }, "");
}

// CMITimespan of a duration, CMITime of a time of day, in hundredths of a second.
EMSCRIPTEN_KEEPALIVE const char* kalotri_scorm_zeit(double hundertstel, int uhrzeit) {
    static std::string ergebnis;
    const auto h = static_cast<std::int64_t>(hundertstel);
    return web::Sicher(
        ergebnis, [&] { return uhrzeit ? Uhrzeit(h) : Zeitspanne(h); }, "");
}

// The results file of a finished set; "" for a state that is none.
EMSCRIPTEN_KEEPALIVE const char* kalotri_ergebnisdatei(const char* name, const char* datum,
                                                       const char* stand) {
    static std::string ergebnis;
    return web::Sicher(
        ergebnis,
        [&] {
            const auto s = web::LiesStand(stand);
            return s ? SchreibeErgebnis(ErgebnisAus(name, datum, *s)) : std::string();
        },
        "");
}

} // extern "C"
