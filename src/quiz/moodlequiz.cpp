// SPDX-License-Identifier: GPL-3.0-or-later
#include "moodlequiz.h"

#include "moodlexml.h"

#include <variant>

namespace kalotri::blatt {

std::string MoodleQuizAus(const Arbeitsblatt& blatt, const Darstellung& darstellung,
                          const std::string& titel, const std::optional<double>& toleranz,
                          Quizbilanz& bilanz) {
    const bool gruppen = blatt.Gruppen() > 1;
    std::vector<Fragenkategorie> kategorien;
    for (std::size_t g = 0; g < blatt.Gruppen(); ++g) {
        const char buchstabe = static_cast<char>('A' + static_cast<int>(g));
        Fragenkategorie& k = kategorien.emplace_back();
        k.Pfad = {titel.empty() ? std::string("Kalotri") : titel};
        if (gruppen) {
            k.Pfad.push_back(std::string("Gruppe ") + buchstabe);
        }
        int nummer = 0;
        for (const GeloesteAufgabe& aufgabe : blatt.Gruppe(g)) {
            ++nummer;
            const std::string zahl = (nummer < 10 ? "0" : "") + std::to_string(nummer);
            const std::string name =
                (gruppen ? std::string("Gruppe ") + buchstabe + ", " : std::string()) + "Aufgabe " +
                zahl;
            const std::string datei =
                std::string("aufgabe-") +
                (gruppen ? std::string(1, static_cast<char>(buchstabe - 'A' + 'a')) + "-" : "") +
                zahl;
            std::optional<MoodleFrage> frage =
                BaueFrage(aufgabe, darstellung, name, datei, toleranz);
            if (frage) {
                bilanz.MehrStellen += frage->Dezimalen > darstellung.Stellen.Geschrieben() ? 1 : 0;
                k.Fragen.push_back(std::move(*frage));
            } else {
                ++bilanz.Ausgelassen;
            }
        }
    }
    return MoodleQuiz(kategorien);
}

} // namespace kalotri::blatt
