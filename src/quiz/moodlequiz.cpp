// SPDX-License-Identifier: GPL-3.0-or-later
#include "moodlequiz.h"

#include "moodlexml.h"

#include <variant>

namespace kalotri::blatt {

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
            ++nummer;
            const std::string zahl = (nummer < 10 ? "0" : "") + std::to_string(nummer);
            const std::string name =
                (gruppen ? std::string("Gruppe ") + buchstabe + ", " : std::string()) + "Aufgabe " +
                zahl;
            const std::string datei =
                std::string("aufgabe-") +
                (gruppen ? std::string(1, static_cast<char>(buchstabe - 'A' + 'a')) + "-" : "") +
                zahl;
            std::string grund;
            std::optional<MoodleFrage> frage =
                BaueFrage(aufgabe, darstellung, name, datei, toleranz, &grund);
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
