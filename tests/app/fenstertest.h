// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the main window's GUI tests share: a fresh window for every test, shown and
// active (or only exposed, where a test needs no focus), and the guard against the
// program's modal windows.

#include "boxfaenger.h"
#include "kalotri_u.h"

#include <QAction>
#include <QTest>

#include <memory>

class FensterTest : public QObject {
    Q_OBJECT

  protected:
    std::unique_ptr<TForm1> fenster_;
    ModalWaechter waechter_;

    // Printing waits for CUPS, so its tests give the guard more time.
    explicit FensterTest(int waechterGrenzeMs = 5000) : waechter_(waechterGrenzeMs) {}

    void NeuesFenster(bool aktiv = true) {
        fenster_ = std::make_unique<TForm1>();
        fenster_->show();
        if (aktiv) {
            QVERIFY(QTest::qWaitForWindowActive(fenster_.get()));
        } else {
            QVERIFY(QTest::qWaitForWindowExposed(fenster_.get()));
        }
    }

    // A control of the window by its object name; a missing one ends the test program.
    template <class T> T* Teil(const char* name) {
        T* teil = fenster_->findChild<T*>(QString::fromLatin1(name));
        if (teil == nullptr) {
            qFatal("no child %s", name);
        }
        return teil;
    }

    // Runs a menu command; returns the message boxes it opened.
    std::vector<GeseheneBox> Befehl(const char* name) {
        return BeantworteBoxen([this, name] { Teil<QAction>(name)->trigger(); });
    }

  protected slots:
    void init() { NeuesFenster(); }
    void cleanup() {
        fenster_.reset();
        QCOMPARE(waechter_.Haengende(), QStringList());
    }
};
