// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blattaufgabe.h"
#include "figurmaler.h"
#include "schluesselsatz.h"
#include "seitenfluss.h"

#include <QFontMetricsF>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kalotri::blatt {

// Page geometry in millimetres.
namespace mass {
inline constexpr double SeiteBreite = 210;
inline constexpr double SeiteHoehe = 297;
inline constexpr double RandLinks = 20;
inline constexpr double RandRechts = 15;
inline constexpr double RandOben = 15;
inline constexpr double RandUnten = 18;
inline constexpr double Spaltenabstand = 6;
inline constexpr double Blockabstand = 7;
// The text of exercises and solutions starts here; their numbers stand left of it.
inline constexpr double TextLinks = 30;
inline constexpr double TextBreite = 82; // at least, for solutions; the figures follow
} // namespace mass

// The faces of a sheet measured on its device.
struct Satz {
    explicit Satz(QPaintDevice* geraet);
    Zeichenflaeche Z;
    QFontMetricsF Text;
    QFontMetricsF Klein;
    QFontMetricsF Titel;
    QFont Kursiv;
    QFontMetricsF Fett;
    QFontMetricsF KursivMass;
    const QFont& Schrift(Wegzeile::Stil stil) const;
    const QFontMetricsF& Mass(Wegzeile::Stil stil) const;
    double Mm(double mm) const { return Z.Mm(mm); }
    // How a text wraps into the width and how tall it then is, at least one line.
    struct Gesetzt {
        int Umbruch = Qt::TextWordWrap;
        double Hoehe = 0;
    };
    // `natur`, the text's width unwrapped where it is known already.
    Gesetzt Setze(const QFontMetricsF& fm, const std::string& text, double breite,
                  std::optional<double> natur = {}) const;
    // Height of a text wrapped into the width, at least one line.
    double Hoehe(const QFontMetricsF& fm, const std::string& text, double breite,
                 int umbruch = Qt::TextWrapAnywhere) const;

  private:
    struct Zeilenmass {
        double Hoehe = 0;    // of one line in the face, 0 where not known
        QFontMetricsF Eigen; // which characters the face has itself
    };
    Zeilenmass EineZeile(const QFontMetricsF& fm) const;
    mutable std::map<const QFontMetricsF*, Zeilenmass> eineZeile_;
};

// The number of an exercise or a key row, left of its text at the height y.
void Nummer(QPainter& p, const Satz& s, int nummer, double y, const char* rolle = "H2");

// An exercise: number, given values, task; the sketch beside it, room to work below.
class Aufgabenblock : public Block {
  public:
    struct Stil {
        bool Skizze = false;
        int PlatzCm = 0;
        std::string Auftrag; // "Berechne die fehlenden Größen."
    };
    Aufgabenblock(const BlattAufgabe& a, int nummer, const Satz& satz, const Stil& stil);
    std::vector<double> Streifen() const override;
    double Beiwerk() const override;
    void Male(QPainter& p, double y, std::size_t von, std::size_t bis) const override;
    std::string Name() const override { return "Aufgabe " + std::to_string(nummer_); }
    double Kuerzbar() const override;
    const char* Rolle() const override { return "Sect"; }

  private:
    double Breite() const;
    int Umbruch() const;
    const std::string& Auftrag() const;
    const BlattAufgabe& a_;
    int nummer_;
    const Satz& s_;
    const Stil& stil_;
};

// How a solution was set when it was measured: its text column's width, each line, the
// figures' height. A few numbers per line, kept from the measuring run for the painting.
struct Loesungssatz {
    double Breite = 0;
    std::vector<Satz::Gesetzt> Zeilen;
    std::optional<double> FigurenHoehe;
    std::shared_ptr<const Figurenplan> Figuren;
};

// A solution: number, its lines, and the figures right of them.
class Loesungsblock : public Block {
  public:
    // Set anew, or as `gesetzt` says it was set before.
    Loesungsblock(const BlattAufgabe& a, int nummer, const Satz& satz, std::vector<Wegzeile> zeilen,
                  bool figuren, const Loesungssatz* gesetzt = nullptr);
    Loesungssatz Gesetzt() const { return {breite_, gesetzt_, figurenHoehe_, plan_}; }
    std::vector<double> Streifen() const override;
    double Beiwerk() const override;
    void Male(QPainter& p, double y, std::size_t von, std::size_t bis) const override;
    std::string Name() const override { return "Lösung " + std::to_string(nummer_); }
    // Without figures the solutions follow one another closely, as in a key.
    bool Zeile() const override { return !figuren_; }
    const char* Rolle() const override { return "Sect"; }

  private:
    QRectF FigurenSpalte(double y) const;
    const BlattAufgabe& a_;
    int nummer_;
    const Satz& s_;
    std::vector<Wegzeile> zeilen_;
    std::vector<Satz::Gesetzt> gesetzt_; // each line, set once for measuring and painting
    bool figuren_;
    double breite_ = 0;
    mutable std::optional<double> figurenHoehe_;
    mutable std::shared_ptr<const Figurenplan> plan_;
};

// A row of the answer table: number, the values sought, the number of solutions.
class Schluesselblock : public Block {
  public:
    Schluesselblock(const BlattAufgabe& a, int nummer, const Satz& satz);
    std::vector<double> Streifen() const override;
    void Male(QPainter& p, double y, std::size_t von, std::size_t bis) const override;
    std::string Name() const override { return "Zeile " + std::to_string(nummer_); }
    bool Zeile() const override { return true; }
    const char* Rolle() const override { return "TR"; }

    // The table's column heads, painted at y when a painter is given; their height. Only
    // the first page's heads are the table's, the others repeat them as decoration.
    static double Spaltenkoepfe(QPainter* p, double y, const Satz& satz, bool ersteSeite = false);

  private:
    const std::vector<Schluesselsatz>& Saetze() const; // set once, when first asked
    int nummer_;
    const Satz& s_;
    std::vector<std::string> zeilen_; // one per solution
    mutable std::vector<Schluesselsatz> saetze_;
    std::string anzahl_;
};

// A bold line between blocks ("Gruppe A" in the answer table).
class Zwischentitel : public Block {
  public:
    Zwischentitel(std::string text, const Satz& satz) : text_(std::move(text)), s_(satz) {}
    std::vector<double> Streifen() const override { return {s_.Text.lineSpacing() + s_.Mm(4)}; }
    void Male(QPainter& p, double y, std::size_t von, std::size_t bis) const override;
    std::string Name() const override { return text_; }
    bool Zeile() const override { return true; }
    const char* Rolle() const override { return "TR"; }

  private:
    std::string text_;
    const Satz& s_;
};

} // namespace kalotri::blatt
