// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TUpDown;

// The options dialog: the number of decimal places of the results. Every change of the count
// takes effect at once, so however the dialog is closed the count and RundFormat stay as
// they are; closing only hides it, and it reopens with the count last set.
class TOptionenDlg : public QDialog {
    Q_OBJECT
  public:
    explicit TOptionenDlg(QWidget* parent = nullptr);

    QFrame* Bevel1;
    QLabel* Label1;
    QLineEdit* eD;
    TUpDown* udD;
    QLabel* Label2;
    QPushButton* OKBtn;

    void setVisible(bool visible) override;

  public slots:
    // Rebuilds RundFormat from the text of eD; shows the error for a text that is no count.
    void eDChange();

  private:
    bool m_zeigtFehler = false;
};

extern TOptionenDlg* OptionenDlg;
