#include "opt_u.h"

#include "glob_u.h"

TOptionenDlg* OptionenDlg = nullptr;

TOptionenDlg::TOptionenDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("OptionenDlg"));
    RundFormat = "0.000";
}
