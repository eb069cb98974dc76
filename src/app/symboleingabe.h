// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QValidator>

// The angle choosers show Latin letters as Greek ones through the face "Symbol", which has
// no glyph for a Greek letter typed or pasted as Unicode: "α" would show as nothing and
// reach the Script as a letter no face shows as alpha. Such letters are taken as the Latin
// letter the face shows as them ("α" as "a", "φ" as "f", "θ" as "q"); any other text stays
// as it is.
class TSymbolEingabe : public QValidator {
    Q_OBJECT
  public:
    explicit TSymbolEingabe(QObject* parent);

    State validate(QString& text, int& stelle) const override;

  private:
    QHash<QChar, QChar> lateinisch_;
};
