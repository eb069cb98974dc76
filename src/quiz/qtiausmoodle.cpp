// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtiausmoodle.h"

#include "cloze.h"

#include <algorithm>
#include <string_view>

namespace kalotri::blatt {

namespace {

// Built anew rather than replaced in place: GCC 12 sees overlaps in std::string::replace
// that are not there.
std::string Ersetzt(const std::string& text, std::string_view alt, std::string_view neu) {
    std::string ergebnis;
    std::size_t i = 0;
    for (auto j = text.find(alt); j != std::string::npos; j = text.find(alt, i)) {
        ergebnis.append(text, i, j - i).append(neu);
        i = j + alt.size();
    }
    return ergebnis.append(text, i);
}

// The question's HTML as XHTML: empty elements closed, pictures from the item's folder.
std::string Xhtml(const std::string& text) {
    const std::string html = Ersetzt(Ersetzt(text, "<br>", "<br/>"), "@@PLUGINFILE@@/", "");
    std::string xhtml;
    bool bild = false;
    for (std::size_t i = 0; i < html.size(); ++i) {
        bild = bild || html.compare(i, 5, "<img ") == 0;
        if (bild && html[i] == '>') {
            xhtml += '/';
            bild = false;
        }
        xhtml += html[i];
    }
    return xhtml;
}

std::vector<std::string> Teile(std::string_view text, char trenner) {
    std::vector<std::string> teile;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == trenner) {
            teile.emplace_back(text.substr(anfang, i - anfang));
            anfang = i + 1;
        }
    }
    return teile;
}

int Nachkommastellen(const std::string& zahl) {
    const auto punkt = zahl.find('.');
    return punkt == std::string::npos ? 0 : static_cast<int>(zahl.size() - punkt - 1);
}

// An interval around `mitte` as tolerances around `richtig`, exact in decimal where
// the numbers are plain decimals.
std::pair<std::string, std::string> UmRichtig(const std::string& richtig, const std::string& mitte,
                                              const std::string& toleranz) {
    const long double r = std::stold(richtig), m = std::stold(mitte), t = std::stold(toleranz);
    const long double unten = std::max(0.0L, r - (m - t)), oben = std::max(0.0L, m + t - r);
    const bool dezimal = (richtig + mitte + toleranz).find_first_of("eE") == std::string::npos;
    const int stellen =
        std::max({Nachkommastellen(richtig), Nachkommastellen(mitte), Nachkommastellen(toleranz)});
    if (!dezimal) {
        return {ClozeZahl(static_cast<double>(unten)), ClozeZahl(static_cast<double>(oben))};
    }
    return {ClozeDezimal(unten, stellen), ClozeDezimal(oben, stellen)};
}

// "NUMERICAL:=wert:toleranz#...~=...~*#..." or "MULTICHOICE:a~=b#...~c".
QtiStueck Luecke(std::string_view luecke) {
    QtiStueck s;
    const auto doppelpunkt = luecke.find(':');
    const std::string_view typ = luecke.substr(0, doppelpunkt);
    const std::vector<std::string> alternativen = Teile(luecke.substr(doppelpunkt + 1), '~');
    if (typ == "MULTICHOICE") {
        QtiWahl w;
        for (const std::string& a : alternativen) {
            const bool richtig = !a.empty() && a.front() == '=';
            if (richtig) {
                w.Richtig = w.Wahl.size();
            }
            w.Wahl.push_back(a.substr(richtig ? 1 : 0, a.find('#') - (richtig ? 1 : 0)));
        }
        s.Wahl = std::move(w);
        return s;
    }
    QtiZahl z;
    for (const std::string& a : alternativen) {
        if (a.empty() || a.front() != '=') {
            continue; // the catch-all that earns nothing
        }
        const std::string antwort = a.substr(1, a.find('#') - 1);
        const auto trenner = antwort.find(':');
        const std::string wert = antwort.substr(0, trenner);
        const std::string toleranz = antwort.substr(trenner + 1);
        if (z.Richtig.empty()) {
            z.Richtig = wert;
            z.Toleranzen.emplace_back(toleranz, toleranz);
        } else {
            z.Toleranzen.push_back(UmRichtig(z.Richtig, wert, toleranz));
        }
    }
    z.Zeichen = static_cast<int>(z.Richtig.size()) + 2;
    s.Zahl = std::move(z);
    return s;
}

} // namespace

QtiFrage QtiAusMoodle(const MoodleFrage& frage, const std::string& kennung) {
    QtiFrage f;
    f.Kennung = kennung;
    f.Titel = frage.Name;
    const std::string& text = frage.Fragetext;
    std::size_t i = 0;
    while (true) {
        const auto anfang = text.find("{1:", i);
        const auto ende = anfang == std::string::npos ? anfang : text.find('}', anfang);
        if (ende == std::string::npos) {
            f.Koerper.push_back({Xhtml(text.substr(i)), std::nullopt, std::nullopt});
            break;
        }
        QtiStueck s = Luecke(std::string_view(text).substr(anfang + 3, ende - anfang - 3));
        s.Xhtml = Xhtml(text.substr(i, anfang - i));
        f.Koerper.push_back(std::move(s));
        i = ende + 1;
    }
    f.Loesung = Xhtml(frage.Rueckmeldung);
    f.Bilder = frage.FrageBilder;
    f.Bilder.insert(f.Bilder.end(), frage.RueckmeldungsBilder.begin(),
                    frage.RueckmeldungsBilder.end());
    return f;
}

} // namespace kalotri::blatt
