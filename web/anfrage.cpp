// SPDX-License-Identifier: GPL-3.0-or-later
#include "anfrage.h"

#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include <array>

namespace kalotri::web {

namespace {

bool SechsTexte(const rapidjson::Value& wert, std::array<std::string, 6>& ziel) {
    if (!wert.IsArray() || wert.Size() != ziel.size()) {
        return false;
    }
    for (rapidjson::SizeType i = 0; i < wert.Size(); ++i) {
        if (!wert[i].IsString()) {
            return false;
        }
        ziel[i].assign(wert[i].GetString(), wert[i].GetStringLength());
    }
    return true;
}

} // namespace

std::optional<Anfrage> LiesAnfrage(std::string_view json) {
    rapidjson::Document d;
    d.Parse(json.data(), json.size());
    if (d.HasParseError() || !d.IsObject()) {
        return std::nullopt;
    }
    Anfrage a;
    const auto texte = d.FindMember("texte");
    const auto buchstaben = d.FindMember("buchstaben");
    const auto dezimalen = d.FindMember("dezimalen");
    const auto trennzeichen = d.FindMember("trennzeichen");
    if (texte == d.MemberEnd() || !SechsTexte(texte->value, a.Felder.Texte) ||
        buchstaben == d.MemberEnd() || !SechsTexte(buchstaben->value, a.Felder.Buchstaben) ||
        dezimalen == d.MemberEnd() || !dezimalen->value.IsInt() || trennzeichen == d.MemberEnd() ||
        !trennzeichen->value.IsString()) {
        return std::nullopt;
    }
    a.Stellen = Dezimalen::Begrenzt(dezimalen->value.GetInt());
    a.Trennzeichen = trennzeichen->value.GetString();
    const auto schalter = [&](const char* name) {
        const auto m = d.FindMember(name);
        return m != d.MemberEnd() && m->value.IsBool() && m->value.GetBool();
    };
    a.Figuren = schalter("figuren");
    a.Rechenweg = schalter("rechenweg");
    return a;
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
