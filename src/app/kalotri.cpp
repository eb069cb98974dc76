#include "about_u.h"
#include "kalotri_u.h"
#include "opt_u.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kalotri"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kalotri"));

    TForm1 form1;
    Form1 = &form1;
    TAboutBox aboutBox(&form1);
    AboutBox = &aboutBox;
    TOptionenDlg optionenDlg(&form1);
    OptionenDlg = &optionenDlg;

    form1.show();
    return QApplication::exec();
}
