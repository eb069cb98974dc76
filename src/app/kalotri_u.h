#pragma once

#include <QMainWindow>

// The main window: input area with the sketch, the Script, the menu.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
};

extern TForm1* Form1;
