// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui_opt_u.h"

#include "dialograhmen.h"

// The options dialog: the number of decimal places of the results. Every change of the count
// takes effect at once, so however the dialog is closed the count and RundFormat stay as
// they are; closing only hides it, and it reopens with the count last set. Its controls come
// from the form opt_u.ui.
class TOptionenDlg : public TFesterDialog, public Ui::TOptionenDlg {
    Q_OBJECT
  public:
    explicit TOptionenDlg(QWidget* parent = nullptr);

  public slots:
    // Rebuilds RundFormat from the text of eD; shows the error for a text that is no count.
    void eDChange();

  private:
    bool zeigtFehler_ = false;
};
