// SPDX-License-Identifier: GPL-3.0-or-later
#include "jsonausgabe.h"

#include "utf8.h"
#include "zahlform.h"

#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace kalotri::rechne {

namespace {

// The boxes by the names the window gives them, so that "fokus" reads as in the program.
constexpr std::array<const char*, 6> BoxNamen = {"eA", "eB", "eC", "eAlpha", "eBeta", "eGamma"};
constexpr std::array<const char*, 6> GroessenNamen = {"a", "b", "c", "alpha", "beta", "gamma"};
constexpr std::array<const char*, 4> SchrittArtNamen = {"hinweis", "ueberschrift", "rechnung",
                                                        "begruendung"};
constexpr std::array<const char*, 5> WegNamen = {"gegeben", "sinussatz", "cosinussatz",
                                                 "winkelsumme", "winkelsumme_besser_cosinussatz"};

// The hex digits of "\u" escapes in lower case, as the tool has always written them.
void KleineHexziffern(char* anfang, char* ende) {
    for (char* p = anfang; p != ende; ++p) {
        if (*p != '\\') {
            continue;
        }
        ++p; // the escaped character: another backslash is not the start of an escape
        if (*p == 'u') {
            for (char* h = p + 1; h != p + 5; ++h) {
                if (*h >= 'A' && *h <= 'F') {
                    *h = static_cast<char>(*h - 'A' + 'a');
                }
            }
        }
    }
}

} // namespace

struct JsonAusgabe::Zustand {
    void Text(std::string_view text);
    void TextOderNull(const std::optional<std::string>& text);
    void Zahl(double x);
    void Daten(const Loesung* loesung, const Ausgang& ausgang);
    void Dreieck(const Loesung& loesung, const LoesungsDreieck& d);
    void Schritte(const Rechenweg& weg);

    rapidjson::StringBuffer puffer;
    rapidjson::Writer<rapidjson::StringBuffer> writer{puffer};
    std::string ersatz; // a text repaired to valid UTF-8
};

void JsonAusgabe::Zustand::Text(std::string_view text) {
    const std::string_view gueltig = kalotri::GueltigesUtf8(text, ersatz);
    writer.String(gueltig.data(), static_cast<rapidjson::SizeType>(gueltig.size()));
}

void JsonAusgabe::Zustand::TextOderNull(const std::optional<std::string>& text) {
    if (text) {
        Text(*text);
    } else {
        writer.Null();
    }
}

void JsonAusgabe::Zustand::Zahl(double x) {
    const std::string text = RundreiseForm(x);
    writer.RawValue(text.data(), text.size(), rapidjson::kNumberType);
}

void JsonAusgabe::Zustand::Dreieck(const Loesung& loesung, const LoesungsDreieck& d) {
    writer.StartObject();
    for (std::size_t i = 0; i < 6; ++i) {
        writer.Key(GroessenNamen[i]);
        writer.StartObject();
        writer.Key("buchstabe");
        Text(Anzeigebuchstabe(loesung, static_cast<Feld>(i)));
        writer.Key("wert");
        Zahl(d.Werte[i]);
        writer.Key("herkunft");
        writer.String(WegNamen[static_cast<std::size_t>(d.Wege[i])]);
        writer.EndObject();
    }
    writer.Key("flach");
    writer.Bool(d.Flach);
    writer.EndObject();
}

void JsonAusgabe::Zustand::Daten(const Loesung* loesung, const Ausgang& ausgang) {
    writer.Key("code");
    writer.String(loesung != nullptr ? CodeName(ausgang.Art) : "zeile");
    writer.Key("typ");
    if (loesung != nullptr && loesung->Typ) {
        writer.String(TypText(*loesung->Typ));
    } else {
        writer.Null();
    }
    writer.Key("gegeben");
    writer.StartArray();
    for (const GegebeneGroesse& g :
         loesung != nullptr ? loesung->Gegeben : std::vector<GegebeneGroesse>{}) {
        writer.StartObject();
        writer.Key("groesse");
        writer.String(GroessenNamen[static_cast<std::size_t>(g.Groesse)]);
        writer.Key("buchstabe");
        Text(Anzeigebuchstabe(*loesung, g.Groesse));
        writer.Key("wert");
        Zahl(g.Wert);
        writer.EndObject();
    }
    writer.EndArray();
    // Triangles only for a calculation that ran through: after an error the values are
    // incomplete.
    writer.Key("dreiecke");
    writer.StartArray();
    if (loesung != nullptr && !ausgang.Fehler && !ausgang.Meldung) {
        for (const LoesungsDreieck& d : loesung->Dreiecke) {
            Dreieck(*loesung, d);
        }
    }
    writer.EndArray();
}

void JsonAusgabe::Zustand::Schritte(const Rechenweg& weg) {
    writer.Key("rechenweg");
    writer.StartArray();
    for (const Rechenschritt& s : weg) {
        writer.StartObject();
        writer.Key("art");
        writer.String(SchrittArtNamen[static_cast<std::size_t>(s.Art)]);
        writer.Key("groesse");
        if (s.Groesse) {
            writer.String(GroessenNamen[static_cast<std::size_t>(*s.Groesse)]);
        } else {
            writer.Null();
        }
        writer.Key("dreieck");
        writer.Uint64(s.Dreieck);
        writer.Key("formel");
        Text(s.Formel);
        writer.Key("einsetzung");
        Text(s.Einsetzung);
        writer.Key("zwischenwert");
        Text(s.Zwischenwert);
        writer.Key("ergebnis");
        Text(s.Ergebnis);
        writer.Key("text");
        Text(s.Text);
        writer.Key("zeilen");
        writer.StartArray();
        for (const std::string& zeile : SchrittZeilen(s)) {
            Text(zeile);
        }
        writer.EndArray();
        writer.EndObject();
    }
    writer.EndArray();
}

JsonAusgabe::JsonAusgabe() : zustand_(std::make_unique<Zustand>()) {}

JsonAusgabe::~JsonAusgabe() = default;

void JsonAusgabe::HaengeAn(std::string& ziel, const ScriptProtokoll& script, const Ausgang& ausgang,
                           const Loesung* loesung, const Rechenweg* rechenweg) {
    Zustand& z = *zustand_;
    z.puffer.Clear();
    z.writer.Reset(z.puffer);
    // The keys in the documented order.
    z.writer.StartObject();
    z.writer.Key("zeilen");
    z.writer.StartArray();
    for (const ScriptZeile& zeile : script.Zeilen()) {
        z.writer.StartObject();
        z.writer.Key("schrift");
        z.Text(zeile.Schrift);
        z.writer.Key("text");
        z.Text(zeile.Text);
        z.writer.EndObject();
    }
    z.writer.EndArray();
    z.writer.Key("meldung");
    z.TextOderNull(ausgang.Meldung);
    z.writer.Key("fokus");
    if (ausgang.Fokus) {
        z.writer.String(BoxNamen[static_cast<std::size_t>(*ausgang.Fokus)]);
    } else {
        z.writer.Null();
    }
    z.writer.Key("fehler");
    z.TextOderNull(ausgang.Fehler);
    z.Daten(loesung, ausgang);
    if (rechenweg != nullptr) {
        z.Schritte(*rechenweg);
    }
    z.writer.EndObject();

    const std::size_t anfang = ziel.size();
    ziel.append(z.puffer.GetString(), z.puffer.GetSize());
    if (ziel.find('\\', anfang) != std::string::npos) {
        KleineHexziffern(ziel.data() + anfang, ziel.data() + ziel.size());
    }
    ziel += '\n';
}

} // namespace kalotri::rechne
