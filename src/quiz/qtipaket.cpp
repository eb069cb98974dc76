// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtipaket.h"

#include "qtifrage.h"
#include "qtiitem.h"

namespace kalotri::blatt {

namespace {

// What the manifest and the test need of an item once it is written.
struct Eintrag {
    std::string Kennung;
    std::vector<std::string> Dateien; // the item's XML first
};

struct Abschnitt {
    std::string Kennung;
    std::string Titel;
    std::vector<Eintrag> Eintraege;
};

std::string TestXml(const std::vector<Abschnitt>& abschnitte, const std::string& titel) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<assessmentTest xmlns=\"http://www.imsglobal.org/xsd/imsqti_v2p1\" "
                      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                      "xsi:schemaLocation=\"http://www.imsglobal.org/xsd/imsqti_v2p1 "
                      "http://www.imsglobal.org/xsd/qti/qtiv2p1/imsqti_v2p1.xsd\" "
                      "identifier=\"kalotri-test\" title=\"" +
                      QtiText(QtiTitel(titel)) + "\">\n";
    xml += "  <outcomeDeclaration identifier=\"SCORE\" cardinality=\"single\" baseType=\"float\">"
           "<defaultValue><value>0</value></defaultValue></outcomeDeclaration>\n";
    // The worked steps come with the first answer: a second attempt would copy them.
    xml += "  <testPart identifier=\"teil\" navigationMode=\"nonlinear\" "
           "submissionMode=\"individual\">\n"
           "    <itemSessionControl maxAttempts=\"1\" showFeedback=\"true\" "
           "showSolution=\"true\"/>\n";
    for (const Abschnitt& a : abschnitte) {
        xml += "    <assessmentSection identifier=\"" + a.Kennung + "\" title=\"" +
               QtiText(a.Titel) + "\" visible=\"true\">\n";
        for (const Eintrag& e : a.Eintraege) {
            xml += "      <assessmentItemRef identifier=\"" + e.Kennung + "\" href=\"" +
                   e.Dateien.front() + "\"/>\n";
        }
        xml += "    </assessmentSection>\n";
    }
    xml += "  </testPart>\n";
    xml += "  <outcomeProcessing><setOutcomeValue identifier=\"SCORE\"><sum><testVariables "
           "variableIdentifier=\"SCORE\"/></sum></setOutcomeValue></outcomeProcessing>\n";
    return xml + "</assessmentTest>\n";
}

constexpr const char* TestDatei = "test.xml";

std::string Manifest(const std::vector<Abschnitt>& abschnitte) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<manifest xmlns=\"http://www.imsglobal.org/xsd/imscp_v1p1\" "
                      "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                      "xsi:schemaLocation=\"http://www.imsglobal.org/xsd/imscp_v1p1 "
                      "http://www.imsglobal.org/xsd/imscp_v1p1.xsd\" "
                      "identifier=\"kalotri-paket\">\n"
                      "  <metadata><schema>QTIv2.1 Package</schema>"
                      "<schemaversion>1.0.0</schemaversion></metadata>\n"
                      "  <organizations/>\n  <resources>\n";
    std::string abhaengig, items;
    for (const Abschnitt& a : abschnitte) {
        for (const Eintrag& e : a.Eintraege) {
            abhaengig += "      <dependency identifierref=\"" + e.Kennung + "\"/>\n";
            items += "    <resource identifier=\"" + e.Kennung +
                     "\" type=\"imsqti_item_xmlv2p1\" href=\"" + e.Dateien.front() + "\">\n";
            for (const std::string& datei : e.Dateien) {
                items += "      <file href=\"" + datei + "\"/>\n";
            }
            items += "    </resource>\n";
        }
    }
    xml += "    <resource identifier=\"kalotri-test\" type=\"imsqti_test_xmlv2p1\" href=\"" +
           std::string(TestDatei) + "\">\n      <file href=\"" + TestDatei + "\"/>\n" + abhaengig +
           "    </resource>\n" + items;
    return xml + "  </resources>\n</manifest>\n";
}

} // namespace

std::optional<std::string> SchreibeQtiPaket(std::size_t gruppenzahl, const Aufgabenfolge& folge,
                                            const Darstellung& darstellung,
                                            const std::string& titel,
                                            const std::optional<double>& toleranz,
                                            Quizbilanz& bilanz, const Quizmelder& melde,
                                            const ZipSchreiber::Ausgabe& aus) {
    const bool gruppen = gruppenzahl > 1;
    ZipSchreiber zip(aus);
    std::vector<Abschnitt> abschnitte;
    for (std::size_t g = 0; g < gruppenzahl; ++g) {
        const char buchstabe = static_cast<char>('A' + static_cast<int>(g));
        const char klein = static_cast<char>('a' + static_cast<int>(g));
        abschnitte.push_back({gruppen ? std::string("gruppe-") + klein : "aufgaben",
                              gruppen ? std::string("Gruppe ") + buchstabe : "Aufgaben",
                              {}});
        int nummer = 0;
        folge(g, [&](const GeloesteAufgabe& aufgabe) {
            const auto [name, kennung] = Benenne(g, gruppen, ++nummer);
            std::string grund;
            int dezimalen = 0;
            const std::optional<QtiFrage> item =
                BaueQtiFrage(aufgabe, darstellung, name, kennung, toleranz, dezimalen, grund);
            if (!item) {
                ++bilanz.Ausgelassen;
                if (!grund.empty()) {
                    melde(*aufgabe.Zeile, grund);
                }
                return;
            }
            bilanz.MehrStellen += dezimalen > darstellung.Stellen.Geschrieben() ? 1 : 0;
            Eintrag e{kennung, {kennung + ".xml"}};
            zip.Datei(e.Dateien.front(), QtiItemXml(*item), true);
            for (const Bilddatei& b : item->Bilder) {
                // PNG is deflated already.
                zip.Datei(
                    b.Name,
                    std::string_view(b.Png.constData(), static_cast<std::size_t>(b.Png.size())),
                    false);
                e.Dateien.push_back(b.Name);
            }
            abschnitte.back().Eintraege.push_back(std::move(e));
        });
    }
    zip.Datei(TestDatei, TestXml(abschnitte, titel), true);
    zip.Datei("imsmanifest.xml", Manifest(abschnitte), true);
    zip.Ende();
    return zip.Fehler();
}

} // namespace kalotri::blatt
