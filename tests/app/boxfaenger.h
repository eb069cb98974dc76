// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one guard of all GUI tests against the program's modal windows: it answers every
// message box at once with "OK" and remembers what it showed, and it closes any other modal
// window that stays open too long. A test takes the boxes it expects; whatever nobody took is
// a stray that the test's cleanup reports instead of hanging on it.

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>

#include <functional>
#include <utility>
#include <vector>

struct GeseheneBox {
    QString titel;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList knoepfe;
    Qt::TextFormat format = Qt::AutoText;
    QWidget* eltern = nullptr;
    int breite = 0;
};

class ModalWaechter : public QObject {
  public:
    // Other modal windows (a dialog the test drives itself) may stay open for grenzeMs.
    explicit ModalWaechter(int grenzeMs = 5000) : grenzeMs_(grenzeMs) {
        aktiver() = this;
        connect(&timer_, &QTimer::timeout, this, &ModalWaechter::pruefe);
        timer_.start(5);
    }
    ~ModalWaechter() override {
        if (aktiver() == this) {
            aktiver() = nullptr;
        }
    }
    ModalWaechter(const ModalWaechter&) = delete;
    ModalWaechter& operator=(const ModalWaechter&) = delete;

    // The guard of the running test, if it has one.
    static ModalWaechter*& aktiver() {
        static ModalWaechter* waechter = nullptr;
        return waechter;
    }

    std::size_t anzahl() const { return boxen_.size(); }

    // Takes the boxes answered since the first `ab` ones, in order.
    std::vector<GeseheneBox> nimmBoxen(std::size_t ab = 0) {
        std::vector<GeseheneBox> genommen(boxen_.begin() + static_cast<std::ptrdiff_t>(ab),
                                          boxen_.end());
        boxen_.resize(ab);
        return genommen;
    }

    // Takes the texts of all boxes answered so far. A box that would read its text as markup
    // is marked, and so is one that is not the general error display (caption, icon).
    QStringList nimm() {
        QStringList texte;
        for (const GeseheneBox& box : nimmBoxen()) {
            QString art = box.format == Qt::PlainText ? QString() : QStringLiteral("RICH:");
            if (box.titel != QStringLiteral("Kalotri") || box.icon != QMessageBox::Critical) {
                art += QStringLiteral("%1/%2:").arg(box.titel).arg(int(box.icon));
            }
            texte << art + box.text;
        }
        return texte;
    }

    // What nobody took: the boxes' texts and the modal windows it had to close.
    QStringList Haengende() {
        QStringList uebrig;
        for (const GeseheneBox& box : nimmBoxen()) {
            uebrig << QStringLiteral("box: ") + box.text;
        }
        uebrig << std::exchange(haengend_, {});
        return uebrig;
    }

  private:
    void pruefe() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            offenSeit_.invalidate();
            return;
        }
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            if (box->isVisible()) {
                beantworte(box);
            }
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
    }

    void beantworte(QMessageBox* box) {
        GeseheneBox gesehen{box->windowTitle(), box->text(),         box->icon(), {},
                            box->textFormat(),  box->parentWidget(), box->width()};
        for (QAbstractButton* knopf : box->buttons()) {
            gesehen.knoepfe << knopf->text();
        }
        boxen_.push_back(gesehen);
        if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
            ok->click();
        } else {
            box->reject();
        }
    }

    QTimer timer_;
    QElapsedTimer offenSeit_;
    std::vector<GeseheneBox> boxen_;
    QStringList haengend_;
    int grenzeMs_;
};

// Runs the action; returns the message boxes it opened, in order, each answered with "OK".
inline std::vector<GeseheneBox> BeantworteBoxen(const std::function<void()>& aktion) {
    ModalWaechter* waechter = ModalWaechter::aktiver();
    std::unique_ptr<ModalWaechter> eigener;
    if (waechter == nullptr) {
        eigener = std::make_unique<ModalWaechter>();
        waechter = eigener.get();
    }
    const std::size_t vorher = waechter->anzahl();
    aktion();
    return waechter->nimmBoxen(vorher);
}
