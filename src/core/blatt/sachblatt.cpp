// SPDX-License-Identifier: GPL-3.0-or-later
#include "sachblatt.h"

#include <cctype>
#include <cmath>
#include <memory>

namespace kalotri::blatt {

namespace {

Quellzeile SachZeile(const Sachaufgabe& s, long nummer) {
    Quellzeile zeile = AusEingabe(s.Dreieck, nummer);
    zeile.Sach = std::make_shared<const Sachaufgabe>(s);
    return zeile;
}

Quellzeile Dreieckszeile(const Eingabe& e, long nummer) {
    Eingabe dreieck; // the usual letters
    dreieck.Texte = e.Texte;
    return AusEingabe(dreieck, nummer);
}

std::string Einheit(const Gesucht& g) {
    return g.Einheit == "°" ? g.Einheit : " " + g.Einheit;
}

// The sketch's point of a corner: named by the letter of the side opposite it, upper
// case ("S"), or that letter with an index where the sketch has two of it ("S₁").
const Skizzenpunkt* Ecke(const Sachskizze& skizze, const std::string& seite) {
    std::string name = seite;
    for (char& c : name) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const Skizzenpunkt* mitIndex = nullptr;
    for (const Skizzenpunkt& p : skizze.Punkte) {
        if (p.Name == name) {
            return &p;
        }
        if (!mitIndex && !name.empty() && p.Name.size() > name.size() &&
            p.Name.compare(0, name.size(), name) == 0 &&
            static_cast<unsigned char>(p.Name[name.size()]) >= 0x80) {
            mitIndex = &p;
        }
    }
    return mitIndex;
}

} // namespace

std::optional<Figurlage> SachFigurlage(const Sachaufgabe& s) {
    std::array<const Skizzenpunkt*, 3> ecken{};
    for (std::size_t i = 0; i < 3; ++i) {
        ecken[i] = Ecke(s.Skizze, s.Dreieck.Buchstaben[i]);
        if (!ecken[i]) {
            return std::nullopt;
        }
    }
    Figurlage lage;
    double flachste = 2;
    for (std::size_t k = 0; k < 3; ++k) {
        const Skizzenpunkt& p = *ecken[(k + 1) % 3];
        const Skizzenpunkt& q = *ecken[(k + 2) % 3];
        const double laenge = std::hypot(q.X - p.X, q.Y - p.Y);
        const double steigung = laenge > 0 ? std::abs(q.Y - p.Y) / laenge : 2;
        if (steigung < flachste - 1e-9) {
            flachste = steigung;
            lage.Basis = k;
            lage.Links = p.X <= q.X ? (k + 1) % 3 : (k + 2) % 3;
            // Above the line through the base, in the sketch whose y runs up.
            const Skizzenpunkt& spitze = *ecken[k];
            const double kreuz = (q.X - p.X) * (spitze.Y - p.Y) - (q.Y - p.Y) * (spitze.X - p.X);
            lage.Oben = (p.X <= q.X) == (kreuz > 0);
        }
    }
    return lage;
}

Aufgabenliste MitSachaufgaben(const std::vector<std::vector<Sachaufgabe>>& sach,
                              const std::vector<std::vector<Eingabe>>& dreiecke) {
    Aufgabenliste liste;
    liste.Dateien.emplace_back("erzeugt");
    const std::size_t gruppen = std::max(sach.size(), dreiecke.size());
    for (std::size_t g = 0; g < gruppen; ++g) {
        std::vector<Quellzeile>& gruppe = liste.Gruppen.emplace_back();
        const std::size_t worte = g < sach.size() ? sach[g].size() : 0;
        const std::size_t bloss = g < dreiecke.size() ? dreiecke[g].size() : 0;
        for (std::size_t i = 0, j = 0; i < worte || j < bloss;) {
            const long nummer = static_cast<long>(gruppe.size()) + 1;
            if (i < worte && (i <= j || j >= bloss)) {
                gruppe.push_back(SachZeile(sach[g][i++], nummer));
            } else {
                gruppe.push_back(Dreieckszeile(dreiecke[g][j++], nummer));
            }
        }
    }
    return liste;
}

std::string SachSchluessel(const Sachaufgabe& s) {
    std::string zeile;
    for (const Gesucht& g : s.Gesuchte) {
        zeile += (zeile.empty() ? "" : ", ") + g.Name + " ≈ " + g.Text + Einheit(g);
    }
    return zeile;
}

BlattAufgabe SachBlattAufgabe(const Sachaufgabe& s, const Loesung& ergebnis,
                              const Darstellung& darstellung) {
    Darstellung d = darstellung;
    d.Einheit = s.Einheit;
    BlattAufgabe a = Bearbeite(s.Dreieck, ergebnis, d);
    a.Gegeben = s.Text;
    for (const std::string& frage : s.Fragen) {
        a.Auftrag += (a.Auftrag.empty() ? "" : " ") + frage;
    }
    a.Sachskizze = std::make_shared<const Sachskizze>(s.Skizze);
    const std::optional<Figurlage> lage = SachFigurlage(s);
    for (Loesungsfigur& f : a.Figuren) {
        f.Lage = lage;
    }
    if (darstellung.Form == Loesungsform::Rechenweg) {
        a.Rechenweg.clear();
        for (const Rechenschritt& schritt : s.Loesungsweg) {
            const Wegzeile::Stil stil =
                schritt.Art == SchrittArt::Ueberschrift ? Wegzeile::Stil::Fett
                : schritt.Art == SchrittArt::Rechnung   ? Wegzeile::Stil::Normal
                                                        : Wegzeile::Stil::Kursiv;
            for (std::string& text : SchrittZeilen(schritt)) {
                a.Rechenweg.push_back({std::move(text), stil});
            }
        }
    }
    // The Script knows the triangle only; the answer says what it means.
    std::string antwort = "Antwort:";
    for (const std::string& satz : s.Antwort) {
        antwort += " " + satz;
    }
    a.Loesungsweg.push_back(antwort);
    a.Schluessel = {SachSchluessel(s)};
    a.Punkte = static_cast<int>(s.Gesuchte.size());
    return a;
}

} // namespace kalotri::blatt
