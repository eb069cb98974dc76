#pragma once

#include <QDialog>

// The options dialog: the number of decimal places of the results.
class TOptionenDlg : public QDialog {
    Q_OBJECT
public:
    explicit TOptionenDlg(QWidget* parent = nullptr);
};

extern TOptionenDlg* OptionenDlg;
