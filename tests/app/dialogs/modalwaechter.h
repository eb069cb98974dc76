// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>
#include <QWidget>

// Closes every modal window that opens while a test runs and remembers the texts of the
// message boxes among them (marked when not the general error display). A test that expects a box
// takes the texts with nimm(); any box left over is a stray one, which the test's cleanup() reports
// instead of hanging on it.
class ModalWaechter {
  public:
    ModalWaechter() {
        m_timer.setInterval(5);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { schliesse(); });
        m_timer.start();
    }

    // A modal window the test drives itself (its own boxes are still closed).
    void erlaube(QWidget* fenster) { m_erlaubt = fenster; }

    QStringList nimm() {
        QStringList texte;
        texte.swap(m_texte);
        return texte;
    }

  private:
    void schliesse() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal == m_erlaubt) {
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            // A box that would read user text as markup is a fault in its own right.
            QString art = box->textFormat() == Qt::PlainText ? QString() : QStringLiteral("RICH:");
            // The count box reports through the general error display and nothing else.
            if (box->windowTitle() != QStringLiteral("Kalotri") ||
                box->icon() != QMessageBox::Critical) {
                art += QStringLiteral("%1/%2:").arg(box->windowTitle()).arg(int(box->icon()));
            }
            m_texte << art + box->text();
            box->done(QMessageBox::Ok);
        } else {
            m_texte << QStringLiteral("<modal %1>").arg(modal->objectName());
            modal->close();
        }
    }

    QWidget* m_erlaubt = nullptr;
    QTimer m_timer;
    QStringList m_texte;
};
