// SPDX-License-Identifier: GPL-3.0-or-later
// The whole calculation command on arbitrary box texts and letters. The first byte picks
// the number of decimals; the rest is split at TAB into up to six box texts and six
// letters, as kalotri-rechne reads its lines.
//
// Every run ends in exactly one way: nothing, one of the command's messages, a worked
// solution, or one of the three floating-point errors after a started solution. No value
// line ever reads "nan" or "inf". Rechne turns the program's own errors into results, so
// any exception that escapes it ends the fuzzer.

#include "fehler.h"
#include "loesung.h"
#include "rechenweg.h"
#include "rechner.h"
#include "rundformat.h"
#include "scriptprotokoll.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace kalotri;

void Erwarte(bool bedingung) {
    if (!bedingung) {
        std::abort();
    }
}

bool EinesVon(const std::string& text, std::initializer_list<const char*> texte) {
    return std::any_of(texte.begin(), texte.end(), [&](const char* t) { return text == t; });
}

// Name lines end in ":" and carry the user's letters; every other line must be free of
// the words a broken number would show.
void PruefeWerte(const std::vector<ScriptZeile>& zeilen) {
    for (const ScriptZeile& zeile : zeilen) {
        if (zeile.Text.ends_with(':')) {
            continue;
        }
        std::string klein = zeile.Text;
        std::transform(klein.begin(), klein.end(), klein.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        Erwarte(klein.find("nan") == std::string::npos && klein.find("inf") == std::string::npos);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 1) {
        return 0;
    }
    Zahlformat format;
    format.Maske = MaskeFuerAnzahl(daten[0] % 12);
    std::string_view rest(reinterpret_cast<const char*>(daten + 1), groesse - 1);

    Eingabe eingabe;
    for (std::size_t i = 0; i < 12 && !rest.empty(); ++i) {
        const auto tab = rest.find('\t');
        (i < 6 ? eingabe.Texte[i] : eingabe.Buchstaben[i - 6]) = std::string(rest.substr(0, tab));
        rest = tab == std::string_view::npos ? std::string_view() : rest.substr(tab + 1);
    }

    ScriptProtokoll script;
    TRechner rechner(script);
    const Ausgang ausgang = rechner.Rechne(eingabe, format);
    const auto& zeilen = script.Zeilen();
    PruefeWerte(zeilen);

    // The worked steps of the same input always say something: where the window stays
    // silent (fewer than three quantities), one line without a value says why. A value
    // only where a calculation gives it.
    const Rechenweg weg = ErstelleRechenweg(Berechne(eingabe), format);
    Erwarte(!weg.empty());
    if (zeilen.empty() && !ausgang.Meldung) {
        Erwarte(weg.size() == 1 && !weg.front().Groesse);
    }
    for (const Rechenschritt& s : weg) {
        Erwarte(!s.Groesse || (s.Art == SchrittArt::Rechnung && !s.Ergebnis.empty()));
    }

    if (ausgang.Meldung) {
        // A message comes before any Script line; only the three about one box move the
        // focus, and they always do.
        Erwarte(!ausgang.Fehler && zeilen.empty());
        const bool mitFokus =
            EinesVon(*ausgang.Meldung,
                     {CodeText(Code::Fehlerhaft), CodeText(Code::Null), CodeText(Code::Negativ)});
        Erwarte(mitFokus == ausgang.Fokus.has_value());
        Erwarte(mitFokus ||
                EinesVon(*ausgang.Meldung,
                         {CodeText(Code::Ueberbestimmt), CodeText(Code::UeberbestimmtSSSW),
                          CodeText(Code::UeberbestimmtSSWW), CodeText(Code::UeberbestimmtSWWW),
                          CodeText(Code::Unvollstaendig), CodeText(Code::KeinDreieck),
                          CodeText(Code::WinkelZuGross), CodeText(Code::Winkelsumme)}));
        return 0;
    }
    Erwarte(!ausgang.Fokus);
    if (zeilen.empty()) {
        Erwarte(!ausgang.Fehler); // nothing at all: fewer than three quantities
        return 0;
    }
    // A solution, finished or ended by a floating-point error, starts with its type line.
    Erwarte(EinesVon(zeilen[0].Text, {"Typ: SSS", "Typ: SWS", "Typ: SSW", "Typ: WSW", "Typ: SWW"}));
    Erwarte(!ausgang.Fehler ||
            EinesVon(*ausgang.Fehler, {CodeText(Code::Ungueltig), CodeText(Code::Division),
                                       CodeText(Code::Ueberlauf)}));
    if (!ausgang.Fehler) {
        Erwarte(zeilen.size() >= 3 && zeilen[1].Text == "Gegeben:");
    }
    return 0;
}
