// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What screen readers are told about the main window, where Qt's own accessible interfaces
// say something else than the screen shows:
// - a letter chooser is announced by its accessible name ("Buchstabe für Seite a"), its
//   letter is its value; Qt on Linux gives a combo box's current item as its name;
// - the Script's text has the Greek letters it shows where its lines are in the face
//   "Symbol", which holds them as Latin letters.
// Installs the interfaces for the program's run; later calls do nothing.
void ZugangEinrichten();
