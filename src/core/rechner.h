// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "pruef.h"
#include "scriptsink.h"

#include <array>
#include <optional>
#include <string>

namespace kalotri {

// The six input boxes, always in this order.
enum class Feld { A = 0, B, C, Alpha, Beta, Gamma };
inline constexpr std::array<const char*, 6> FeldNamen = {"eA",     "eB",    "eC",
                                                         "eAlpha", "eBeta", "eGamma"};

// What the user left in the six input boxes and the six letter choosers (UTF-8).
struct Eingabe {
    std::array<std::string, 6> Texte;
    std::array<std::string, 6> Buchstaben = {"a", "b", "c", "a", "b", "g"};
};

// How numbers are written: the mask (RundFormat) and the locale's decimal separator.
struct Zahlformat {
    std::string Maske = "0.000";
    std::string Trennzeichen = ",";
};

// How a calculation ended. At most one of Meldung and Fehler is set.
struct Ausgang {
    std::optional<std::string> Meldung; // message box text about the input
    std::optional<Feld> Fokus;          // box that gets the focus after the message
    std::optional<std::string> Fehler;  // error text, without the display's full stop
};

// Law of cosines: the side opposite the angle enclosed by s and t (degrees).
double DritteSeite(double s, double t, double zwischenWinkel);

// The calculation command with its five cases. Holds the six quantity records, which
// every run overwrites.
class TRechner {
  public:
    explicit TRechner(ScriptSink& script) : script_(script) {}

    TPruef pA, pB, pC, pAlpha, pBeta, pGamma;

    // Runs one calculation. Lines written before an error stay written.
    Ausgang Rechne(const Eingabe& eingabe, const Zahlformat& format);

    // The block of given values, "Gegeben:" to "Berechnet:".
    void SchreibeGegeben();

    // Solvers. LoeseSSS writes its own lines; the others only compute.
    void LoeseSSS(double a, double b, double c);
    void LoeseSWS(double s1, double w, double s2, double& s3, double& w1, double& w2);
    int LoeseSSW(double s, double t, double w, double& c1, double& c2, double& b1, double& b2,
                 double& g1, double& g2);
    int LoeseSSWUmgekehrt(double w, double t, double s, double& b1, double& b2, double& c1,
                          double& c2, double& g1, double& g2);
    void LoeseWSW(double w1, double s, double w2, double& r1, double& r2);
    void LoeseSWW(double s, double w2, double w3, double& r1, double& r2);

    // The format of the run in progress (also used when a solver is called directly).
    Zahlformat Format;

  private:
    ScriptSink& script_;

    // The command without the error catch; Rechne turns KalotriFehler into Fehler.
    Ausgang Befehl(const Eingabe& eingabe);
    TPruef& Eintrag(int i); // the records in the order a, b, c, alpha, beta, gamma

    // The cases, each entered after its type line.
    void FallSSS();
    void FallSWS();
    void FallSSW();
    void FallWSW();
    void FallSWW();
    void SchreibeWinkelsummeUndSeiten(const TPruef& dritterWinkel, const TPruef& erste,
                                      const TPruef& zweite);

    // Line helpers. An angle's name line is the only line that switches faces.
    void Zeile(const std::string& text);
    void SeitenName(const TPruef& seite);
    void WinkelName(const TPruef& winkel, const char* doppelpunkt = ":");
    std::string Fest(double x) const;
    void SchreibeSSWLoesung(const TPruef& sinusWinkel, double sinusWert, const TPruef& summenWinkel,
                            double summenWert, const TPruef& seite, double seitenWert);
};

} // namespace kalotri
