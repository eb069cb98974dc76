// SPDX-License-Identifier: GPL-3.0-or-later
#include "druckziel.h"

#include "fehler.h"

#include <QLibrary>

#include <cups/cups.h>

#include <cstring>
#include <optional>
#include <type_traits>

namespace {

// libcups, loaded on the first print like Qt's own print plugin loads it: linked to the
// program it would bring about twenty libraries into every start.
struct Cups {
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsGetOption) getOption = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsLastError) lastError = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
    decltype(&cupsServer) server = nullptr;
    decltype(&cupsEncryption) encryption = nullptr;
    decltype(&ippPort) port = nullptr;
    decltype(&httpConnect2) connect = nullptr;
    decltype(&httpClose) close = nullptr;
};

// Null when the system has no libcups; then no job can go to a print server either.
const Cups* CupsLaden() {
    static const std::optional<Cups> cups = []() -> std::optional<Cups> {
        QLibrary bibliothek(QStringLiteral("cups"), 2);
        Cups c;
        auto holen = [&bibliothek](auto& funktion, const char* name) {
            funktion = reinterpret_cast<std::remove_reference_t<decltype(funktion)>>(
                bibliothek.resolve(name));
            return funktion != nullptr;
        };
        const bool alle =
            holen(c.getNamedDest, "cupsGetNamedDest") && holen(c.getOption, "cupsGetOption") &&
            holen(c.freeDests, "cupsFreeDests") && holen(c.lastError, "cupsLastError") &&
            holen(c.lastErrorString, "cupsLastErrorString") && holen(c.server, "cupsServer") &&
            holen(c.encryption, "cupsEncryption") && holen(c.port, "ippPort") &&
            holen(c.connect, "httpConnect2") && holen(c.close, "httpClose");
        return alle ? std::optional<Cups>(c) : std::nullopt;
    }();
    return cups ? &*cups : nullptr;
}

[[noreturn]] void Melde(const QString& drucker, const QString& grund) {
    const QString text = QStringLiteral("Drucken auf „%1“ nicht möglich: %2").arg(drucker, grund);
    throw kalotri::KalotriFehler(text.toStdString());
}

// The reason of the last failed CUPS request on this thread, in the program's language
// where it is one the user can act on.
QString LetzterGrund(const Cups& cups) {
    switch (cups.lastError()) {
    case IPP_STATUS_ERROR_NOT_FOUND:
        return QStringLiteral("Drucker nicht gefunden");
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return QStringLiteral("Der Drucker nimmt keine Aufträge an");
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        return QStringLiteral("Der Druckdienst antwortet nicht");
    default:
        return QString::fromUtf8(cups.lastErrorString());
    }
}

bool ServerAntwortet(const Cups& cups) {
    http_t* verbindung = cups.connect(cups.server(), cups.port(), nullptr, AF_UNSPEC,
                                      cups.encryption(), 1, 5000, nullptr);
    cups.close(verbindung);
    return verbindung != nullptr;
}

} // namespace

void PruefeDruckziel(const QString& drucker) {
    const Cups* cups = CupsLaden();
    if (cups == nullptr) {
        return;
    }
    const QByteArray name = drucker.toLocal8Bit();
    cups_dest_t* ziel = cups->getNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (ziel == nullptr) {
        // Without an answer from the server the lookup fails like one for an unknown name.
        Melde(drucker, ServerAntwortet(*cups) ? QStringLiteral("Drucker nicht gefunden")
                                              : QStringLiteral("Der Druckdienst antwortet nicht"));
    }
    const char* annehmend =
        cups->getOption("printer-is-accepting-jobs", ziel->num_options, ziel->options);
    const bool lehntAb = annehmend != nullptr && std::strcmp(annehmend, "false") == 0;
    cups->freeDests(1, ziel);
    if (lehntAb) {
        Melde(drucker, QStringLiteral("Der Drucker nimmt keine Aufträge an"));
    }
}

void PruefeUebergabe(const QString& drucker) {
    const Cups* cups = CupsLaden();
    // Qt's print engine sends the job from this thread, so the last request is its own.
    if (cups != nullptr && cups->lastError() > IPP_STATUS_OK_EVENTS_COMPLETE) {
        Melde(drucker, LetzterGrund(*cups));
    }
}
