// SPDX-License-Identifier: GPL-3.0-or-later
#include "moodlequiz.h"

#include "moodlexml.h"
#include "sachfrage.h"

#include <variant>

namespace kalotri::blatt {

Fragenname Benenne(std::size_t g, bool gruppen, int nummer) {
    const std::string zahl = (nummer < 10 ? "0" : "") + std::to_string(nummer);
    if (!gruppen) {
        return {"Aufgabe " + zahl, "aufgabe-" + zahl};
    }
    const auto gruppe = static_cast<char>('a' + static_cast<int>(g));
    return {std::string("Gruppe ") + static_cast<char>(gruppe - 'a' + 'A') + ", Aufgabe " + zahl,
            std::string("aufgabe-") + gruppe + "-" + zahl};
}

void SchreibeMoodleQuiz(std::size_t gruppenzahl, const Aufgabenfolge& folge,
                        const Darstellung& darstellung, const std::string& titel,
                        const std::optional<double>& toleranz, Quizbilanz& bilanz,
                        const Quizmelder& melde, const MoodleSchreiber::Ausgabe& aus) {
    const bool gruppen = gruppenzahl > 1;
    MoodleSchreiber quiz(aus);
    for (std::size_t g = 0; g < gruppenzahl; ++g) {
        const char buchstabe = static_cast<char>('A' + static_cast<int>(g));
        std::vector<std::string> pfad = {titel.empty() ? std::string("Kalotri") : titel};
        if (gruppen) {
            pfad.push_back(std::string("Gruppe ") + buchstabe);
        }
        quiz.Kategorie(pfad);
        int nummer = 0;
        folge(g, [&](const GeloesteAufgabe& aufgabe) {
            const auto [name, datei] = Benenne(g, gruppen, ++nummer);
            std::string grund;
            std::optional<MoodleFrage> frage =
                aufgabe.Zeile->Sach
                    ? BaueSachfrage(*aufgabe.Zeile->Sach, aufgabe, darstellung, name, datei,
                                    toleranz)
                    : BaueFrage(aufgabe, darstellung, name, datei, toleranz, &grund);
            if (frage) {
                bilanz.MehrStellen += frage->Dezimalen > darstellung.Stellen.Geschrieben() ? 1 : 0;
                quiz.Frage(*frage);
            } else {
                ++bilanz.Ausgelassen;
                if (!grund.empty()) {
                    melde(*aufgabe.Zeile, grund);
                }
            }
        });
    }
    quiz.Ende();
}

} // namespace kalotri::blatt
