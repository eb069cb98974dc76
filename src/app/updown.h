// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

// An up-down button attached to a line edit, like the platform spin control the count box
// was designed around. A QSpinBox would refuse texts such as "12" or "" that the box must be
// able to hold; here the box stays a free-text field and the button only writes into it.
//
// The button keeps a position of its own. Before each step it adopts the box's count if that
// is a valid whole number within the range; otherwise (a typed "12", a letter, an empty box)
// it steps from the position it last had. Steps stop at either end without wrapping, and a
// step that cannot move leaves the box untouched.
class TUpDown : public QWidget {
    Q_OBJECT
  public:
    explicit TUpDown(QWidget* parent = nullptr);

    // Up and down arrow keys in the box step the button as well.
    void setBuddy(QLineEdit* buddy);
    void setRange(int minimum, int maximum);
    int position() const { return m_position; }
    void setPosition(int position);

    QToolButton* upButton() const { return m_hoch; }
    QToolButton* downButton() const { return m_runter; }

  public slots:
    void stepBy(int schritte);

  signals:
    // Only for steps; the box's own textChanged is what the dialog listens to.
    void positionChanged(int position);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void uebernimmBuddyText();

    QLineEdit* m_buddy = nullptr;
    QToolButton* m_hoch;
    QToolButton* m_runter;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_position = 0;
};
