// SPDX-License-Identifier: GPL-3.0-or-later
#include "anfrage.h"

#include <rapidjson/encodedstream.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

namespace kalotri::web {

namespace {

// Reads the request as it streams past (RapidJSON's SAX reader): one flat object whose
// two lists hold six texts each. Anything else ends the reading with false.
struct Leser : rapidjson::BaseReaderHandler<rapidjson::UTF8<>, Leser> {
    Anfrage A;
    std::string Schluessel;
    int Tiefe = 0;
    std::size_t InListe = 0;
    bool Gesehen[4] = {}; // texte, buchstaben, dezimalen, trennzeichen

    bool Default() { return false; }
    bool StartObject() { return Tiefe++ == 0; }
    bool EndObject(rapidjson::SizeType) { return --Tiefe == 0; }
    bool Key(const char* text, rapidjson::SizeType laenge, bool) {
        Schluessel.assign(text, laenge);
        return true;
    }
    bool StartArray() {
        if (Tiefe != 1 || (Schluessel != "texte" && Schluessel != "buchstaben")) {
            return false;
        }
        ++Tiefe;
        InListe = 0;
        return true;
    }
    bool EndArray(rapidjson::SizeType anzahl) {
        --Tiefe;
        Gesehen[Schluessel == "texte" ? 0 : 1] = true;
        return anzahl == 6;
    }
    bool String(const char* text, rapidjson::SizeType laenge, bool) {
        if (Tiefe == 2 && InListe < 6) {
            auto& ziel = Schluessel == "texte" ? A.Felder.Texte : A.Felder.Buchstaben;
            ziel[InListe++].assign(text, laenge);
            return true;
        }
        if (Tiefe == 1 && Schluessel == "trennzeichen") {
            A.Trennzeichen.assign(text, laenge);
            Gesehen[3] = true;
            return true;
        }
        return false;
    }
    bool Int(int wert) {
        if (Tiefe != 1 || Schluessel != "dezimalen") {
            return false;
        }
        A.Stellen = Dezimalen::Begrenzt(wert);
        Gesehen[2] = true;
        return true;
    }
    bool Uint(unsigned wert) { return Int(wert > 1000 ? 1000 : static_cast<int>(wert)); }
    bool Bool(bool wert) {
        if (Tiefe == 1 && Schluessel == "figuren") {
            A.Figuren = wert;
        } else if (Tiefe == 1 && Schluessel == "rechenweg") {
            A.Rechenweg = wert;
        } else {
            return false;
        }
        return true;
    }
};

} // namespace

std::optional<Anfrage> LiesAnfrage(std::string_view json) {
    Leser leser;
    rapidjson::Reader reader;
    rapidjson::MemoryStream strom(json.data(), json.size());
    rapidjson::EncodedInputStream<rapidjson::UTF8<>, rapidjson::MemoryStream> eingabe(strom);
    if (reader.Parse(eingabe, leser).IsError() ||
        !(leser.Gesehen[0] && leser.Gesehen[1] && leser.Gesehen[2] && leser.Gesehen[3])) {
        return std::nullopt;
    }
    return leser.A;
}

std::string Antwort(std::string_view script, std::string_view figuren) {
    rapidjson::StringBuffer puffer;
    rapidjson::Writer<rapidjson::StringBuffer> w(puffer);
    w.StartObject();
    w.Key("script");
    w.RawValue(script.data(), script.size(), rapidjson::kObjectType);
    w.Key("figuren");
    w.RawValue(figuren.data(), figuren.size(), rapidjson::kArrayType);
    w.EndObject();
    return {puffer.GetString(), puffer.GetSize()};
}

} // namespace kalotri::web
