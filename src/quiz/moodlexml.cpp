// SPDX-License-Identifier: GPL-3.0-or-later
#include "moodlexml.h"

#include "utf8.h"

#include <cstdint>
#include <set>

namespace kalotri::blatt {

namespace {

constexpr std::string_view Ersatz = "\xEF\xBF\xBD"; // U+FFFD

bool XmlErlaubt(std::uint32_t z) {
    return z == 0x9 || z == 0xA || z == 0xD || (z >= 0x20 && z <= 0xD7FF) ||
           (z >= 0xE000 && z <= 0xFFFD) || (z >= 0x10000 && z <= 0x10FFFF);
}

// Moodle names a category by its path; a "/" inside a name is written twice, and a blank
// keeps one at either end from merging with the path's own (Moodle trims it off again).
std::string Kategoriename(const std::string& name) {
    std::string text;
    for (const char c : name) {
        text += c == '/' ? std::string("//") : std::string(1, c);
    }
    if (!name.empty() && name.front() == '/') {
        text.insert(0, " ");
    }
    if (!name.empty() && name.back() == '/') {
        text += ' ';
    }
    return text;
}

std::string Dateien(const std::vector<Bilddatei>& bilder) {
    std::string xml;
    for (const Bilddatei& b : bilder) {
        xml += "    <file name=\"" + XmlText(b.Name) + "\" path=\"/\" encoding=\"base64\">" +
               b.Png.toBase64().toStdString() + "</file>\n";
    }
    return xml;
}

std::string Frage(const MoodleFrage& f) {
    std::string xml = "<question type=\"cloze\">\n";
    xml += "  <name><text>" + XmlText(f.Name) + "</text></name>\n";
    xml += "  <questiontext format=\"html\">\n    <text>" + CData(f.Fragetext) + "</text>\n" +
           Dateien(f.FrageBilder) + "  </questiontext>\n";
    xml += "  <generalfeedback format=\"html\">\n    <text>" + CData(f.Rueckmeldung) + "</text>\n" +
           Dateien(f.RueckmeldungsBilder) + "  </generalfeedback>\n";
    xml += "  <penalty>0.3333333</penalty>\n";
    xml += "  <hidden>0</hidden>\n";
    xml += "  <defaultgrade>" + std::to_string(f.Luecken) + "</defaultgrade>\n";
    xml += "</question>\n";
    return xml;
}

} // namespace

std::string XmlZeichen(std::string_view text) {
    std::string aus;
    aus.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Stueck s = LiesUtf8(text, i);
        if (s.Gueltig && XmlErlaubt(s.Zeichen)) {
            aus.append(text.substr(i, s.Laenge));
        } else {
            aus += Ersatz;
        }
        i += s.Laenge;
    }
    return aus;
}

std::string XmlText(std::string_view text) {
    std::string aus;
    for (const char c : XmlZeichen(text)) {
        switch (c) {
        case '&':
            aus += "&amp;";
            break;
        case '<':
            aus += "&lt;";
            break;
        case '>':
            aus += "&gt;";
            break;
        case '"':
            aus += "&quot;";
            break;
        default:
            aus += c;
        }
    }
    return aus;
}

std::string CData(std::string_view text) {
    const std::string sauber = XmlZeichen(text);
    std::string aus = "<![CDATA[";
    std::size_t von = 0;
    for (std::size_t ende = sauber.find("]]>"); ende != std::string::npos;
         ende = sauber.find("]]>", von)) {
        // "]]" closes this section, ">" opens the next.
        aus.append(sauber, von, ende + 2 - von);
        aus += "]]><![CDATA[";
        von = ende + 2;
    }
    aus.append(sauber, von);
    return aus + "]]>";
}

std::string MoodleQuiz(const std::vector<Fragenkategorie>& kategorien) {
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n";
    const auto kategorie = [&xml](const std::string& pfad) {
        xml += "<question type=\"category\">\n  <category><text>" + XmlText(pfad) +
               "</text></category>\n</question>\n";
    };
    std::set<std::string> genannt;
    for (const Fragenkategorie& k : kategorien) {
        std::string pfad = "$course$/top";
        for (const std::string& name : k.Pfad) {
            pfad += "/" + Kategoriename(name);
            // The categories above the questions' own are named too, once each, so that
            // the file opens with the one named after the title.
            if (&name != &k.Pfad.back() && genannt.insert(pfad).second) {
                kategorie(pfad);
            }
        }
        kategorie(pfad);
        for (const MoodleFrage& f : k.Fragen) {
            xml += Frage(f);
        }
    }
    return xml + "</quiz>\n";
}

} // namespace kalotri::blatt
