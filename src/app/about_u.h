// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui_about_u.h"

#include "dialograhmen.h"

// The Info dialog: name, icon and version of the program. No behaviour of its own; closing
// it only hides it. Its controls come from the form about_u.ui.
class TAboutBox : public TFesterDialog, public Ui::TAboutBox {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent = nullptr);
};
