// SPDX-License-Identifier: GPL-3.0-or-later
#include "standjson.h"

#include "hinweise.h"

// Plain pointers as member iterators: RapidJSON's own class derives from std::iterator,
// which newer C++ libraries mark as deprecated.
#define RAPIDJSON_NOMEMBERITERATORCLASS
#include <rapidjson/document.h>

#include <algorithm>

namespace kalotri::web {

namespace {

using ergebnis::Aufgabenstand;
using ergebnis::Hinweiskauf;

bool LiesAufgabe(const rapidjson::Value& v, Aufgabenstand& a) {
    if (!v.IsObject() || !v.HasMember("antworten") || !v["antworten"].IsArray() ||
        !v.HasMember("noten") || !v["noten"].IsArray() || !v.HasMember("gekauft") ||
        !v["gekauft"].IsArray()) {
        return false;
    }
    for (const auto& t : v["antworten"].GetArray()) {
        a.Antworten.emplace_back(t.IsString() ? t.GetString() : "");
    }
    if (!v.HasMember("hoechstens") || !v["hoechstens"].IsInt()) {
        return false;
    }
    a.Hoechstens = v["hoechstens"].GetInt();
    for (const auto& n : v["noten"].GetArray()) {
        int code = static_cast<int>(uebung::Note::Leer);
        if (n.IsObject() && n.HasMember("notencode") && n["notencode"].IsInt()) {
            code = n["notencode"].GetInt();
        }
        // Only the four marks are kept; anything else leaves the box open.
        const bool note = code >= 0 && code <= static_cast<int>(uebung::Note::Falsch);
        a.Noten.push_back(note ? static_cast<uebung::Note>(code) : uebung::Note::Leer);
        // The points as the engine gave them, at most what the mark is worth.
        int punkte = uebung::Punkte(a.Noten.back());
        if (n.IsObject() && n.HasMember("punkte") && n["punkte"].IsInt()) {
            punkte = std::clamp(n["punkte"].GetInt(), 0, punkte);
        }
        a.NotenPunkte.push_back(punkte);
    }
    for (const auto& h : v["gekauft"].GetArray()) {
        if (!h.IsObject() || !h.HasMember("art") || !h["art"].IsInt()) {
            return false;
        }
        const int art = h["art"].GetInt();
        if (art < 0 || art >= static_cast<int>(uebung::HinweisPreis.size())) {
            return false;
        }
        // Without a price the hint cost its full price.
        Hinweiskauf kauf{art, std::nullopt, uebung::HinweisPreis[static_cast<std::size_t>(art)]};
        if (h.HasMember("frage") && h["frage"].IsUint()) {
            kauf.Frage = h["frage"].GetUint();
        }
        if (h.HasMember("preis") && h["preis"].IsInt()) {
            kauf.Preis = std::clamp(h["preis"].GetInt(), 0, kauf.Preis);
        }
        if (kauf.Frage && *kauf.Frage > 9) {
            return false;
        }
        a.Gekauft.push_back(kauf);
    }
    // Unmarked answers are still being typed; only marked ones belong to the state.
    for (std::size_t k = 0; k < a.Antworten.size() && k < a.Noten.size(); ++k) {
        if (a.Noten[k] == uebung::Note::Leer) {
            a.Antworten[k].clear();
        }
    }
    return true;
}

void Text(rapidjson::Writer<rapidjson::StringBuffer>& w, const std::string& text) {
    w.String(text.c_str(), static_cast<rapidjson::SizeType>(text.size()));
}

} // namespace

std::optional<ergebnis::Satzstand> LiesStand(const char* json) {
    rapidjson::Document d;
    d.Parse(json);
    if (d.HasParseError() || !d.IsObject() || !d.HasMember("code") || !d["code"].IsString() ||
        !d.HasMember("aufgaben") || !d["aufgaben"].IsArray()) {
        return std::nullopt;
    }
    ergebnis::Satzstand s;
    s.Code = d["code"].GetString();
    if (d.HasMember("aufgabe") && d["aufgabe"].IsUint()) {
        s.Aufgabe = d["aufgabe"].GetUint();
    }
    s.Fertig = d.HasMember("fertig") && d["fertig"].IsBool() && d["fertig"].GetBool();
    for (const auto& v : d["aufgaben"].GetArray()) {
        Aufgabenstand a;
        if (!LiesAufgabe(v, a)) {
            return std::nullopt;
        }
        s.Aufgaben.push_back(std::move(a));
    }
    return s;
}

void SchreibeStand(rapidjson::Writer<rapidjson::StringBuffer>& w, const ergebnis::Satzstand& s) {
    w.StartObject();
    w.Key("code");
    Text(w, s.Code);
    w.Key("aufgabe");
    w.Uint(static_cast<unsigned>(s.Aufgabe));
    w.Key("fertig");
    w.Bool(s.Fertig);
    w.Key("aufgaben");
    w.StartArray();
    for (const Aufgabenstand& a : s.Aufgaben) {
        w.StartObject();
        w.Key("antworten");
        w.StartArray();
        for (const std::string& t : a.Antworten) {
            Text(w, t);
        }
        w.EndArray();
        w.Key("hoechstens");
        w.Int(a.Hoechstens);
        w.Key("noten");
        w.StartArray();
        for (std::size_t k = 0; k < a.Noten.size(); ++k) {
            const uebung::Note n = a.Noten[k];
            if (n == uebung::Note::Leer) {
                w.Null();
                continue;
            }
            // As the marking gives a mark to the page.
            w.StartObject();
            w.Key("notencode");
            w.Int(static_cast<int>(n));
            w.Key("text");
            w.String(uebung::NotenText(n));
            w.Key("note");
            w.String(uebung::NotenText(n));
            w.Key("voll");
            w.Bool(n == uebung::Note::Richtig);
            w.Key("punkte");
            w.Int(k < a.NotenPunkte.size() ? a.NotenPunkte[k] : 0);
            w.EndObject();
        }
        w.EndArray();
        w.Key("gekauft");
        w.StartArray();
        for (const Hinweiskauf& h : a.Gekauft) {
            w.StartObject();
            w.Key("art");
            w.Int(h.Art);
            w.Key("frage");
            if (h.Frage) {
                w.Uint(static_cast<unsigned>(*h.Frage));
            } else {
                w.Null();
            }
            w.Key("preis");
            w.Int(h.Preis);
            w.EndObject();
        }
        w.EndArray();
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
}

} // namespace kalotri::web
