// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPrinter;
class QTextDocument;

// Lays the document out page by page into the whole printable area of the printer and
// paints it as one job, with no margins, header or page numbers. Returns false when the
// job could not be started.
bool DruckeSeiten(const QTextDocument& dokument, QPrinter& drucker);
