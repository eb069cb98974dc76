// SPDX-License-Identifier: GPL-3.0-or-later
#include "blattpdf.h"

#include "auszeichnung.h"
#include "barrierefrei.h"
#include "kairogeraet.h"
#include "setzer.h"
#include "xmlzeichen.h"

#include <QBuffer>

namespace kalotri::blatt {

Vorlauf VermesseBlatt(const Arbeitsblatt& blatt, const Darstellung& darstellung,
                      const Blattkopf& kopf, const Problemmelder& melde) {
    // Measured on a writer like the real one, so that every length comes out the same.
    QBuffer nirgends;
    QPdfWriter pdf(&nirgends);
    Einrichten(pdf, kopf);
    Setzer setzer(&pdf, blatt, darstellung, kopf);
    Seitenfluss fluss(setzer.Mass(), &pdf, nullptr, {});
    Vorlauf v;
    setzer.Lege(fluss, &melde, {}, &v.Loesungen);
    v.Seitenzahlen = fluss.Ende();
    v.Seiten = fluss.Seiten();
    return v;
}

int SchreibeBlatt(QPdfWriter& pdf, const Arbeitsblatt& blatt, const Darstellung& darstellung,
                  const Blattkopf& kopf, const Vorlauf& vorlauf,
                  const std::function<void(int, int)>& fortschritt) {
    Einrichten(pdf, kopf);
    Setzer setzer(&pdf, blatt, darstellung, kopf);
    QPainter p(&pdf);
    Seitenfluss fluss(setzer.Mass(), &pdf, &p, vorlauf.Seitenzahlen);
    fluss.Fortschritt = [&](int seite) { fortschritt(seite, vorlauf.Seiten); };
    setzer.Lege(fluss, nullptr, vorlauf.Loesungen, nullptr);
    fluss.Ende();
    return fluss.Seiten();
}

int SchreibeBlatt(QIODevice& ziel, const Arbeitsblatt& blatt, const Darstellung& darstellung,
                  const Blattkopf& kopf, const Vorlauf& vorlauf,
                  const std::function<void(int, int)>& fortschritt) {
    // One title for the document's information and its XMP: text XML takes, which is
    // valid UTF-8 as cairo wants it.
    const std::string titel = XmlZeichen(kopf.Titel);
    KairoGeraet geraet(titel);
    int seiten = 0;
    {
        Setzer setzer(&geraet, blatt, darstellung, kopf);
        QPainter p(&geraet);
        const Auszeichnung dokument(p, "Document");
        Seitenfluss fluss(
            setzer.Mass(), [&] { geraet.NeueSeite(); }, &p, vorlauf.Seitenzahlen);
        fluss.Fortschritt = [&](int seite) { fortschritt(seite, vorlauf.Seiten); };
        setzer.Lege(fluss, nullptr, vorlauf.Loesungen, nullptr);
        fluss.Ende();
        seiten = fluss.Seiten();
    }
    const std::string pdf = geraet.Schliesse();
    const std::string fertig = Barrierefrei(pdf, {titel, "de-DE", geraet.Beschreibungen()});
    ziel.write(fertig.data(), static_cast<qint64>(fertig.size()));
    return seiten;
}

} // namespace kalotri::blatt
