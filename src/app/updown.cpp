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
    : QWidget(parent), m_hoch(NeuerPfeil(this, Qt::UpArrow)),
      m_runter(NeuerPfeil(this, Qt::DownArrow)) {
    setFocusPolicy(Qt::NoFocus);
    // With auto-repeat, pressed() is emitted once on the press and again on every repeat,
    // clicked() only on release; stepping on pressed() is what the platform control does.
    connect(m_hoch, &QToolButton::pressed, this, [this] { stepBy(1); });
    connect(m_runter, &QToolButton::pressed, this, [this] { stepBy(-1); });
}

void TUpDown::setBuddy(QLineEdit* buddy) {
    if (m_buddy != nullptr) {
        m_buddy->removeEventFilter(this);
    }
    m_buddy = buddy;
    if (m_buddy != nullptr) {
        m_buddy->installEventFilter(this);
    }
}

void TUpDown::setRange(int minimum, int maximum) {
    m_minimum = minimum;
    m_maximum = std::max(minimum, maximum);
    m_position = std::clamp(m_position, m_minimum, m_maximum);
}

void TUpDown::setPosition(int position) {
    m_position = std::clamp(position, m_minimum, m_maximum);
}

void TUpDown::uebernimmBuddyText() {
    if (m_buddy == nullptr) {
        return;
    }
    // Read the count the way the box itself reads it, so "$A" and "10" mean the same here.
    const std::optional<std::int32_t> zahl = kalotri::LiesGanzzahl(m_buddy->text().toStdString());
    if (zahl && *zahl >= m_minimum && *zahl <= m_maximum) {
        m_position = *zahl;
    }
}

void TUpDown::stepBy(int schritte) {
    uebernimmBuddyText();
    const long long ziel = static_cast<long long>(m_position) + schritte;
    const int neu =
        static_cast<int>(std::clamp<long long>(ziel, static_cast<long long>(m_minimum), m_maximum));
    if (neu == m_position) {
        return;
    }
    m_position = neu;
    if (m_buddy != nullptr) {
        m_buddy->setText(QString::number(m_position));
    }
    emit positionChanged(m_position);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_buddy && event->type() == QEvent::KeyPress) {
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
    m_hoch->setGeometry(0, 0, width(), oben);
    m_runter->setGeometry(0, oben, width(), height() - oben);
}
