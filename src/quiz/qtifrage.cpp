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

namespace kalotri::blatt {

namespace {

using L = long double;

// The worked steps' HTML, as the Moodle quiz writes it, as XHTML.
std::string Xhtml(const std::string& html) {
    std::string xhtml;
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (html.compare(i, 4, "<br>") == 0) {
            xhtml += "<br/>";
            i += 3;
        } else {
            xhtml += html[i];
        }
    }
    return xhtml;
}

std::string Absatz(const std::string& text) {
    return "<p>" + QtiText(text) + "</p>\n";
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

QtiZahl Zahl(const frage::Antwortfeld& feld, const std::optional<double>& fest) {
    QtiZahl z;
    z.Richtig = ClozeDezimal(feld.Gerundet, feld.Dezimalen);
    const auto um = [&](L unten, L oben) {
        z.Toleranzen.emplace_back(Toleranz(feld.Gerundet - unten, feld.Dezimalen),
                                  Toleranz(oben - feld.Gerundet, feld.Dezimalen));
    };
    if (fest) {
        um(feld.Wert - static_cast<L>(*fest), feld.Wert + static_cast<L>(*fest));
    } else {
        for (const frage::Bereich& b : feld.Bereiche) {
            if (b.Wertung == frage::Note::Richtig) {
                um(b.Unten, b.Oben);
            }
        }
    }
    z.Zeichen = static_cast<int>(z.Richtig.size()) + 2;
    return z;
}

// A platform reads the numbers as doubles: one that is infinite there cannot be asked.
bool Schreibbar(const frage::Antwortfeld& feld, const std::optional<double>& fest) {
    const auto endlich = [](L x) { return std::isfinite(static_cast<double>(x)); };
    bool ja = endlich(feld.Gerundet) && endlich(feld.Wert) && (!fest || endlich(feld.Wert + *fest));
    for (const frage::Bereich& b : feld.Bereiche) {
        ja = ja && endlich(b.Unten) && endlich(b.Oben) && endlich(b.Oben - b.Unten);
    }
    return ja;
}

// "Seite c = [ ] cm": the field's words, letter and unit around its gap.
void Feldzeile(QtiFrage& f, const frage::Antwortfeld& feld, const std::optional<double>& fest,
               const std::string& davor, const std::string& nachsatz) {
    const std::string einheit =
        feld.Einheit.empty() || feld.Einheit == "°" ? feld.Einheit : " " + feld.Einheit;
    f.Koerper.push_back({davor + QtiText(feld.Worte + " " + feld.Buchstabe + " = "),
                         Zahl(feld, fest), std::nullopt});
    f.Koerper.push_back({QtiText(einheit + nachsatz), std::nullopt, std::nullopt});
}

// The feedback: the worked steps with the rounding note (each question stands alone) and
// the figure to scale.
void Loesung(QtiFrage& f, Rechenweg weg, const BlattAufgabe& a, const Darstellung& d,
             const std::string& figurtext) {
    MitRundungsHinweis(weg, d.Format);
    f.Loesung = Xhtml(RechenwegHtml(weg));
    if (const std::optional<QImage> figur = a.Figuren.empty() ? std::nullopt : FigurBild(a)) {
        f.Loesung += Bildabsatz(f, f.Kennung + "-figur.png", *figur,
                                figurtext + Verbunden(a.Schluessel, "; "));
    }
}

void Dreiecksfragen(QtiFrage& f, const frage::Frage& q, const std::optional<double>& fest) {
    std::optional<std::size_t> dreieck;
    int block = 0;
    const bool zwei = !q.Dreiecksreihenfolge.empty();
    std::string davor = "<p>";
    for (const frage::Antwortfeld& feld : q.Felder) {
        if (feld.Art == frage::Feldart::Anzahl) {
            f.Koerper.push_back({"<p>" + QtiText("Wie viele Dreiecke passen zu den Angaben? "),
                                 std::nullopt,
                                 QtiWahl{{"0", "1", "2"}, static_cast<std::size_t>(feld.Wert)}});
            f.Koerper.push_back({"</p>\n", std::nullopt, std::nullopt});
            continue;
        }
        if (zwei && dreieck != feld.Dreieck) {
            if (dreieck) {
                f.Koerper.push_back({"</p>\n", std::nullopt, std::nullopt});
            }
            davor =
                "<p><strong>" + QtiText("Dreieck " + std::to_string(++block)) + ":</strong><br/>\n";
        }
        dreieck = feld.Dreieck;
        Feldzeile(f, feld, fest, davor, "");
        davor = "<br/>\n";
    }
    if (dreieck) {
        f.Koerper.push_back({"</p>\n", std::nullopt, std::nullopt});
    }
}

} // namespace

std::optional<QtiFrage> BaueQtiFrage(const GeloesteAufgabe& aufgabe, const Darstellung& darstellung,
                                     const std::string& name, const std::string& kennung,
                                     const std::optional<double>& toleranz, int& dezimalen,
                                     std::string& grund) {
    if (!aufgabe.IstAufgabe) {
        return std::nullopt;
    }
    const Sachaufgabe* s = aufgabe.Zeile->Sach ? &*aufgabe.Zeile->Sach : nullptr;
    const int mindestens = toleranz ? darstellung.Stellen.Geschrieben()
                                    : std::max(darstellung.Stellen.Geschrieben(), MindestDezimalen);
    const BlattAufgabe gegeben = Bearbeite(aufgabe, darstellung);
    const std::optional<frage::Frage> q =
        s ? frage::SachfrageAus(*s)
          : frage::FrageAus(aufgabe.Ergebnis, "Gegeben: " + gegeben.Gegeben, mindestens, {},
                            darstellung.Einheit);
    if (!q || gegeben.Problem) {
        return std::nullopt;
    }
    dezimalen = 0;
    for (const frage::Antwortfeld& feld : q->Felder) {
        dezimalen = std::max(dezimalen, feld.Dezimalen);
        if (!Schreibbar(feld, toleranz)) {
            grund = "zu große Zahlen für ein Quizfeld (die Toleranz fasst keine Zahl)";
            return std::nullopt;
        }
    }
    // The whole question at the answers' decimals: givens, steps and figure alike.
    Darstellung gefragt = darstellung;
    if (!s) {
        gefragt.Stellen = Dezimalen(q->Anweisung.Rundung.Ergebnis);
        gefragt.Format.Maske = gefragt.Stellen.Maske();
    }
    const BlattAufgabe a = Bearbeite(aufgabe, gefragt);

    QtiFrage f;
    f.Kennung = kennung;
    f.Titel = s ? name + " – " + s->Titel : name;
    std::string text = Absatz(s ? s->Text : q->Text);
    text += s ? Bildabsatz(f, kennung + "-skizze.png", SachskizzenBild(s->Skizze, PixelProMm),
                           s->Skizze.Unterschrift)
              : Bildabsatz(f, kennung + "-skizze.png", SkizzenBild(a.Skizze, PixelProMm),
                           std::string(SkizzenUnterschrift) + " mit " + a.Gegeben);
    if (s) {
        text += Absatz(Verbunden(s->Fragen, " "));
    }
    text += Absatz((s ? "" : "Berechne die fehlenden Größen. ") + q->Anweisung.Worte);
    if (!q->Dreiecksreihenfolge.empty()) {
        text += Absatz("Trage zuerst Dreieck 1 ein, das mit spitzem Winkel " +
                       Anzeigebuchstabe(q->Ergebnis, q->Ergebnis.SSW->SinusWinkel) +
                       ", dann Dreieck 2, das mit stumpfem.");
    }
    if (s && s->Gesuchte.size() == 2 && s->Fragen.size() == 1) {
        // Two answers to one question: the two points the sketch names.
        text += Absatz("Trage zuerst die kürzere Strecke ein.");
    }
    text += Absatz(PunktAnweisung);
    f.Koerper.push_back({text, std::nullopt, std::nullopt});
    if (s) {
        // The story's own questions; the triangle's quantities on the way are the pupil's.
        std::string davor = "<p>";
        for (const frage::Antwortfeld& feld : q->Felder) {
            if (feld.Art == frage::Feldart::Sache) {
                Feldzeile(f, feld, toleranz, davor,
                          " (" + routen::Stellenworte(feld.Dezimalen) + ")");
                davor = "<br/>\n";
            }
        }
        f.Koerper.push_back({"</p>\n", std::nullopt, std::nullopt});
        Loesung(f, s->Loesungsweg, Bearbeite(aufgabe, darstellung), darstellung,
                "Figur des Dreiecks, maßstäblich: ");
    } else {
        Dreiecksfragen(f, *q, toleranz);
        Loesung(f, ErstelleRechenweg(q->Ergebnis, gefragt.Format, {gefragt.Einheit, {}}), a,
                gefragt, "Figur, maßstäblich: ");
    }
    return f;
}

} // namespace kalotri::blatt
