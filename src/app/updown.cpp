// SPDX-License-Identifier: GPL-3.0-or-later
#include "updown.h"

#include "rundformat.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace {

QToolButton* NeuerPfeil(QWidget* parent, Qt::ArrowType pfeil) {
    auto* knopf = new QToolButton(parent);
    knopf->setArrowType(pfeil);
    // Held down, the platform control keeps stepping; the first step comes on the press.
    knopf->setAutoRepeat(true);
    knopf->setAutoRepeatDelay(400);
    knopf->setAutoRepeatInterval(80);
    // Focus stays in the box while clicking, so typing can continue right away.
    knopf->setFocusPolicy(Qt::NoFocus);
    return knopf;
}

} // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), hoch_(NeuerPfeil(this, Qt::UpArrow)),
      runter_(NeuerPfeil(this, Qt::DownArrow)) {
    setFocusPolicy(Qt::NoFocus);
    // With auto-repeat, pressed() is emitted once on the press and again on every repeat,
    // clicked() only on release; stepping on pressed() is what the platform control does.
    connect(hoch_, &QToolButton::pressed, this, [this] { stepBy(1); });
    connect(runter_, &QToolButton::pressed, this, [this] { stepBy(-1); });
}

void TUpDown::setBuddy(QLineEdit* buddy) {
    if (buddy_ != nullptr) {
        buddy_->removeEventFilter(this);
    }
    buddy_ = buddy;
    if (buddy_ != nullptr) {
        buddy_->installEventFilter(this);
    }
}

void TUpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    position_ = std::clamp(position_, minimum_, maximum_);
}

void TUpDown::setPosition(int position) {
    position_ = std::clamp(position, minimum_, maximum_);
}

void TUpDown::uebernimmBuddyText() {
    if (buddy_ == nullptr) {
        return;
    }
    // Read the count the way the box itself reads it, so "$A" and "10" mean the same here.
    const std::optional<std::int32_t> zahl = kalotri::LiesGanzzahl(buddy_->text().toStdString());
    if (zahl && *zahl >= minimum_ && *zahl <= maximum_) {
        position_ = *zahl;
    }
}

void TUpDown::stepBy(int schritte) {
    uebernimmBuddyText();
    const long long ziel = static_cast<long long>(position_) + schritte;
    const int neu =
        static_cast<int>(std::clamp<long long>(ziel, static_cast<long long>(minimum_), maximum_));
    if (neu == position_) {
        return;
    }
    position_ = neu;
    if (buddy_ != nullptr) {
        buddy_->setText(QString::number(position_));
    }
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == buddy_ && event->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(event);
        if (taste->modifiers() == Qt::NoModifier || taste->modifiers() == Qt::KeypadModifier) {
            if (taste->key() == Qt::Key_Up) {
                stepBy(1);
                return true;
            }
            if (taste->key() == Qt::Key_Down) {
                stepBy(-1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // Upper half to the up arrow; an odd height gives the extra pixel to the lower one.
    const int oben = height() / 2;
    hoch_->setGeometry(0, 0, width(), oben);
    runter_->setGeometry(0, oben, width(), height() - oben);
}
