// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QDialog;
class QLabel;
class QWidget;

// What the program's dialogs share: the fixed dialog frame of the original layout, its
// font, centring on the screen (message boxes too), and labels that must not cut their text when
// the substituted font is wider than the one the layout was drawn for.

// Fixed frame with a client area of the given size: no resizing, no minimise or maximise
// button, no context-help button; the main window's font.
void RichteFestenDialogEin(QDialog* dialog, int breite, int hoehe);

// Centres a window on the screen it is going to appear on.
void ZentriereAufBildschirm(QWidget* fenster);

// Widens a label that is too narrow for its text evenly to both sides, but never beyond
// [links, rechts] of its parent. A word-wrapping label also grows downwards to its lines.
void MachePlatzFuerText(QLabel* label, int links, int rechts);
