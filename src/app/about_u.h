#pragma once

#include <QDialog>

// The Info dialog: name, icon and version of the program.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

extern TAboutBox* AboutBox;
