// SPDX-License-Identifier: GPL-3.0-or-later
#include "symboleingabe.h"

#include "symbol.h"

TSymbolEingabe::TSymbolEingabe(QObject* parent) : QValidator(parent) {
    // The inverse of the face's own table, so both directions always agree.
    for (const char anfang : {'a', 'A'}) {
        for (char c = anfang; c < anfang + 26; ++c) {
            const QString griechisch =
                QString::fromStdString(kalotri::SymbolZuUnicode(std::string(1, c)));
            if (griechisch.size() == 1) {
                lateinisch_.insert(griechisch[0], QLatin1Char(c));
            }
        }
    }
}

QValidator::State TSymbolEingabe::validate(QString& text, int&) const {
    for (QChar& zeichen : text) {
        const auto latein = lateinisch_.constFind(zeichen);
        if (latein != lateinisch_.constEnd()) {
            zeichen = *latein;
        }
    }
    return Acceptable;
}
