// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scriptsink.h"

#include <QTextCursor>
#include <QTextEdit>

#include <string>

// Most characters the Script holds, counting each line break as one.
inline constexpr int ScriptKapazitaet = 64 * 1024;

// The Script (RichEdit1): the rich-text box the calculation writes its worked
// solution into, line by line, and the commands of the menu "&Script".
//
// Lines in the face "Symbol" are stored as the Latin letters the calculation wrote;
// the Symbol face on this system (URW Standard Symbols PS) follows the Adobe Symbol
// encoding, so they show and print as Greek letters, exactly like the letter choosers.
// Only the clipboard sees them translated to Unicode Greek (see Kopieren).
class TScript : public QTextEdit, public kalotri::ScriptSink {
    Q_OBJECT
  public:
    explicit TScript(QWidget* parent = nullptr);

    // kalotri::ScriptSink. ZeileAnfuegen throws KalotriFehler(FehlerRichEdit) when the
    // line does not fit; nothing of that line is written then.
    void ZeileAnfuegen(const std::string& zeile) override;
    void SchriftSetzen(const std::string& schrift) override;

    const QString& Schrift() const { return schrift_; }
    // Characters held, line breaks counted once each.
    int Laenge() const;

    // Runs `schreiben` with every line it appends going into the Script as one edit: the
    // text is laid out and scrolled to its end once, after the last line, and one undo
    // step takes all of them back. Lines appended before an error stay written.
    template <typename Schreiben> auto AlsEineAenderung(Schreiben&& schreiben) {
        struct Klammer {
            TScript& script;
            ~Klammer() { script.AenderungBeenden(); }
        } klammer{*this};
        ++aenderungsTiefe_;
        return schreiben();
    }

    // Empties the Script; the next line takes the box's own face again.
    void Leeren();
    // Copies everything to the clipboard and leaves the caret at the start.
    void Kopieren();

  protected:
    QMimeData* createMimeDataFromSelection() const override;
    // A paste or drop takes only what still fits the capacity, as the calculation's lines
    // do; the rest is cut off.
    void insertFromMimeData(const QMimeData* quelle) override;

  private:
    void AenderungBeenden();
    // Caret to the end with nothing selected, scrolled into view.
    void ZumEnde();

    QString schrift_;
    // Open AlsEineAenderung calls; the edit itself begins with the first line written.
    int aenderungsTiefe_ = 0;
    QTextCursor aenderung_;
};
