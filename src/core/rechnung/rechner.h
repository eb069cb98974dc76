// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fehler.h"
#include "pruef.h"
#include "scriptsink.h"
#include "zahlform.h"

#include <array>
#include <optional>
#include <string>

namespace kalotri {

// The six input boxes, always in this order. Front ends give them their own names.
enum class Feld { A = 0, B, C, Alpha, Beta, Gamma };

// What the user left in the six input boxes and the six letter choosers (UTF-8).
struct Eingabe {
    std::array<std::string, 6> Texte;
    std::array<std::string, 6> Buchstaben = {"a", "b", "c", "a", "b", "g"};
};

// How a calculation ended. At most one of Meldung and Fehler is set.
struct Ausgang {
    Code Art = Code::Geloest;           // the code of the message or error below
    std::optional<std::string> Meldung; // message box text about the input
    std::optional<Feld> Fokus;          // box that gets the focus after the message
    std::optional<std::string> Fehler;  // error text, without the display's full stop
};

// Law of cosines: the side opposite the angle enclosed by s and t (degrees).
double DritteSeite(double s, double t, double zwischenWinkel);

// The results of the solvers that only compute.
struct SWSLoesung {
    double DritteSeite; // opposite the given angle
    double Winkel1;     // opposite the first side
    double Winkel2;     // opposite the second side
};
struct SSWLoesung {
    double SinusWinkel;
    double SummenWinkel;
    double Seite;
};
struct SSWLoesungen {
    int Anzahl = 0;   // 0, 1 or 2; only the first Anzahl entries are set
    double Sinus = 0; // sine of the angle opposite t, as compared with 1
    std::array<SSWLoesung, 2> Loesung{};
};
struct Seitenpaar {
    double Erste;
    double Zweite;
};

// The calculation command as the window runs it: the result of Berechne, written to the
// Script. Holds the six quantity records, which every run overwrites.
class TRechner {
  public:
    explicit TRechner(ScriptSink& script) : script_(script) {}
    // The named records refer into this object's own table.
    TRechner(const TRechner&) = delete;
    TRechner& operator=(const TRechner&) = delete;

    // The records, indexed by Feld, and their names.
    std::array<TPruef, 6> Groessen;
    TPruef& pA = Groessen[0];
    TPruef& pB = Groessen[1];
    TPruef& pC = Groessen[2];
    TPruef& pAlpha = Groessen[3];
    TPruef& pBeta = Groessen[4];
    TPruef& pGamma = Groessen[5];

    // Runs one calculation. Lines written before an error stay written.
    Ausgang Rechne(const Eingabe& eingabe, const Zahlformat& format);

  private:
    ScriptSink& script_;
};

// The solvers: pure computation on stored values, each value rounded to double as the
// steps after it use it. They throw KalotriFehler on a floating-point fault.
SWSLoesung LoeseSWS(double s1, double w, double s2);
SSWLoesungen LoeseSSW(double s, double t, double w);
SSWLoesungen LoeseSSWUmgekehrt(double w, double t, double s);
Seitenpaar LoeseWSW(double w1, double s, double w2);
Seitenpaar LoeseSWW(double s, double w2, double w3);

} // namespace kalotri
