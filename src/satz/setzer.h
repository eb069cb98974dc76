// SPDX-License-Identifier: GPL-3.0-or-later
// The sheet laid out part by part (exercises, key, solutions), once to measure and once to
// paint, on whichever device the sheet is written to.
#pragma once

#include "blattpdf.h"

#include "auszeichnung.h"
#include "hinweisblock.h"
#include "rechenweg.h"
#include "titelumbruch.h"

#include <QPageLayout>
#include <QPageSize>

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace kalotri::blatt {

using namespace mass;

constexpr int TitelZeilen = 3;

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

inline void Einrichten(QPdfWriter& pdf, const Blattkopf& kopf) {
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    pdf.setResolution(600);
    pdf.setTitle(Q(kopf.Titel));
    pdf.setCreator("kalotri-blatt");
}

inline std::string Gruppenname(std::size_t g) {
    return std::string("Gruppe ") + static_cast<char>('A' + g);
}

// The exercise with the points its file set for it, where the file set any.
inline BlattAufgabe MitPunkten(const Quellzeile& q, BlattAufgabe a) {
    a.Punkte = q.Punkte && !a.Problem ? *q.Punkte : a.Punkte;
    return a;
}

class Setzer {
  public:
    Setzer(QPaintDevice* geraet, const Arbeitsblatt& blatt, const Darstellung& d,
           const Blattkopf& kopf)
        : s_(geraet), blatt_(blatt), d_(d), kopf_(kopf) {
        const double titelBreite =
            s_.Mm(SeiteBreite - RandLinks - RandRechts - (Gruppen() > 1 ? 30 : 0));
        titel_ = Einpassen(s_.Titel, Q(kopf.Titel), titelBreite, TitelZeilen);
        stil_.Skizze = kopf.Skizze;
        stil_.PlatzCm = kopf.PlatzCm;
        stil_.Auftrag = d.Mehr ? "Berechne die fehlenden Größen, den Umfang, den "
                                 "Flächeninhalt, die drei Höhen, den Umkreis- und den "
                                 "Inkreisradius."
                               : "Berechne die fehlenden Größen.";
    }

    Seitenmass Mass() const {
        Seitenmass m;
        m.Links = s_.Mm(RandLinks);
        m.Rechts = s_.Mm(SeiteBreite - RandRechts);
        m.Oben = s_.Mm(RandOben);
        m.Unten = s_.Mm(SeiteHoehe - RandUnten);
        m.Fuss = s_.Mm(SeiteHoehe - 12);
        m.Abstand = s_.Mm(Blockabstand);
        m.Vermerk = s_.Klein.lineSpacing() + s_.Mm(1);
        m.Schrift = s_.Z.Klein;
        return m;
    }

    // The whole sheet, part by part; melde only in the measuring run, which keeps how the
    // solutions were set in `merke`; the painting run sets them as `gesetzt` says.
    void Lege(Seitenfluss& fluss, const Problemmelder* melde,
              const std::vector<Loesungssatz>& gesetzt, std::vector<Loesungssatz>* merke) {
        std::size_t loesung = 0;
        for (std::size_t g = 0; g < Gruppen(); ++g) {
            fluss.NeuerAbschnitt(
                {[this, g](QPainter* p, int seite) { return AufgabenKopf(p, seite, g); },
                 Teilname(g, "Aufgaben")});
            Jede(g, [&](const Quellzeile& q, const BlattAufgabe& gelesen, int nummer) {
                if (melde != nullptr && gelesen.Problem) {
                    (*melde)(q, *gelesen.Problem);
                }
                const BlattAufgabe& a = MitPunkten(q, gelesen);
                if (!kopf_.Punkte || a.Punkte == 0) {
                    fluss.Setze(Aufgabenblock(a, nummer, s_, stil_));
                    return;
                }
                BlattAufgabe mitPunkten = a;
                mitPunkten.Auftrag = (a.Auftrag.empty() ? stil_.Auftrag : a.Auftrag) + " (" +
                                     PunkteText(a.Punkte) + ")";
                fluss.Setze(Aufgabenblock(mitPunkten, nummer, s_, stil_));
            });
        }
        if (kopf_.Schluessel) {
            fluss.NeuerAbschnitt({[this](QPainter* p, int seite) {
                                      return Ueberschrift(p, seite, "Lösungsschlüssel", true);
                                  },
                                  "Lösungsschlüssel"});
            for (std::size_t g = 0; g < Gruppen(); ++g) {
                if (Gruppen() > 1) {
                    fluss.Setze(Zwischentitel(Gruppenname(g), s_));
                }
                int summe = 0;
                Jede(g, [&](const Quellzeile& q, const BlattAufgabe& gelesen, int nummer) {
                    const BlattAufgabe& a = MitPunkten(q, gelesen);
                    if (!kopf_.Punkte || a.Punkte == 0 || a.Schluessel.empty()) {
                        fluss.Setze(Schluesselblock(a, nummer, s_));
                        return;
                    }
                    // The points close the row as one more item, never split from it.
                    BlattAufgabe mitPunkten = a;
                    mitPunkten.Schluessel.back() += ", " + PunkteText(a.Punkte);
                    summe += a.Punkte;
                    fluss.Setze(Schluesselblock(mitPunkten, nummer, s_));
                });
                if (kopf_.Punkte) {
                    fluss.Setze(Zwischentitel("Zusammen " + PunkteText(summe), s_));
                }
            }
            tabelle_.reset();
        }
        if (!kopf_.MitLoesungen) {
            return;
        }
        for (std::size_t g = 0; g < Gruppen(); ++g) {
            const std::string titel = Gruppen() > 1 ? "Lösungen – " + Gruppenname(g) : "Lösungen";
            fluss.NeuerAbschnitt({[this, titel](QPainter* p, int seite) {
                                      return Ueberschrift(p, seite, titel, false);
                                  },
                                  Teilname(g, "Lösungen")});
            if (kopf_.Form == Loesungsform::Rechenweg) {
                fluss.Setze(Hinweisblock(RundungsHinweis(d_.Format), s_)); // once, not per exercise
            }
            Jede(g, [&](const Quellzeile&, const BlattAufgabe& a, int nummer) {
                const Loesungsblock block(a, nummer, s_, LoesungsZeilen(a, kopf_.Form),
                                          kopf_.Form != Loesungsform::Schluessel,
                                          loesung < gesetzt.size() ? &gesetzt[loesung] : nullptr);
                fluss.Setze(block);
                if (merke != nullptr) {
                    merke->push_back(block.Gesetzt());
                }
                ++loesung;
            });
        }
    }

  private:
    std::size_t Gruppen() const { return blatt_.Gruppen(); }

    std::string Teilname(std::size_t g, const std::string& teil) const {
        return Gruppen() > 1 ? Gruppenname(g) + " · " + teil : teil;
    }

    template <typename Tun> void Jede(std::size_t g, Tun&& tun) const {
        int nummer = 0;
        for (const GeloesteAufgabe& geloest : blatt_.Gruppe(g)) {
            // Worked once per run: the exercise, its key row and its solution show the same.
            auto da = bearbeitet_.find(&geloest);
            if (da == bearbeitet_.end()) {
                da = bearbeitet_.emplace(&geloest, Bearbeite(geloest, d_)).first;
            }
            tun(*geloest.Zeile, da->second, ++nummer);
        }
    }

    // Title and header line on the first page of a group's exercises, the header line
    // alone on the others: a page that comes loose still says whose it is.
    double AufgabenKopf(QPainter* p, int seite, std::size_t g) const {
        const double links = s_.Mm(RandLinks);
        const double breite = s_.Mm(SeiteBreite - RandLinks - RandRechts);
        double y = s_.Mm(RandOben);
        // On later pages the head repeats: decoration, as the page numbers are.
        QPainter* teil = seite == 1 ? p : nullptr;
        if (seite == 1) {
            if (p != nullptr) {
                const Auszeichnung titel(p, "H1");
                p->setPen(Qt::black);
                p->setFont(s_.Z.Titel);
                p->drawText(QRectF(links, y, breite, titel_.Hoehe), titel_.Flags, titel_.Text);
            }
        }
        if (p != nullptr && Gruppen() > 1) {
            const Auszeichnung gruppe(teil, "P");
            p->setPen(Qt::black);
            p->setFont(s_.Z.Titel);
            p->drawText(QRectF(links, y, breite, s_.Titel.lineSpacing()),
                        Qt::AlignRight | Qt::AlignTop, Q(Gruppenname(g)));
        }
        if (seite == 1) {
            y += titel_.Hoehe + s_.Mm(4);
        } else if (Gruppen() > 1) {
            y += s_.Titel.lineSpacing() + s_.Mm(2);
        }
        const auto feld = [&](const std::string& name, const std::string& wert, double von,
                              double bis) {
            if (p == nullptr) {
                return;
            }
            const QString vorsatz = Q(name + ": ");
            const double x = links + s_.Mm(von);
            const double rest = s_.Mm(bis - von) - s_.Text.horizontalAdvance(vorsatz);
            p->setPen(Qt::black);
            p->setFont(s_.Z.Text);
            p->drawText(QPointF(x, y + s_.Text.ascent()), vorsatz);
            const double wx = x + s_.Text.horizontalAdvance(vorsatz);
            if (wert.empty()) {
                p->setPen(QPen(Qt::black, s_.Mm(0.15)));
                const double linie = y + s_.Text.ascent() + s_.Mm(0.8);
                p->drawLine(QPointF(wx, linie), QPointF(wx + rest - s_.Mm(3), linie));
            } else {
                p->drawText(QPointF(wx, y + s_.Text.ascent()),
                            s_.Text.elidedText(Q(wert), Qt::ElideRight, rest - s_.Mm(3)));
            }
        };
        if (!kopf_.Schule.empty()) {
            const Auszeichnung zeile(teil, "P");
            feld("Schule", kopf_.Schule, 0, SeiteBreite - RandLinks - RandRechts);
            y += s_.Text.lineSpacing() + s_.Mm(2);
        }
        {
            const Auszeichnung zeile(teil, "P");
            feld("Name", "", 0, 75);
            feld("Klasse", kopf_.Klasse, 75, 120);
            feld("Datum", kopf_.Datum, 120, SeiteBreite - RandLinks - RandRechts);
        }
        y += s_.Text.lineSpacing() + s_.Mm(seite == 1 ? 8 : 6);
        return y - s_.Mm(RandOben);
    }

    double Ueberschrift(QPainter* p, int seite, const std::string& titel, bool tabelle) const {
        double y = s_.Mm(RandOben);
        if (seite == 1) {
            if (p != nullptr) {
                const Auszeichnung kopf(p, "H1");
                p->setPen(Qt::black);
                p->setFont(s_.Z.Titel);
                p->drawText(QPointF(s_.Mm(RandLinks), y + s_.Titel.ascent()), Q(titel));
            }
            y += s_.Titel.lineSpacing() + s_.Mm(6);
        }
        if (tabelle) {
            if (p != nullptr && seite == 1) {
                tabelle_.emplace(p, "Table"); // ends after the last row (Lege)
            }
            y += Schluesselblock::Spaltenkoepfe(p, y, s_, seite == 1);
        }
        return y - s_.Mm(RandOben);
    }

    Satz s_;
    const Arbeitsblatt& blatt_;
    const Darstellung& d_;
    const Blattkopf& kopf_;
    Umbruch titel_;
    Aufgabenblock::Stil stil_;
    mutable std::optional<Auszeichnung> tabelle_;
    mutable std::unordered_map<const GeloesteAufgabe*, BlattAufgabe> bearbeitet_;
};

} // namespace kalotri::blatt
