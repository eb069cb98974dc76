// SPDX-License-Identifier: GPL-3.0-or-later
#include "zipschreiber.h"

#include <zlib.h>

#include <limits>
#include <new>

namespace kalotri::blatt {

namespace {

constexpr std::uint16_t Gespeichert = 0;
constexpr std::uint16_t Deflated = 8;
constexpr std::uint16_t Version = 20; // 2.0: deflate and folders
constexpr std::uint16_t Datum1980 = (1 << 5) | 1;
// Beyond these a zip needs its 64-bit extension, which not every platform reads.
constexpr std::uint64_t HoechstensBytes = std::numeric_limits<std::uint32_t>::max();
constexpr std::size_t HoechstensDateien = std::numeric_limits<std::uint16_t>::max();

void Zwei(std::string& s, std::uint16_t x) {
    s += static_cast<char>(x & 0xFF);
    s += static_cast<char>(x >> 8);
}

void Vier(std::string& s, std::uint32_t x) {
    Zwei(s, static_cast<std::uint16_t>(x & 0xFFFF));
    Zwei(s, static_cast<std::uint16_t>(x >> 16));
}

// What the file's header and the directory's entry have in common, from the version
// needed to the length of the name.
std::string Gemeinsam(std::uint16_t methode, std::uint32_t pruefsumme, std::uint32_t gepackt,
                      std::uint32_t roh, std::size_t namenslaenge) {
    std::string s;
    Zwei(s, Version);
    Zwei(s, 0); // no flags: names are ASCII, sizes known before the bytes
    Zwei(s, methode);
    Zwei(s, 0); // 00:00:00
    Zwei(s, Datum1980);
    Vier(s, pruefsumme);
    Vier(s, gepackt);
    Vier(s, roh);
    Zwei(s, static_cast<std::uint16_t>(namenslaenge));
    return s;
}

} // namespace

std::string Deflate(std::string_view roh) {
    z_stream z{};
    if (deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) !=
        Z_OK) {
        throw std::bad_alloc(); // zlib's only reason at this point
    }
    std::string gepackt(deflateBound(&z, static_cast<uLong>(roh.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(roh.data()));
    z.avail_in = static_cast<uInt>(roh.size());
    z.next_out = reinterpret_cast<Bytef*>(gepackt.data());
    z.avail_out = static_cast<uInt>(gepackt.size());
    const int ergebnis = deflate(&z, Z_FINISH);
    gepackt.resize(z.total_out);
    deflateEnd(&z);
    if (ergebnis != Z_STREAM_END) {
        throw std::bad_alloc(); // deflateBound leaves room enough; only memory can fail
    }
    return gepackt;
}

ZipSchreiber::ZipSchreiber(Ausgabe aus) : aus_(std::move(aus)) {}

void ZipSchreiber::Schreibe(std::string_view bytes) {
    aus_(bytes);
    geschrieben_ += bytes.size();
}

void ZipSchreiber::Datei(const std::string& name, std::string_view inhalt, bool packen) {
    if (fehler_) {
        return;
    }
    if (namen_.count(name) > 0) {
        fehler_ = "Die Datei \"" + name + "\" stünde zweimal im Paket";
        return;
    }
    if (eintraege_.size() >= HoechstensDateien || inhalt.size() >= HoechstensBytes ||
        name.size() > std::numeric_limits<std::uint16_t>::max()) {
        fehler_ = "Zu viele Aufgaben für ein Paket (höchstens " +
                  std::to_string(HoechstensDateien) + " Dateien und 4 GiB)";
        return;
    }
    Eintrag e;
    e.Name = name;
    e.Pruefsumme = static_cast<std::uint32_t>(
        crc32(0L, reinterpret_cast<const Bytef*>(inhalt.data()), static_cast<uInt>(inhalt.size())));
    std::string gepackt;
    if (packen) {
        gepackt = Deflate(inhalt);
    }
    // Deflate that does not make the file smaller is left out.
    const bool gespeichert = !packen || gepackt.size() >= inhalt.size();
    const std::string_view daten = gespeichert ? inhalt : std::string_view(gepackt);
    e.Methode = gespeichert ? Gespeichert : Deflated;
    e.Roh = static_cast<std::uint32_t>(inhalt.size());
    e.Gepackt = static_cast<std::uint32_t>(daten.size());
    e.Abstand = static_cast<std::uint32_t>(geschrieben_);
    std::string kopf;
    Vier(kopf, 0x04034b50);
    kopf += Gemeinsam(e.Methode, e.Pruefsumme, e.Gepackt, e.Roh, name.size());
    Zwei(kopf, 0); // no extra field
    kopf += name;
    if (geschrieben_ + kopf.size() + daten.size() >= HoechstensBytes) {
        fehler_ = "Das Paket würde größer als 4 GiB";
        return;
    }
    Schreibe(kopf);
    Schreibe(daten);
    namen_.insert(name);
    eintraege_.push_back(std::move(e));
}

void ZipSchreiber::Ende() {
    if (fehler_) {
        return;
    }
    std::string verzeichnis;
    for (const Eintrag& e : eintraege_) {
        Vier(verzeichnis, 0x02014b50);
        Zwei(verzeichnis, Version); // made by: MS-DOS attributes, that is none
        verzeichnis += Gemeinsam(e.Methode, e.Pruefsumme, e.Gepackt, e.Roh, e.Name.size());
        Zwei(verzeichnis, 0); // extra field
        Zwei(verzeichnis, 0); // comment
        Zwei(verzeichnis, 0); // disk
        Zwei(verzeichnis, 0); // internal attributes
        Vier(verzeichnis, 0); // external attributes
        Vier(verzeichnis, e.Abstand);
        verzeichnis += e.Name;
    }
    if (geschrieben_ + verzeichnis.size() >= HoechstensBytes) {
        fehler_ = "Das Paket würde größer als 4 GiB";
        return;
    }
    std::string schluss;
    Vier(schluss, 0x06054b50);
    Zwei(schluss, 0); // this disk
    Zwei(schluss, 0); // the directory's disk
    Zwei(schluss, static_cast<std::uint16_t>(eintraege_.size()));
    Zwei(schluss, static_cast<std::uint16_t>(eintraege_.size()));
    Vier(schluss, static_cast<std::uint32_t>(verzeichnis.size()));
    Vier(schluss, static_cast<std::uint32_t>(geschrieben_));
    Zwei(schluss, 0); // no comment
    Schreibe(verzeichnis);
    Schreibe(schluss);
}

} // namespace kalotri::blatt
