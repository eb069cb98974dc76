// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;

// What the program's dialogs share: the fixed dialog frame of the original layout, centring
// on the screen (message boxes too), and labels that must not cut their text when the
// substituted font is wider than the one the layout was drawn for.

// A dialog in a fixed frame: no resizing, no minimise or maximise button, no context-help
// button; it opens centred on the screen. Its size and font come from its form.
class TFesterDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TFesterDialog(QWidget* parent = nullptr);

    void setVisible(bool visible) override;
};

// Centres a window on the screen it is going to appear on.
void ZentriereAufBildschirm(QWidget* fenster);

// Widens a label that is too narrow for its text evenly to both sides, but never beyond
// [links, rechts] of its parent. A word-wrapping label also grows downwards to its lines.
void MachePlatzFuerText(QLabel* label, int links, int rechts);
