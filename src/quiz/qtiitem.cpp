// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtiitem.h"

#include "moodlexml.h"
#include "sichtbar.h"
#include "xmlzeichen.h"

namespace kalotri::blatt {

namespace {

// What OpenOLAT and ILIAS keep of a title; the rest would be cut without a mark.
constexpr std::size_t TitelMax = 255;

constexpr const char* Kopf = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                             "<assessmentItem xmlns=\"http://www.imsglobal.org/xsd/imsqti_v2p1\" "
                             "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                             "xsi:schemaLocation=\"http://www.imsglobal.org/xsd/imsqti_v2p1 "
                             "http://www.imsglobal.org/xsd/qti/qtiv2p1/imsqti_v2p1.xsd\" ";

std::string Antwort(std::size_t n) {
    return "RESPONSE_" + std::to_string(n);
}

std::string Wert(const char* typ, const std::string& wert) {
    return "<baseValue baseType=\"" + std::string(typ) + "\">" + wert + "</baseValue>";
}

std::string Deklarationen(const QtiFrage& f) {
    std::string xml;
    std::size_t n = 0;
    for (const QtiStueck& s : f.Koerper) {
        if (s.Zahl) {
            xml += "  <responseDeclaration identifier=\"" + Antwort(++n) +
                   "\" cardinality=\"single\" baseType=\"float\">\n"
                   "    <correctResponse><value>" +
                   s.Zahl->Richtig + "</value></correctResponse>\n  </responseDeclaration>\n";
        } else if (s.Wahl) {
            xml += "  <responseDeclaration identifier=\"" + Antwort(++n) +
                   "\" cardinality=\"single\" baseType=\"identifier\">\n"
                   "    <correctResponse><value>WAHL_" +
                   std::to_string(s.Wahl->Richtig) +
                   "</value></correctResponse>\n  </responseDeclaration>\n";
        }
    }
    const auto ergebnis = [](const std::string& name, const char* typ, const std::string& wert) {
        return "  <outcomeDeclaration identifier=\"" + name +
               "\" cardinality=\"single\" baseType=\"" + typ + "\">" +
               (wert.empty() ? "" : "<defaultValue><value>" + wert + "</value></defaultValue>") +
               "</outcomeDeclaration>\n";
    };
    xml += ergebnis("SCORE", "float", "0");
    xml += ergebnis("MAXSCORE", "float", std::to_string(n));
    for (std::size_t i = 1; i <= n; ++i) {
        xml += ergebnis("SCORE_" + Antwort(i), "float", "0");
    }
    xml += ergebnis("FEEDBACKMODAL", "identifier", "");
    return xml;
}

std::string Koerper(const QtiFrage& f) {
    std::string xml = "  <itemBody>\n";
    std::size_t n = 0;
    for (const QtiStueck& s : f.Koerper) {
        xml += XmlZeichen(s.Xhtml);
        if (s.Zahl) {
            xml += "<textEntryInteraction responseIdentifier=\"" + Antwort(++n) +
                   "\" expectedLength=\"" + std::to_string(s.Zahl->Zeichen) + "\"/>";
        } else if (s.Wahl) {
            xml += "<inlineChoiceInteraction responseIdentifier=\"" + Antwort(++n) +
                   "\" shuffle=\"false\">";
            for (std::size_t i = 0; i < s.Wahl->Wahl.size(); ++i) {
                xml += "<inlineChoice identifier=\"WAHL_" + std::to_string(i) + "\">" +
                       QtiText(s.Wahl->Wahl[i]) + "</inlineChoice>";
            }
            xml += "</inlineChoiceInteraction>";
        }
    }
    return xml + "\n  </itemBody>\n";
}

std::string Gleich(const std::string& toleranz, const std::string& operanden) {
    return "<equal toleranceMode=\"absolute\" tolerance=\"" + toleranz + "\">" + operanden +
           "</equal>";
}

std::string Oder(const std::string& bedingungen, std::size_t anzahl) {
    return anzahl > 1 ? "<or>" + bedingungen + "</or>" : bedingungen;
}

// One mark for each gap answered right. The values that earn nothing are not listed, but
// for numbers inside a right interval that earn nothing all the same: they decide first.
std::string Bewertung(const QtiFrage& f) {
    std::string xml = "  <responseProcessing>\n";
    std::string summe;
    std::size_t n = 0;
    for (const QtiStueck& s : f.Koerper) {
        if (!s.Zahl && !s.Wahl) {
            continue;
        }
        const std::string antwort = Antwort(++n);
        const std::string operanden =
            "<correct identifier=\"" + antwort + "\"/><variable identifier=\"" + antwort + "\"/>";
        const auto punkte = [&](const char* wert) {
            return "<setOutcomeValue identifier=\"SCORE_" + antwort + "\">" + Wert("float", wert) +
                   "</setOutcomeValue>";
        };
        std::string bedingung, ausnahmen;
        if (s.Wahl) {
            bedingung = "<match>" + operanden + "</match>";
        } else {
            for (const auto& [unten, oben] : s.Zahl->Toleranzen) {
                bedingung += Gleich(unten + " " + oben, operanden);
            }
            bedingung = Oder(bedingung, s.Zahl->Toleranzen.size());
            for (const auto& [wert, toleranz] : s.Zahl->Ausnahmen) {
                ausnahmen +=
                    Gleich(toleranz + " " + toleranz,
                           Wert("float", wert) + "<variable identifier=\"" + antwort + "\"/>");
            }
        }
        xml += "    <responseCondition>";
        if (!ausnahmen.empty()) {
            xml += "<responseIf>" + Oder(ausnahmen, s.Zahl->Ausnahmen.size()) + punkte("0") +
                   "</responseIf><responseElseIf>" + bedingung + punkte("1") + "</responseElseIf>";
        } else {
            xml += "<responseIf>" + bedingung + punkte("1") + "</responseIf>";
        }
        xml += "</responseCondition>\n";
        summe += "<variable identifier=\"SCORE_" + antwort + "\"/>";
    }
    xml += "    <setOutcomeValue identifier=\"SCORE\">" +
           (summe.empty() ? Wert("float", "0") : "<sum>" + summe + "</sum>") +
           "</setOutcomeValue>\n";
    xml += "    <setOutcomeValue identifier=\"FEEDBACKMODAL\">" + Wert("identifier", "LOESUNG") +
           "</setOutcomeValue>\n";
    return xml + "  </responseProcessing>\n";
}

} // namespace

std::string QtiText(std::string_view text) {
    return XmlText(XmlZeichen(text));
}

std::string QtiTitel(const std::string& titel) {
    return KuerzeText(XmlZeichen(titel), TitelMax);
}

std::string QtiItemXml(const QtiFrage& f) {
    std::string xml = Kopf;
    xml += "identifier=\"" + f.Kennung + "\" title=\"" + QtiText(QtiTitel(f.Titel)) +
           "\" adaptive=\"false\" timeDependent=\"false\">\n";
    xml += Deklarationen(f);
    xml += Koerper(f);
    xml += Bewertung(f);
    xml += "  <modalFeedback outcomeIdentifier=\"FEEDBACKMODAL\" showHide=\"show\" "
           "identifier=\"LOESUNG\" title=\"Lösungsweg\">\n" +
           XmlZeichen(f.Loesung) + "  </modalFeedback>\n";
    return xml + "</assessmentItem>\n";
}

} // namespace kalotri::blatt
