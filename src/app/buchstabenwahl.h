// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

// A letter chooser of the input area (cbA … cbGamma): a combo box whose class of its own
// lets screen readers be told its name instead of its current letter (see zugang.h).
class TBuchstabenwahl : public QComboBox {
    Q_OBJECT
  public:
    using QComboBox::QComboBox;
};
