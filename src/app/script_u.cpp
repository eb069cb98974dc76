// SPDX-License-Identifier: GPL-3.0-or-later
#include "script_u.h"

#include "fehler.h"
#include "meldungen.h"
#include "symbol.h"

#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <memory>
#include <vector>

namespace {

bool IstSymbol(const QTextCharFormat& format) {
    const QStringList familien = format.fontFamilies().toStringList();
    return !familien.isEmpty() && familien.first() == QLatin1String(kalotri::SchriftSymbol);
}

// Replaces every run in the face "Symbol" by the Greek letters it shows, in a face
// that any receiving program has. Otherwise a paste would turn alpha into the side a.
void SymbolInUnicode(QTextDocument& dokument) {
    struct Lauf {
        int anfang;
        int laenge;
        QTextCharFormat format;
        QString text;
    };
    std::vector<Lauf> laeufe;
    for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid() && IstSymbol(fragment.charFormat())) {
                laeufe.push_back({fragment.position(), fragment.length(), fragment.charFormat(),
                                  fragment.text()});
            }
        }
    }
    // Back to front, so that earlier positions stay valid.
    for (auto it = laeufe.rbegin(); it != laeufe.rend(); ++it) {
        QTextCursor cursor(&dokument);
        cursor.setPosition(it->anfang);
        cursor.setPosition(it->anfang + it->laenge, QTextCursor::KeepAnchor);
        QTextCharFormat format = it->format;
        format.setFontFamilies(QStringList{QString::fromUtf8(kalotri::SchriftArial)});
        const std::string griechisch = kalotri::SymbolZuUnicode(it->text.toStdString());
        cursor.insertText(QString::fromStdString(griechisch), format);
    }
}

} // namespace

TScript::TScript(QWidget* parent)
    : QTextEdit(parent), schrift_(QString::fromUtf8(kalotri::SchriftStandard)) {
    setObjectName(QStringLiteral("RichEdit1"));
    setAcceptRichText(true);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(true);
    setBackgroundRole(QPalette::Base);
}

int TScript::Laenge() const {
    // characterCount() includes the paragraph separator at the very end of a document.
    return document()->characterCount() - 1;
}

void TScript::ZeileAnfuegen(const std::string& zeile) {
    const QString text = QString::fromStdString(zeile);
    // Text the user typed after the last line break stays a line of its own.
    const bool angefangen = !document()->lastBlock().text().isEmpty();
    if (Laenge() + (angefangen ? 1 : 0) + text.size() + 1 > ScriptKapazitaet) {
        throw kalotri::KalotriFehler(FehlerRichEdit);
    }
    if (aenderungsTiefe_ > 0 && aenderung_.isNull()) {
        // Until the edit ends the document neither lays itself out nor tells the view.
        aenderung_ = QTextCursor(document());
        aenderung_.beginEditBlock();
    }
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    // A complete format of its own, so nothing the user typed or selected leaks into it;
    // the size and colour come from the box's font.
    QTextCharFormat format;
    format.setFontFamilies(QStringList{schrift_});
    if (angefangen) {
        cursor.insertBlock(QTextBlockFormat(), format);
    }
    cursor.insertText(text, format);
    cursor.insertBlock(QTextBlockFormat(), format);
    if (aenderung_.isNull()) {
        ZumEnde();
    }
}

void TScript::AenderungBeenden() {
    if (--aenderungsTiefe_ > 0 || aenderung_.isNull()) {
        return;
    }
    aenderung_.endEditBlock();
    aenderung_ = QTextCursor();
    ZumEnde();
}

void TScript::ZumEnde() {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void TScript::SchriftSetzen(const std::string& schrift) {
    schrift_ = QString::fromStdString(schrift);
}

void TScript::Leeren() {
    clear();
    schrift_ = QString::fromUtf8(kalotri::SchriftStandard);
}

void TScript::Kopieren() {
    selectAll();
    copy();
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::Start);
    setTextCursor(cursor);
    // ensureCursorVisible() would stop short of the document margin above the first line.
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

void TScript::insertFromMimeData(const QMimeData* quelle) {
    const QTextCursor cursor = textCursor();
    const int platz =
        ScriptKapazitaet - Laenge() + (cursor.selectionEnd() - cursor.selectionStart());
    if (quelle == nullptr || platz <= 0) {
        return;
    }
    // Laying out megabytes of text took minutes and a gigabyte, only for the next
    // calculation to find the Script full: the text is cut before it reaches the document.
    // Markup is parsed only while it can hold no more than fits (each character takes at
    // least one byte of it); a larger one goes in as its plain text.
    QTextDocumentFragment stueck;
    if (acceptRichText() && quelle->hasHtml() && quelle->html().size() <= 16 * ScriptKapazitaet) {
        stueck = QTextDocumentFragment::fromHtml(quelle->html(), document());
    } else if (quelle->hasText()) {
        const QString text = quelle->text();
        // Never half a character of two UTF-16 units.
        const bool halb = platz < text.size() && text.at(platz - 1).isHighSurrogate();
        stueck = QTextDocumentFragment::fromPlainText(text.left(platz - (halb ? 1 : 0)));
    } else if (quelle->hasHtml()) {
        stueck =
            QTextDocumentFragment::fromHtml(quelle->html().left(16 * ScriptKapazitaet), document());
    } else {
        QTextEdit::insertFromMimeData(quelle);
        return;
    }
    if (stueck.toPlainText().size() > platz) {
        QTextDocument gekuerzt;
        QTextCursor schneide(&gekuerzt);
        schneide.insertFragment(stueck);
        schneide.setPosition(platz);
        schneide.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        schneide.removeSelectedText();
        stueck = QTextDocumentFragment(&gekuerzt);
    }
    QTextCursor einfuegen = textCursor();
    einfuegen.insertFragment(stueck);
    setTextCursor(einfuegen);
    ensureCursorVisible();
}

QMimeData* TScript::createMimeDataFromSelection() const {
    const QTextDocumentFragment auswahl = textCursor().selection();
    auto dokument = std::make_unique<QTextDocument>();
    dokument->setDefaultFont(font());
    QTextCursor(dokument.get()).insertFragment(auswahl);
    SymbolInUnicode(*dokument);

    auto* daten = new QMimeData;
    daten->setHtml(dokument->toHtml());
    daten->setText(dokument->toPlainText());
    return daten;
}
