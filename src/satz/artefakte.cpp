// SPDX-License-Identifier: GPL-3.0-or-later
#include "barrierefrei.h"

#include <qpdf/BufferInputSource.hh>
#include <qpdf/QPDFTokenizer.hh>

#include <memory>
#include <set>

namespace kalotri::blatt {

namespace {

// The operators that put something on the page, or begin to.
bool Malt(const std::string& op) {
    static const std::set<std::string> malend = {"BT", "m",  "re", "Do", "sh",
                                                 "BI", "Tj", "TJ", "'",  "\""};
    return malend.count(op) > 0;
}

} // namespace

std::string Artefakte(const std::string& inhalt) {
    auto quelle = std::make_shared<BufferInputSource>("Seiteninhalt", inhalt);
    QPDFTokenizer leser;
    leser.allowEOF();
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
        const QPDFTokenizer::Token t = leser.readToken(quelle, "Seiteninhalt", true);
        if (t.getType() == QPDFTokenizer::tt_eof) {
            break;
        }
        if (t.getType() != QPDFTokenizer::tt_word) {
            operanden += t.getRawValue() + " ";
            continue;
        }
        const std::string& op = t.getValue();
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
        aus += operanden + op + "\n";
        operanden.clear();
        if (op == "ID") {
            char trenner = 0; // the one white-space character before the image's bytes
            quelle->read(&trenner, 1);
            leser.expectInlineImage(quelle);
            aus += leser.readToken(quelle, "Seiteninhalt", true).getRawValue();
        }
    }
    schliesse();
    return aus + operanden;
}

} // namespace kalotri::blatt
