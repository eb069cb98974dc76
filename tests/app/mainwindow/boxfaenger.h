// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Helpers for the main window's GUI tests: answering the program's modal message
// boxes and catching modal dialogs that nobody closes.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <vector>

struct GeseheneBox {
    QString titel;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList knoepfe;
    Qt::TextFormat format = Qt::AutoText;
    QWidget* eltern = nullptr;
};

// Runs the action and presses "OK" in every message box it opens; returns what they
// showed, in order.
inline std::vector<GeseheneBox> BeantworteBoxen(const std::function<void()>& aktion) {
    std::vector<GeseheneBox> boxen;
    QTimer abfrage;
    abfrage.setInterval(10);
    QObject::connect(&abfrage, &QTimer::timeout, [&boxen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) {
            return;
        }
        GeseheneBox gesehen{box->windowTitle(), box->text(),        box->icon(), {},
                            box->textFormat(),  box->parentWidget()};
        for (QAbstractButton* knopf : box->buttons()) {
            gesehen.knoepfe << knopf->text();
        }
        boxen.push_back(gesehen);
        box->button(QMessageBox::Ok) ? box->button(QMessageBox::Ok)->click() : box->reject();
    });
    abfrage.start();
    aktion();
    return boxen;
}

// Fails a test whose code leaves a modal window open: closes it after a while so the
// test run goes on, and remembers that it had to.
class ModalWaechter : public QObject {
  public:
    explicit ModalWaechter(int grenzeMs = 5000) : grenzeMs_(grenzeMs) {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal) {
                offenSeit_.invalidate();
                return;
            }
            if (!offenSeit_.isValid()) {
                offenSeit_.start();
            } else if (offenSeit_.elapsed() > grenzeMs_) {
                haengend_ << modal->windowTitle() + QStringLiteral(": ") +
                                 modal->metaObject()->className();
                modal->close();
                offenSeit_.invalidate();
            }
        });
        timer_.start(100);
    }
    // Titles of the modal windows it had to close since the last call.
    QStringList Haengende() { return std::exchange(haengend_, {}); }

  private:
    QTimer timer_;
    QElapsedTimer offenSeit_;
    QStringList haengend_;
    int grenzeMs_;
};
