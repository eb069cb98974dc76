// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// Errors only the window can meet: the Script box is full, and printing without a printer.
inline constexpr const char* FehlerRichEdit = "Fehler bei Einfügen von RichEdit-Zeile";
inline constexpr const char* FehlerKeinDrucker = "Zur Zeit ist kein Standard-Drucker gewählt";

// The two kinds of message box of the program, both modal, centred on the screen,
// caption "Kalotri", one "OK" button.

// A message about the user's input: no icon, text exactly as given.
void ZeigeMeldung(const QString& text);

// The general error display: error icon, the error's text plus the display's full stop.
void ZeigeFehler(const QString& text);

// Runs a handler; an error that escapes it ends the handler there and is shown by the
// general error display. The program then goes on with the next event.
void MitFehleranzeige(const std::function<void()>& handler);
