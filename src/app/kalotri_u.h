// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "druck_u.h"
#include "rechner.h"
#include "ui_kalotri_u.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <string>

class TAboutBox;
class TOptionenDlg;

// The main window: input area with the sketch, the Script, the menu. Its controls come
// from the form kalotri_u.ui; the class adds what the form cannot hold and the handlers.
// It owns its two dialogs, so every menu command always has something to open.
class TForm1 : public QMainWindow, private Ui::TForm1 {
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
    TScript& Script() { return *RichEdit1; }
    // The printer of the run, made on first use: a printer loads the print system and asks
    // its server, which start-up need not wait for.
    TDrucker& Drucker();
    TOptionenDlg& Optionen() { return *optionen_; }

  protected:
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Builds the form; returns the Script the calculation writes into.
    TScript& Aufbauen();
    void AktionenVerbinden();
    void FormCreate();
    void TrennzeichenLesen();

    // In the order a, b, c, alpha, beta, gamma, like kalotri::Feld.
    std::array<QLineEdit*, 6> eingaben_{};
    std::array<QComboBox*, 6> buchstaben_{};

    kalotri::TRechner rechner_;
    std::unique_ptr<TDrucker> drucker_;
    TOptionenDlg* optionen_ = nullptr;
    // Made on first use: most runs never show it.
    TAboutBox* info_ = nullptr;
    std::string trennzeichen_ = ",";
};
