// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What the print server says about a job of the program. Qt hands the job to CUPS
// without looking at the answer, so a print the queue refuses, to a printer deleted
// since it was chosen, or to a server that has stopped would be lost without a word.
// Both functions throw KalotriFehler with a text naming the printer and the reason.

// Before printing: the queue exists, accepts jobs and its server answers. A paused
// queue is fine; it holds the job until it is resumed.
void PruefeDruckziel(const QString& drucker);

// Right after the job was handed over (QPainter::end): the server took it.
void PruefeUebergabe(const QString& drucker);
