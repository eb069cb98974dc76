// SPDX-License-Identifier: GPL-3.0-or-later
#include "moodlexml.h"

#include "xmlzeichen.h"

#include <cstdint>

namespace kalotri::blatt {

namespace {

// Moodle stores a category's or question's name in 255 characters and its import
// inserts a longer one as it is, which the database refuses: longer names are cut to 254
// characters and "…" (a category's by two more, for the blanks that may pad it).
constexpr std::size_t NameMax = 255;

std::string Gekuerzt(const std::string& name, std::size_t hoechstens = NameMax) {
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if ((static_cast<unsigned char>(name[i]) & 0xC0) != 0x80 && ++zeichen == hoechstens) {
            // The last character allowed starts here: does anything follow it?
            std::size_t ende = i + 1;
            while (ende < name.size() && (static_cast<unsigned char>(name[ende]) & 0xC0) == 0x80) {
                ++ende;
            }
            return ende < name.size() ? name.substr(0, i) + "…" : name;
        }
    }
    return name;
}

// Moodle names a category by its path; a "/" inside a name is written twice, and a blank
// keeps one at either end from merging with the path's own (Moodle trims it off again).
std::string Kategoriename(const std::string& voll) {
    const std::string name = Gekuerzt(XmlZeichen(voll), NameMax - 2);
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
    xml += "  <name><text>" + XmlText(Gekuerzt(XmlZeichen(f.Name))) + "</text></name>\n";
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

MoodleSchreiber::MoodleSchreiber(Ausgabe aus) : aus_(std::move(aus)) {
    aus_("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<quiz>\n");
}

void MoodleSchreiber::Kategorie(const std::vector<std::string>& namen) {
    const auto kategorie = [this](const std::string& pfad) {
        aus_("<question type=\"category\">\n  <category><text>" + XmlText(pfad) +
             "</text></category>\n</question>\n");
    };
    std::string pfad = "$course$/top";
    for (const std::string& name : namen) {
        pfad += "/" + Kategoriename(name);
        // The categories above the questions' own are named too, once each, so that the
        // file opens with the one named after the title.
        if (&name != &namen.back() && genannt_.insert(pfad).second) {
            kategorie(pfad);
        }
    }
    kategorie(pfad);
}

void MoodleSchreiber::Frage(const MoodleFrage& frage) {
    aus_(blatt::Frage(frage));
}

void MoodleSchreiber::Ende() {
    aus_("</quiz>\n");
}

} // namespace kalotri::blatt
