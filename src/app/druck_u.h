// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPrinter>

class QTextDocument;
class QWidget;

// The current printer of the run: the system's default printer until the user
// confirms another one in the printer set-up dialog.
class TDrucker {
  public:
    TDrucker();

    // Shows the printer set-up (printer, paper, orientation) preset with the current
    // printer. Returns whether the user confirmed; only then does the choice become current.
    // Throws KalotriFehler(FehlerKeinDrucker) when there is no printer at all.
    bool Einrichten(QWidget* parent);

    // Prints the document as one job titled "Kalotri", page by page into the whole
    // printable area, with no margins, header or page numbers. Throws
    // KalotriFehler(FehlerKeinDrucker) when there is no printer at all.
    void Drucke(const QTextDocument& dokument);

    bool Gewaehlt() const { return gewaehlt_; }
    QPrinter& Printer() { return drucker_; }

  private:
    // Points drucker_ at the system default unless the user chose one; throws if none.
    void Bereitstellen();

    QPrinter drucker_;
    bool gewaehlt_ = false;
};
