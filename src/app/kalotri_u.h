// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "druck_u.h"
#include "rechner.h"

#include <QMainWindow>

#include <array>
#include <string>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QMenu;
class QStatusBar;
class TScript;
class TSkizze;

// The main window: input area with the sketch, the Script, the menu.
class TForm1 : public QMainWindow {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);

    // Menu handlers.
    void Druckereinrichten1Click();
    void Beenden1Click();
    void Rechne2Click();
    void NeueRechnung1Click();
    void Lschen1Click();
    void IndieZwischenablage1Click();
    void Drucken1Click();
    void Optionen1Click();
    void Copyright1Click();

    // The locale's decimal separator as the calculation writes it.
    const std::string& Trennzeichen() const { return trennzeichen_; }
    kalotri::TRechner& Rechner() { return rechner_; }
    TScript& Script() { return *RichEdit1; }
    TDrucker& Drucker() { return drucker_; }

  protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    void createActions();
    QAction* NeueAktion(const char* name, const QString& text, void (TForm1::*handler)());
    void createMenus();
    void FormCreate();
    void TrennzeichenLesen();

    QWidget* client_ = nullptr;
    QFrame* Panel1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    TScript* RichEdit1 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    TSkizze* PaintBox1 = nullptr;
    // In the order a, b, c, alpha, beta, gamma, like kalotri::Feld.
    std::array<QLineEdit*, 6> eingaben_{};
    std::array<QComboBox*, 6> buchstaben_{};
    QStatusBar* StatusBar1 = nullptr;

    QAction* Druckereinrichten1 = nullptr;
    QAction* Beenden1 = nullptr;
    QAction* Rechne2 = nullptr;
    QAction* NeueRechnung1 = nullptr;
    QAction* Lschen1 = nullptr;
    QAction* IndieZwischenablage1 = nullptr;
    QAction* Drucken1 = nullptr;
    QAction* Optionen1 = nullptr;
    QAction* Copyright1 = nullptr;

    kalotri::TRechner rechner_;
    TDrucker drucker_;
    std::string trennzeichen_ = ",";
};

extern TForm1* Form1;
