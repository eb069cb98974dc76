// SPDX-License-Identifier: GPL-3.0-or-later
#include "zugang.h"

#include "buchstabenwahl.h"
#include "script_u.h"
#include "scriptsink.h"
#include "symbol.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace {

class BuchstabenwahlZugang : public QAccessibleWidget {
  public:
    explicit BuchstabenwahlZugang(TBuchstabenwahl* wahl)
        : QAccessibleWidget(wahl, QAccessible::ComboBox) {}

    TBuchstabenwahl* Wahl() const { return static_cast<TBuchstabenwahl*>(widget()); }

    QString text(QAccessible::Text art) const override {
        if (art == QAccessible::Value) {
            return Wahl()->currentText();
        }
        return QAccessibleWidget::text(art);
    }

    // The list that drops down, then the box the letter is typed into.
    int childCount() const override { return 2; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0) {
            return QAccessible::queryAccessibleInterface(Wahl()->view());
        }
        if (index == 1) {
            return QAccessible::queryAccessibleInterface(Wahl()->lineEdit());
        }
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        if (kind->object() == Wahl()->view()) {
            return 0;
        }
        return kind->object() == Wahl()->lineEdit() ? 1 : -1;
    }
    QAccessibleInterface* focusChild() const override { return child(1); }

    QAccessible::State state() const override {
        QAccessible::State zustand = QAccessibleWidget::state();
        zustand.editable = true;
        zustand.expandable = true;
        zustand.expanded = Wahl()->view()->isVisible();
        return zustand;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& aktion) override {
        if (aktion == showMenuAction() || aktion == pressAction()) {
            Wahl()->showPopup();
        }
    }
};

class ScriptZugang : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ScriptZugang(TScript* script) : QAccessibleWidget(script, QAccessible::EditableText) {}

    TScript* Script() const { return static_cast<TScript*>(widget()); }

    void* interface_cast(QAccessible::InterfaceType art) override {
        if (art == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(art);
    }

    QString text(QAccessible::Text art) const override {
        if (art == QAccessible::Value) {
            return Angezeigt();
        }
        return QAccessibleWidget::text(art);
    }

    QAccessible::State state() const override {
        QAccessible::State zustand = QAccessibleWidget::state();
        zustand.multiLine = true;
        zustand.editable = !Script()->isReadOnly();
        zustand.selectableText = true;
        return zustand;
    }

    // QAccessibleTextInterface. Positions are those of the document: every Symbol letter
    // stands for one Greek letter, and a line break counts one.
    void selection(int index, int* anfang, int* ende) const override {
        *anfang = *ende = 0;
        const QTextCursor cursor = Script()->textCursor();
        if (index == 0 && cursor.hasSelection()) {
            *anfang = cursor.selectionStart();
            *ende = cursor.selectionEnd();
        }
    }
    int selectionCount() const override { return Script()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int anfang, int ende) override { setSelection(0, anfang, ende); }
    void removeSelection(int /*index*/) override {
        QTextCursor cursor = Script()->textCursor();
        cursor.clearSelection();
        Script()->setTextCursor(cursor);
    }
    void setSelection(int /*index*/, int anfang, int ende) override {
        QTextCursor cursor = Script()->textCursor();
        cursor.setPosition(Begrenzt(anfang));
        cursor.setPosition(Begrenzt(ende), QTextCursor::KeepAnchor);
        Script()->setTextCursor(cursor);
    }
    int cursorPosition() const override { return Script()->textCursor().position(); }
    void setCursorPosition(int position) override { setSelection(0, position, position); }
    QString text(int anfang, int ende) const override {
        return Angezeigt().mid(anfang, ende - anfang);
    }
    int characterCount() const override { return Script()->document()->characterCount() - 1; }
    QRect characterRect(int position) const override {
        QTextCursor cursor = Script()->textCursor();
        cursor.setPosition(Begrenzt(position));
        const QRect feld = Script()->cursorRect(cursor);
        return QRect(Script()->viewport()->mapToGlobal(feld.topLeft()), feld.size());
    }
    int offsetAtPoint(const QPoint& punkt) const override {
        return Script()->cursorForPosition(Script()->viewport()->mapFromGlobal(punkt)).position();
    }
    void scrollToSubstring(int anfang, int ende) override {
        setSelection(0, anfang, ende);
        Script()->ensureCursorVisible();
    }
    QString attributes(int position, int* anfang, int* ende) const override {
        *anfang = *ende = position;
        return {};
    }

  private:
    int Begrenzt(int position) const { return std::clamp(position, 0, characterCount()); }

    // The text as the screen shows it, position for position.
    QString Angezeigt() const {
        QString text;
        const QTextDocument& dokument = *Script()->document();
        for (QTextBlock block = dokument.begin(); block.isValid(); block = block.next()) {
            if (block != dokument.begin()) {
                text += QLatin1Char('\n');
            }
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment teil = it.fragment();
                const QString roh = teil.text();
                const QStringList familien = teil.charFormat().fontFamilies().toStringList();
                if (familien.value(0) == QLatin1String(kalotri::SchriftSymbol)) {
                    const QString griechisch =
                        QString::fromStdString(kalotri::SymbolZuUnicode(roh.toStdString()));
                    text += griechisch.size() == roh.size() ? griechisch : roh;
                } else {
                    text += roh;
                }
            }
        }
        return text;
    }
};

QAccessibleInterface* Fabrik(const QString& klasse, QObject* objekt) {
    if (klasse == QLatin1String("TBuchstabenwahl")) {
        return new BuchstabenwahlZugang(static_cast<TBuchstabenwahl*>(objekt));
    }
    if (klasse == QLatin1String("TScript")) {
        return new ScriptZugang(static_cast<TScript*>(objekt));
    }
    return nullptr;
}

} // namespace

void ZugangEinrichten() {
    // Qt asks the factories for the most derived class first, so the program's own classes
    // reach this one before Qt's for QComboBox and QTextEdit answers.
    QAccessible::installFactory(Fabrik);
}
