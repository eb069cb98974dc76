// SPDX-License-Identifier: GPL-3.0-or-later
#include "druckseiten.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <algorithm>

bool DruckeSeiten(const QTextDocument& dokument, QPrinter& drucker) {
    drucker.setFullPage(false);
    // The printer's own minimum margins make the page rectangle its whole printable area.
    // A smaller margin would be refused and leave Qt's default of 10 points in place; the
    // printer dialog may also have set margins of its own.
    const QPageLayout layout = drucker.pageLayout();
    drucker.setPageMargins(layout.minimumMargins(), layout.units());

    // The printable area, in device pixels, with its origin at the painter's origin.
    const QRectF seite = drucker.pageRect(QPrinter::DevicePixel);
    const QSizeF groesse(seite.width(), seite.height());

    // Laid out anew for the printer's resolution, so that the box's point sizes come out
    // at their true size on paper. The text goes in only once page and printer are set:
    // laid out at the printer's resolution but the box's narrow width, one long line
    // without a break opportunity would take minutes.
    QTextDocument kopie;
    kopie.setDefaultFont(dokument.defaultFont());
    kopie.setDefaultTextOption(dokument.defaultTextOption());
    kopie.setDocumentMargin(0);
    kopie.setPageSize(groesse);
    kopie.documentLayout()->setPaintDevice(&drucker);
    QTextCursor(&kopie).insertFragment(QTextDocumentFragment(&dokument));

    QPainter maler;
    if (!maler.begin(&drucker)) {
        return false;
    }
    const int seiten = std::max(1, kopie.pageCount());
    for (int i = 0; i < seiten; ++i) {
        if (i > 0) {
            drucker.newPage();
        }
        maler.save();
        const QRectF ausschnitt(0, i * groesse.height(), groesse.width(), groesse.height());
        maler.translate(0, -ausschnitt.top());
        maler.setClipRect(ausschnitt);
        QAbstractTextDocumentLayout::PaintContext kontext;
        kontext.clip = ausschnitt;
        kontext.palette.setColor(QPalette::Text, Qt::black);
        kopie.documentLayout()->draw(&maler, kontext);
        maler.restore();
    }
    return maler.end();
}
