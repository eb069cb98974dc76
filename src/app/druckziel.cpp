// SPDX-License-Identifier: GPL-3.0-or-later
#include "druckziel.h"

#include "fehler.h"

#include <cups/cups.h>

#include <cstring>

namespace {

[[noreturn]] void Melde(const QString& drucker, const QString& grund) {
    const QString text = QStringLiteral("Drucken auf „%1“ nicht möglich: %2").arg(drucker, grund);
    throw kalotri::KalotriFehler(text.toStdString());
}

// The reason of the last failed CUPS request on this thread, in the program's language
// where it is one the user can act on.
QString LetzterGrund() {
    switch (cupsLastError()) {
    case IPP_STATUS_ERROR_NOT_FOUND:
        return QStringLiteral("Drucker nicht gefunden");
    case IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS:
        return QStringLiteral("Der Drucker nimmt keine Aufträge an");
    case IPP_STATUS_ERROR_SERVICE_UNAVAILABLE:
        return QStringLiteral("Der Druckdienst antwortet nicht");
    default:
        return QString::fromUtf8(cupsLastErrorString());
    }
}

bool ServerAntwortet() {
    http_t* verbindung = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(),
                                      1, 5000, nullptr);
    httpClose(verbindung);
    return verbindung != nullptr;
}

bool Fehlgeschlagen() {
    return cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE;
}

} // namespace

void PruefeDruckziel(const QString& drucker) {
    const QByteArray name = drucker.toLocal8Bit();
    cups_dest_t* ziel = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr);
    if (ziel == nullptr) {
        // Without an answer from the server the lookup fails like one for an unknown name.
        Melde(drucker, ServerAntwortet() ? QStringLiteral("Drucker nicht gefunden")
                                         : QStringLiteral("Der Druckdienst antwortet nicht"));
    }
    const char* annehmend =
        cupsGetOption("printer-is-accepting-jobs", ziel->num_options, ziel->options);
    const bool lehntAb = annehmend != nullptr && std::strcmp(annehmend, "false") == 0;
    cupsFreeDests(1, ziel);
    if (lehntAb) {
        Melde(drucker, QStringLiteral("Der Drucker nimmt keine Aufträge an"));
    }
}

void PruefeUebergabe(const QString& drucker) {
    // Qt's print engine sends the job from this thread, so the last request is its own.
    if (Fehlgeschlagen()) {
        Melde(drucker, LetzterGrund());
    }
}
