// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A CUPS scheduler of the test's own, on a socket in a temporary folder: its queues can
// refuse jobs, be deleted or lose their server without touching the machine's printing.
// Its queues are raw and print to /dev/null. The process talks to it alone once Starten
// has set CUPS_SERVER, which must happen before the first print of the process.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

class EigenerDruckserver {
  public:
    // Whether this machine can run one (cupsd needs root for its own User lp).
    static bool Moeglich() {
        return QFile::exists(QStringLiteral("/usr/sbin/cupsd")) && geteuid() == 0;
    }

    EigenerDruckserver() {
        const QString d = ordner_.path();
        for (const char* unter : {"spool", "cache", "state", "log"}) {
            QDir(d).mkpath(QString::fromLatin1(unter));
        }
        QFile::setPermissions(d, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                     QFileDevice::ExeOwner | QFileDevice::ReadOther |
                                     QFileDevice::ExeOther);
        Schreibe(QStringLiteral("cupsd.conf"),
                 QStringLiteral("Listen %1\nLogLevel warn\nWebInterface No\nBrowsing Off\n"
                                "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n")
                     .arg(Socket()));
        Schreibe(QStringLiteral("cups-files.conf"),
                 QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                "StateDir %1/state\nErrorLog %1/log/error_log\n"
                                "AccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                                "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                                "User lp\nGroup lp\nFileDevice Yes\n")
                     .arg(d));
        qputenv("CUPS_SERVER", Socket().toLocal8Bit());
    }
    ~EigenerDruckserver() { Beenden(); }

    QString Socket() const { return ordner_.filePath(QStringLiteral("cups.sock")); }

    // Starts the scheduler unless it runs; false if it does not answer within 10 s.
    bool Starten() {
        if (cupsd_.state() == QProcess::Running) {
            return true;
        }
        cupsd_.start(QStringLiteral("/usr/sbin/cupsd"),
                     {QStringLiteral("-f"), QStringLiteral("-c"), Pfad("cupsd.conf"),
                      QStringLiteral("-s"), Pfad("cups-files.conf")});
        for (int i = 0; i < 100; ++i) {
            if (Befehl(QStringLiteral("lpstat"), {QStringLiteral("-r")})
                    .contains(QStringLiteral("is running"))) {
                return true;
            }
            QThread::msleep(100);
        }
        return false;
    }
    // Stops the scheduler as a shutdown of the machine's printing would.
    void Beenden() {
        if (cupsd_.state() == QProcess::Running) {
            cupsd_.terminate();
            cupsd_.waitForFinished(10000);
        }
    }

    // A raw queue that accepts jobs and prints to /dev/null.
    void NeueWarteschlange(const QString& name) {
        Befehl(QStringLiteral("lpadmin"),
               {QStringLiteral("-p"), name, QStringLiteral("-E"), QStringLiteral("-v"),
                QStringLiteral("file:///dev/null")});
    }

    // Runs a CUPS command line program against this server; returns its output.
    QString Befehl(const QString& programm, const QStringList& argumente) {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(programm, argumente);
        p.waitForFinished(30000);
        return QString::fromLocal8Bit(p.readAll());
    }

  private:
    QString Pfad(const char* name) const { return ordner_.filePath(QString::fromLatin1(name)); }
    void Schreibe(const QString& name, const QString& text) {
        QFile datei(ordner_.filePath(name));
        datei.open(QIODevice::WriteOnly);
        datei.write(text.toUtf8());
    }

    QTemporaryDir ordner_{QDir::tempPath() + QStringLiteral("/kalotri-cups-XXXXXX")};
    QProcess cupsd_;
};
