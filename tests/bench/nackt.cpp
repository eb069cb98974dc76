// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the program's start-up: a bare main window with a menu and a rich-text
// box, built with the same flags, started the same way.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QTextEdit>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow fenster;
    fenster.setWindowTitle(QStringLiteral("nackt"));
    QMenu* datei = fenster.menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->addAction(QStringLiteral("&Beenden"), &fenster, &QMainWindow::close);
    fenster.menuBar()->addMenu(QStringLiteral("&Script"))->addAction(QStringLiteral("&Löschen"));
    fenster.setCentralWidget(new QTextEdit(&fenster));
    fenster.resize(557, 320);
    fenster.show();
    return QApplication::exec();
}
