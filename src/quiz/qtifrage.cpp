// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtifrage.h"

#include "cloze.h"
#include "frage.h"
#include "kompaktpng.h"
#include "moodlefrage.h"
#include "sachmaler.h"
#include "skizze.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <string_view>
#include <utility>

namespace kalotri::blatt {

namespace {

using L = long double;

// The worked steps' HTML, as the Moodle quiz writes it, as XHTML: empty elements closed,
// and the characters the gap syntax needed as references plain again, for a teacher who
// opens the item's source.
std::string Xhtml(const std::string& html) {
    static const std::pair<std::string_view, std::string_view> ersatz[] = {
        {"<br>", "<br/>"}, {"&#47;", "/"},  {"&#35;", "#"}, {"&#123;", "{"},    {"&#125;", "}"},
        {"&#126;", "~"},   {"&#92;", "\\"}, {"&#39;", "'"}, {"&#34;", "&quot;"}};
    std::string xhtml;
    for (std::size_t i = 0; i < html.size();) {
        const auto* treffer =
            std::find_if(std::begin(ersatz), std::end(ersatz), [&](const auto& e) {
                return html.compare(i, e.first.size(), e.first) == 0;
            });
        if (treffer != std::end(ersatz)) {
            xhtml += treffer->second;
            i += treffer->first.size();
        } else {
            xhtml += html[i++];
        }
    }
    return xhtml;
}

std::string Absatz(const std::string& text) {
    return "<p>" + QtiText(text) + "</p>\n";
}

void Stueck(QtiFrage& f, const std::string& xhtml) {
    f.Koerper.push_back({xhtml, std::nullopt, std::nullopt});
}

std::string Bildabsatz(QtiFrage& f, const std::string& name, const QImage& bild,
                       const std::string& alt) {
    f.Bilder.push_back({name, KompaktesPng(bild)});
    return "<p><img src=\"" + name + "\" alt=\"" + QtiText(alt) + "\" width=\"" +
           std::to_string(bild.width()) + "\" height=\"" + std::to_string(bild.height()) +
           "\"/></p>\n";
}

// A tolerance as written: exact on the grid of one decimal more than the answer's, where
// the routes' bounds lie; otherwise with digits enough to be exact in practice.
std::string Toleranz(L x, int dezimalen) {
    x = std::max(x, L(0));
    const L raster = std::pow(10.0L, -(dezimalen + 1));
    const L gerundet = std::round(x / raster) * raster;
    const bool aufRaster = std::abs(gerundet - x) <= raster * 1e-6L;
    return ClozeDezimal(aufRaster ? gerundet : x, dezimalen + (aufRaster ? 1 : 6));
}

// The gap of a field: the model's right interval around its rounded value, or, with the
// teacher's fixed tolerance, that tolerance around the calculation's value (no typed
// number could hit one below a few units of the double's last place). Nothing where a
// platform reading doubles could not hold the numbers.
std::optional<QtiZahl> Zahl(const frage::Antwortfeld& feld, const std::optional<double>& fest) {
    const auto endlich = [](L x) { return std::isfinite(static_cast<double>(x)); };
    QtiZahl z;
    if (fest) {
        const auto wert = static_cast<double>(feld.Wert);
        // Never below half a unit of the field's last decimal, as in the Moodle quiz: below
        // it the correctly rounded answer would not count.
        const double toleranz = AufgerundeteToleranz(
            std::max({*fest, 0.5 * std::pow(10.0, -feld.Dezimalen),
                      std::abs(wert) * 4 * std::numeric_limits<double>::epsilon()}));
        if (!std::isfinite(wert) || !std::isfinite(toleranz)) {
            return std::nullopt;
        }
        z.Richtig = ClozeZahl(wert);
        z.Toleranzen.emplace_back(ClozeZahl(toleranz), ClozeZahl(toleranz));
    } else {
        z.Richtig = ClozeDezimal(feld.Gerundet, feld.Dezimalen);
        const frage::Bereich& b = frage::Richtig(feld);
        if (!endlich(feld.Gerundet) || !endlich(b.Unten) || !endlich(b.Oben) ||
            !endlich(b.Oben - b.Unten)) {
            return std::nullopt;
        }
        z.Toleranzen.emplace_back(Toleranz(feld.Gerundet - b.Unten, feld.Dezimalen),
                                  Toleranz(b.Oben - feld.Gerundet, feld.Dezimalen));
        // The numbers the model takes out of the interval, as the Moodle gap does: a tenth
        // of a unit either side, which no typed answer near them reaches.
        for (auto aus = feld.Bereiche.begin(); &*aus != &b; ++aus) {
            z.Ausnahmen.emplace_back(
                ClozeDezimal(aus->Unten, feld.Dezimalen),
                ClozeDezimal(0.1L * std::pow(10.0L, -feld.Dezimalen), feld.Dezimalen + 1));
        }
    }
    z.Zeichen = static_cast<int>(z.Richtig.size()) + 2;
    return z;
}

// The feedback: the worked steps with the rounding note (each question stands alone) and
// the figure to scale.
void Rueckmeldung(QtiFrage& f, Rechenweg weg, const BlattAufgabe& a, const Darstellung& d,
                  const std::string& figurtext) {
    MitRundungsHinweis(weg, d.Format);
    f.Loesung = Xhtml(RechenwegHtml(weg));
    if (const std::optional<QImage> figur = a.Figuren.empty() ? std::nullopt : FigurBild(a)) {
        f.Loesung += Bildabsatz(f, f.Kennung + "-figur.png", *figur,
                                figurtext + Verbunden(a.Schluessel, "; "));
    }
}

// The fields as the Moodle quiz asks them: letter, gap, unit, a line each; with SSW the
// count first and each triangle under its heading, the acute one first.
struct Felder {
    QtiFrage& F;
    const frage::Frage& Q;
    const Darstellung& D;
    const std::optional<double>& Fest;
    bool Unschreibbar = false;

    void Zeile(const std::string& davor, const frage::Antwortfeld& feld,
               const std::string& buchstabe, const std::string& danach) {
        std::optional<QtiZahl> zahl = Zahl(feld, Fest);
        Unschreibbar = Unschreibbar || !zahl;
        F.Koerper.push_back({davor + QtiText(buchstabe + " = "), std::move(zahl), std::nullopt});
        Stueck(F, QtiText(danach));
    }

    void Dreieck(std::size_t dreieck, const std::string& kopf) {
        std::string davor =
            kopf.empty() ? "<p>" : "<p><strong>" + QtiText(kopf) + ":</strong><br/>\n";
        for (const frage::Antwortfeld& feld : Q.Felder) {
            if (feld.Art == frage::Feldart::Dreieck && feld.Dreieck == dreieck) {
                const bool winkel = feld.Groesse >= Feld::Alpha;
                Zeile(davor, feld, Anzeigebuchstabe(Q.Ergebnis, feld.Groesse),
                      winkel              ? "°"
                      : D.Einheit.empty() ? ""
                                          : " " + D.Einheit);
                davor = "<br/>\n";
            }
        }
        Stueck(F, "</p>\n");
    }

    void Alle() {
        const Loesung& l = Q.Ergebnis;
        if (!(l.Typ == Aufgabentyp::SSW && l.SSW)) {
            Dreieck(0, "");
            return;
        }
        std::vector<std::size_t> echte;
        for (std::size_t i = 0; i < l.Dreiecke.size(); ++i) {
            if (l.Dreiecke[i].Zaehlt) {
                echte.push_back(i);
            }
        }
        F.Koerper.push_back({"<p>" + QtiText("Wie viele Dreiecke passen zu den Angaben? "),
                             std::nullopt, QtiWahl{{"0", "1", "2"}, echte.size()}});
        Stueck(F, "</p>\n");
        const std::string winkel = Anzeigebuchstabe(l, l.SSW->SinusWinkel);
        if (echte.size() == 2) {
            Stueck(F, Absatz("Trage zuerst die Lösung mit spitzem Winkel " + winkel +
                             " ein, dann die mit stumpfem."));
        }
        for (std::size_t i = 0; i < echte.size(); ++i) {
            Dreieck(echte[i], echte.size() == 1 ? "Lösung"
                                                : std::to_string(i + 1) + ". Lösung (" + winkel +
                                                      (i == 0 ? " spitz" : " stumpf") + ")");
        }
    }

    // A word problem's own quantities; the triangle's on the way are the pupil's.
    void Sache(const Sachaufgabe& s) {
        std::string davor = "<p>";
        for (const frage::Antwortfeld& feld : Q.Felder) {
            if (feld.Art == frage::Feldart::Sache) {
                const Gesucht& g = s.Gesuchte.at(feld.Sachgroesse);
                Zeile(davor, feld, g.Name,
                      (g.Einheit == "°" ? g.Einheit : " " + g.Einheit) + " (" +
                          routen::Stellenworte(feld.Dezimalen) + ")");
                davor = "<br/>\n";
            }
        }
        Stueck(F, "</p>\n");
    }
};

} // namespace

std::optional<QtiFrage> BaueQtiFrage(const GeloesteAufgabe& aufgabe, const Darstellung& darstellung,
                                     const std::string& name, const std::string& kennung,
                                     const std::optional<double>& toleranz, int& dezimalen,
                                     std::string& grund) {
    if (!aufgabe.IstAufgabe) {
        return std::nullopt;
    }
    const Sachaufgabe* s = aufgabe.Zeile->Sach ? &*aufgabe.Zeile->Sach : nullptr;
    // At 0 or 1 decimal an answer 1 % off rounds like a right one: at least 2, and more
    // where a typical wrong answer would still pass. A fixed tolerance is the teacher's own,
    // at the sheet's decimals.
    const int stellen = darstellung.Stellen.Geschrieben();
    std::optional<frage::Frage> q =
        s ? frage::SachfrageAus(*s)
          : frage::FrageAus(aufgabe.Ergebnis, "", std::max(stellen, MindestDezimalen), {},
                            darstellung.Einheit);
    if (!q) {
        return std::nullopt;
    }
    if (toleranz && !s) {
        q->Anweisung.Rundung = routen::RundungFuer(stellen);
        q->Anweisung.Worte = routen::Rundungsanweisung(q->Anweisung.Rundung);
    }
    dezimalen = s ? 0 : q->Anweisung.Rundung.Ergebnis;
    for (const frage::Antwortfeld& feld : q->Felder) {
        dezimalen = std::max(dezimalen, s ? feld.Dezimalen : 0);
    }
    // The whole question at the answers' decimals: givens, steps and figure alike.
    Darstellung gefragt = darstellung;
    if (!s) {
        gefragt.Stellen = Dezimalen(dezimalen);
        gefragt.Format.Maske = gefragt.Stellen.Maske();
    }
    const BlattAufgabe a = Bearbeite(aufgabe, gefragt);
    if (a.Problem) {
        return std::nullopt;
    }

    QtiFrage f;
    f.Kennung = kennung;
    f.Titel = s ? name + " – " + s->Titel : name;
    Felder felder{f, *q, gefragt, toleranz};
    if (s) {
        Stueck(f, Absatz(s->Text) +
                      Bildabsatz(f, kennung + "-skizze.png", SachskizzenBild(s->Skizze, PixelProMm),
                                 s->Skizze.Unterschrift) +
                      Absatz(Verbunden(s->Fragen, " ")) +
                      Absatz(q->Anweisung.Worte +
                             (s->Gesuchte.size() == 2 && s->Fragen.size() == 1
                                  ? " Trage zuerst die kürzere Strecke ein."
                                  : "") +
                             " " + PunktAnweisung));
        felder.Sache(*s);
        Rueckmeldung(f, s->Loesungsweg, Bearbeite(aufgabe, darstellung), darstellung,
                     "Figur des Dreiecks, maßstäblich: ");
    } else {
        Stueck(f, Absatz("Gegeben: " + a.Gegeben) +
                      Bildabsatz(f, kennung + "-skizze.png", SkizzenBild(a.Skizze, PixelProMm),
                                 std::string(SkizzenUnterschrift) + " mit " + a.Gegeben) +
                      Absatz("Berechne die fehlenden Größen. " + q->Anweisung.Worte) +
                      Absatz(PunktAnweisung));
        felder.Alle();
        Rueckmeldung(f, ErstelleRechenweg(q->Ergebnis, gefragt.Format, {gefragt.Einheit, {}}), a,
                     gefragt, "Figur, maßstäblich: ");
    }
    if (felder.Unschreibbar) {
        grund = "zu große Zahlen für ein Quizfeld (die Toleranz fasst keine Zahl)";
        return std::nullopt;
    }
    return f;
}

} // namespace kalotri::blatt
