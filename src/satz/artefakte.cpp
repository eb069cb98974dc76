// SPDX-License-Identifier: GPL-3.0-or-later
#include "barrierefrei.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace kalotri::blatt {

namespace {

bool Leer(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool Trenner(char c) {
    return Leer(c) || std::strchr("()<>[]{}/%", c) != nullptr;
}

// The content of a page read token by token, as a PDF reader reads it. A hand-made reader
// because a page of worked steps has tens of thousands of tokens, and qpdf's tokenizer
// spent more on them than cairo on the page.
class Leser {
  public:
    explicit Leser(const std::string& text) : t_(text) {}

    // The next token's bytes as they stand, empty at the end; `wort` says whether it is
    // an operator.
    std::string_view Naechstes(bool& wort) {
        wort = false;
        for (;;) {
            while (i_ < t_.size() && Leer(t_[i_])) {
                ++i_;
            }
            if (i_ < t_.size() && t_[i_] == '%') { // a comment, to the line's end
                while (i_ < t_.size() && t_[i_] != '\n' && t_[i_] != '\r') {
                    ++i_;
                }
                continue;
            }
            break;
        }
        const std::size_t anfang = i_;
        if (i_ >= t_.size()) {
            return {};
        }
        const char c = t_[i_++];
        if (c == '(') {
            for (int tiefe = 1; i_ < t_.size() && tiefe > 0; ++i_) {
                if (t_[i_] == '\\') {
                    ++i_;
                } else {
                    tiefe += t_[i_] == '(' ? 1 : t_[i_] == ')' ? -1 : 0;
                }
            }
        } else if ((c == '<' || c == '>') && i_ < t_.size() && t_[i_] == c) {
            ++i_;
        } else if (c == '<') {
            while (i_ < t_.size() && t_[i_++] != '>') {
            }
        } else if (c == '/' || !Trenner(c)) {
            while (i_ < t_.size() && !Trenner(t_[i_])) {
                ++i_;
            }
            const std::string_view w(t_.data() + anfang, i_ - anfang);
            wort = c != '/' && std::strchr("+-.0123456789", c) == nullptr && w != "true" &&
                   w != "false" && w != "null";
        }
        i_ = std::min(i_, t_.size());
        return {t_.data() + anfang, i_ - anfang};
    }

    // An inline image's bytes after ID and its one white-space character, up to the EI
    // that stands alone.
    std::string_view Bild() {
        const std::size_t anfang = std::min(i_ + 1, t_.size());
        std::size_t e = anfang;
        for (; e + 1 < t_.size(); ++e) {
            if (t_[e] == 'E' && t_[e + 1] == 'I' && e > anfang && Leer(t_[e - 1]) &&
                (e + 2 == t_.size() || Trenner(t_[e + 2]))) {
                break;
            }
        }
        e = e + 1 < t_.size() ? e : t_.size();
        i_ = e;
        return {t_.data() + anfang, e - anfang};
    }

  private:
    const std::string& t_;
    std::size_t i_ = 0;
};

// The operators that put something on the page, or begin to.
bool Malt(std::string_view op) {
    return op == "BT" || op == "m" || op == "re" || op == "Do" || op == "sh" || op == "BI" ||
           op == "Tj" || op == "TJ" || op == "'" || op == "\"";
}

} // namespace

std::string Artefakte(const std::string& inhalt) {
    Leser leser(inhalt);
    std::string aus, operanden;
    aus.reserve(inhalt.size() + inhalt.size() / 8);
    int tiefe = 0;       // of the marked sequences the PDF has
    bool offen = false;  // an artifact of ours is open
    bool imText = false; // between BT and ET, where no sequence may end
    const auto schliesse = [&] {
        if (offen && !imText) {
            aus += "EMC\n";
            offen = false;
        }
    };
    for (;;) {
        bool wort = false;
        const std::string_view t = leser.Naechstes(wort);
        if (t.empty()) {
            break;
        }
        if (!wort) {
            operanden.append(t).push_back(' ');
            continue;
        }
        const std::string_view op = t;
        if (op == "BDC" || op == "BMC") {
            schliesse();
            ++tiefe;
        } else if (op == "EMC") {
            --tiefe;
        } else if (op == "q" || op == "Q") {
            schliesse();
        } else if (tiefe == 0 && !offen && Malt(op)) {
            aus += "/Artifact BMC\n";
            offen = true;
        }
        imText = op == "BT" || (imText && op != "ET");
        aus.append(operanden).append(op).push_back('\n');
        operanden.clear();
        if (op == "ID") {
            aus.append(leser.Bild());
        }
    }
    schliesse();
    return aus + operanden;
}

} // namespace kalotri::blatt
