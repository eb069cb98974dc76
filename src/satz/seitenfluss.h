// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QPdfWriter>

#include <functional>
#include <string>
#include <vector>

namespace kalotri::blatt {

// A piece of a page's content: strips that are never split, and beside the first of them
// something that is not split either (a figure, a sketch). A block taller than a page is
// split between two strips.
class Block {
  public:
    virtual ~Block() = default;
    virtual std::vector<double> Streifen() const = 0;
    virtual double Beiwerk() const { return 0; }
    // Strips von to bis (exclusive) from y on, and the companion with the first strip.
    virtual void Male(QPainter& p, double y, std::size_t von, std::size_t bis) const = 0;
    // Rows of a table follow one another without the space between blocks.
    virtual bool Zeile() const { return false; }
    // How the continuation mark names the block ("Aufgabe 7").
    virtual std::string Name() const = 0;
    // How much the last strip may lose where a page cannot hold the block whole: room to
    // work is better a little shorter than on a page of its own.
    virtual double Kuerzbar() const { return 0; }
    // What the flow took off the last strip; Streifen() and Male() follow it.
    void Kuerze(double um) const { kuerzung_ = um; }
    // What the block is to a screen reader, as a structure type: a paragraph, unless it
    // says it is a section ("Sect") or a table's row ("TR") and marks its parts itself.
    virtual const char* Rolle() const { return "P"; }

  protected:
    mutable double kuerzung_ = 0;
};

// Where the content of a page goes, in device units, and how the flow writes on it.
struct Seitenmass {
    double Links = 0;
    double Rechts = 0;
    double Oben = 0;
    double Unten = 0;
    double Fuss = 0;    // baseline area of the footer, below Unten
    double Abstand = 0; // between blocks
    double Vermerk = 0; // height of a continuation mark
    QFont Schrift;      // of footer and marks
};

// The pages of one part of the sheet (the exercises of a group, its solutions, the key):
// the head on each page (it gets the page's number within the part and a painter, or none
// when the sheet is only measured, and answers with its height) and the footer's words.
struct Abschnitt {
    std::function<double(QPainter*, int)> Kopf;
    std::string Fuss; // "Gruppe A · Aufgaben": followed by "· Seite 1 von 2"
};

// Places blocks on pages one after another. A sheet is laid out twice with the same
// blocks: first measured (no painter), which counts the pages of each part, then painted
// with those counts in the footers. Nothing is kept of a block once it is placed, so the
// memory does not grow with the sheet.
class Seitenfluss {
  public:
    // Measuring when painter is null; seitenzahlen are the counts of the measuring run.
    Seitenfluss(const Seitenmass& mass, QPdfWriter* pdf, QPainter* painter,
                std::vector<int> seitenzahlen);
    // The same on any device that begins its pages through neueSeite.
    Seitenfluss(const Seitenmass& mass, std::function<void()> neueSeite, QPainter* painter,
                std::vector<int> seitenzahlen);

    void NeuerAbschnitt(Abschnitt abschnitt);
    void Setze(const Block& block);
    // Closes the last page; the number of pages of each part.
    std::vector<int> Ende();
    int Seiten() const { return seiten_; }

    std::function<void(int)> Fortschritt; // hears of every finished page

  private:
    void NeueSeite();
    void SchliesseSeite();
    void Vermerk(double y, const QString& text, Qt::Alignment ausrichtung);

    Seitenmass mass_;
    std::function<void()> neueSeite_;
    QPainter* p_;
    std::vector<int> gezaehlt_; // of the measuring run
    std::vector<int> zaehlung_; // of this run
    Abschnitt abschnitt_;
    int seiten_ = 0;
    int seiteImAbschnitt_ = 0;
    double y_ = 0;
    bool offen_ = false;
    bool beschrieben_ = false; // a block stands on the page
};

} // namespace kalotri::blatt
