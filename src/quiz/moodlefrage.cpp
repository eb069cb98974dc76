// SPDX-License-Identifier: GPL-3.0-or-later
#include "moodlefrage.h"

#include "cloze.h"
#include "figurmaler.h"
#include "frage.h"
#include "kompaktpng.h"
#include "rechenweg.h"
#include "routen.h"
#include "skizze.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <limits>

namespace kalotri::blatt {

namespace {

constexpr double FigurBreiteMm = 90;

} // namespace

// Figures far taller than wide say nothing a pupil could see; no figure then.
constexpr double HoechstesSeitenverhaeltnis = 4;

std::optional<QImage> FigurBild(const BlattAufgabe& a) {
    QImage mass(1, 1, QImage::Format_RGB32);
    const int dpm = static_cast<int>(std::lround(PixelProMm * 1000));
    mass.setDotsPerMeterX(dpm);
    mass.setDotsPerMeterY(dpm);
    const double breite = FigurBreiteMm * PixelProMm;
    const double hoehe = FigurenHoehe(a, breite, Zeichenflaeche::Fuer(&mass));
    if (!(hoehe > 0 && hoehe <= HoechstesSeitenverhaeltnis * breite)) {
        return std::nullopt;
    }
    QImage bild(static_cast<int>(std::ceil(breite)), static_cast<int>(std::ceil(hoehe)) + 1,
                QImage::Format_RGB32);
    bild.setDotsPerMeterX(dpm);
    bild.setDotsPerMeterY(dpm);
    bild.fill(Qt::white);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    MaleFiguren(p, a, QRectF(0, 0, breite, hoehe), Zeichenflaeche::Fuer(&bild));
    return bild;
}

std::string Bild(const std::string& datei, const QImage& bild, const std::string& alt) {
    return "<img src=\"@@PLUGINFILE@@/" + datei + "\" alt=\"" + ClozeHtml(alt) + "\" width=\"" +
           std::to_string(bild.width()) + "\" height=\"" + std::to_string(bild.height()) + "\">";
}

std::string Verbunden(const std::vector<std::string>& teile, const std::string& zwischen) {
    std::string text;
    for (const std::string& teil : teile) {
        text += (text.empty() ? "" : zwischen) + teil;
    }
    return text;
}

// The worked steps as HTML: headings bold, notes in italics, a calculation's equations
// one per line.
std::string RechenwegHtml(const Rechenweg& weg) {
    std::string html;
    for (const Rechenschritt& schritt : weg) {
        std::vector<std::string> zeilen;
        for (const std::string& zeile : SchrittZeilen(schritt)) {
            zeilen.push_back(ClozeHtml(zeile));
        }
        const std::string inhalt = Verbunden(zeilen, "<br>");
        switch (schritt.Art) {
        case SchrittArt::Ueberschrift:
            html += "<p><strong>" + inhalt + "</strong></p>\n";
            break;
        case SchrittArt::Hinweis:
            html += "<p><em>" + inhalt + "</em></p>\n";
            break;
        case SchrittArt::Rechnung:
        case SchrittArt::Begruendung:
            html += "<p>" + inhalt + "</p>\n";
            break;
        }
    }
    return html;
}

namespace {

// A gap's numbers go out as doubles; one that is infinite there (or whose tolerance is)
// makes Moodle's import refuse the whole file.
bool Schreibbar(const frage::Antwortfeld& f) {
    const auto endlich = [](long double x) { return std::isfinite(static_cast<double>(x)); };
    const frage::Bereich& b = frage::Richtig(f);
    const long double boden = std::abs(f.Wert) * 4 * std::numeric_limits<double>::epsilon();
    return endlich(f.Wert) && endlich(f.Gerundet) && endlich(b.Unten) && endlich(b.Oben) &&
           endlich((b.Oben - b.Unten) / 2) &&
           std::isfinite(AufgerundeteToleranz(static_cast<double>(boden)));
}

struct Luecken {
    const Loesung& L;
    const Darstellung& D;
    const std::optional<double>& FesteToleranz;
    const std::optional<frage::Frage>& Modell; // unset with a fixed tolerance
    int Anzahl = 0;
    bool Unschreibbar = false; // a tolerance or value Moodle could not read back

    std::string Feld(kalotri::Feld groesse, const std::string& luecke) const {
        const std::string einheit = groesse >= kalotri::Feld::Alpha ? "°"
                                    : D.Einheit.empty()             ? ""
                                                                    : " " + D.Einheit;
        return ClozeHtml(Anzeigebuchstabe(L, groesse)) + " = " + luecke + ClozeHtml(einheit);
    }

    static std::string Falsch(const std::string& buchstabe) {
        return buchstabe + " stimmt nicht – rechne nach.";
    }

    // The unknowns of one triangle in the order the question asks them, each with its gap.
    std::string Reihe(std::size_t dreieck) {
        std::vector<std::string> felder;
        if (Modell) {
            for (const frage::Antwortfeld& f : Modell->Felder) {
                if (f.Art == frage::Feldart::Dreieck && f.Dreieck == dreieck) {
                    Unschreibbar = Unschreibbar || !Schreibbar(f);
                    const std::string falsch = Falsch(Anzeigebuchstabe(L, f.Groesse));
                    felder.push_back(Feld(f.Groesse, FeldLuecke(f, "Richtig.", falsch)));
                }
            }
        } else {
            for (const kalotri::Feld g : routen::Rechenfolge(L.Dreiecke[dreieck])) {
                const double wert = L.Dreiecke[dreieck].Werte[static_cast<std::size_t>(g)];
                // Below a few units of the double's last place no typed number could hit it.
                const double toleranz = AufgerundeteToleranz(std::max(
                    *FesteToleranz, std::abs(wert) * 4 * std::numeric_limits<double>::epsilon()));
                Unschreibbar = Unschreibbar || !std::isfinite(toleranz) || !std::isfinite(wert);
                const std::string falsch = Falsch(Anzeigebuchstabe(L, g));
                felder.push_back(Feld(g, NumerischeLuecke(wert, toleranz, "Richtig.", falsch)));
            }
        }
        Anzahl += static_cast<int>(felder.size());
        return Verbunden(felder, "<br>\n");
    }
};

bool Endlich(const Loesung& l) {
    for (const LoesungsDreieck& d : l.Dreiecke) {
        for (const double w : d.Werte) {
            if (!std::isfinite(w)) {
                return false;
            }
        }
    }
    return true;
}

} // namespace

std::optional<MoodleFrage> BaueFrage(const GeloesteAufgabe& aufgabe, const Darstellung& darstellung,
                                     const std::string& name, const std::string& datei,
                                     const std::optional<double>& toleranz, std::string* grund) {
    if (!aufgabe.IstAufgabe) {
        return std::nullopt;
    }
    const Loesung& l = aufgabe.Ergebnis;
    // At 0 or 1 decimal an answer 1 % off rounds like a right one: at least 2, and more
    // where a typical wrong answer would still pass. A fixed tolerance is the teacher's own.
    std::optional<frage::Frage> modell;
    if (!toleranz && Endlich(l)) {
        modell =
            frage::FrageAus(l, "", std::max(darstellung.Stellen.Geschrieben(), MindestDezimalen),
                            {}, darstellung.Einheit);
    }
    const int dezimalen =
        modell ? modell->Anweisung.Rundung.Ergebnis : darstellung.Stellen.Geschrieben();
    // The whole question at the answers' decimals: givens, steps and figure alike.
    Darstellung frage = darstellung;
    frage.Stellen = Dezimalen(dezimalen);
    frage.Format.Maske = frage.Stellen.Maske();
    const BlattAufgabe a = Bearbeite(aufgabe, frage);
    const bool ssw = l.Typ == Aufgabentyp::SSW && l.SSW;
    if (a.Problem || !l.Typ || (!ssw && l.Dreiecke.empty()) || !Endlich(l)) {
        return std::nullopt;
    }
    MoodleFrage f;
    f.Name = name;
    f.Dezimalen = dezimalen;
    const QImage skizze = SkizzenBild(a.Skizze, PixelProMm);
    f.FrageBilder.push_back({datei + "-skizze.png", KompaktesPng(skizze)});

    std::string& t = f.Fragetext;
    t += "<p>Gegeben: " + ClozeHtml(a.Gegeben) + "</p>\n";
    t += "<p>" +
         Bild(f.FrageBilder.back().Name, skizze,
              std::string(SkizzenUnterschrift) + " mit " + a.Gegeben) +
         "</p>\n";
    t += "<p>Berechne die fehlenden Größen. " +
         ClozeHtml(modell ? modell->Anweisung.Worte
                          : routen::Rundungsanweisung(routen::RundungFuer(dezimalen))) +
         "</p>\n";
    t += "<p>" + ClozeHtml(PunktAnweisung) + "</p>\n";
    Luecken luecken{l, frage, toleranz, modell};
    if (ssw) {
        const std::string winkel = ClozeHtml(Anzeigebuchstabe(l, l.SSW->SinusWinkel));
        // A flat figure is the calculation's answer but no triangle.
        std::vector<std::size_t> echte;
        for (std::size_t i = 0; i < l.Dreiecke.size(); ++i) {
            if (l.Dreiecke[i].Zaehlt) {
                echte.push_back(i);
            }
        }
        t += "<p>Wie viele Dreiecke passen zu den Angaben? " +
             AuswahlLuecke({"0", "1", "2"}, echte.size(), "Richtig.") + "</p>\n";
        ++luecken.Anzahl;
        if (echte.size() == 2) {
            t += "<p>Trage zuerst die Lösung mit spitzem Winkel " + winkel +
                 " ein, dann die mit stumpfem.</p>\n";
        }
        for (std::size_t i = 0; i < echte.size(); ++i) {
            const std::string kopf = echte.size() == 1
                                         ? "Lösung"
                                         : std::to_string(i + 1) + ". Lösung (" + winkel +
                                               (i == 0 ? " spitz" : " stumpf") + ")";
            t += "<p><strong>" + kopf + ":</strong><br>\n" + luecken.Reihe(echte[i]) + "</p>\n";
        }
    } else {
        t += "<p>" + luecken.Reihe(0) + "</p>\n";
    }
    f.Luecken = luecken.Anzahl;
    if (luecken.Unschreibbar) {
        // A gap of tolerance "inf" is refused by Moodle's import: no question rather than
        // one that breaks the file.
        if (grund != nullptr) {
            *grund = "zu große Zahlen für ein Quizfeld (die Toleranz fasst keine Zahl)";
        }
        return std::nullopt;
    }

    // The steps at the question's decimals, with the rounding note: each question stands
    // alone.
    Rechenweg weg = ErstelleRechenweg(l, frage.Format, {frage.Einheit, {}});
    MitRundungsHinweis(weg, frage.Format);
    f.Rueckmeldung = RechenwegHtml(weg);
    const std::optional<QImage> figur = a.Figuren.empty() ? std::nullopt : FigurBild(a);
    if (figur) {
        f.RueckmeldungsBilder.push_back({datei + "-figur.png", KompaktesPng(*figur)});
        f.Rueckmeldung += "<p>" +
                          Bild(f.RueckmeldungsBilder.back().Name, *figur,
                               "Figur, maßstäblich: " + Verbunden(a.Schluessel, "; ")) +
                          "</p>\n";
    }
    return f;
}

} // namespace kalotri::blatt
