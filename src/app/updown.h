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
    int position() const { return position_; }
    void setPosition(int position);

    QToolButton* upButton() const { return hoch_; }
    QToolButton* downButton() const { return runter_; }

  public slots:
    void stepBy(int schritte);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void uebernimmBuddyText();

    QLineEdit* buddy_ = nullptr;
    QToolButton* hoch_;
    QToolButton* runter_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};
