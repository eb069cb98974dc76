// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace kalotri::blatt {

// A zip archive written front to back as its files are made, so that only one file is
// held at a time: each file's header, its bytes (deflated, or stored where they are
// compressed already), and the directory at the end. Every date is 1 January 1980, so that
// the same files give the same archive byte for byte.
class ZipSchreiber {
  public:
    using Ausgabe = std::function<void(std::string_view)>;
    explicit ZipSchreiber(Ausgabe aus);
    // Adds a file whole. name: a relative path in plain ASCII, unique in the archive.
    // After the first problem nothing more is written.
    void Datei(const std::string& name, std::string_view inhalt, bool packen);
    // Writes the directory that closes the archive.
    void Ende();
    // What went wrong (German, for the user): an archive too big for a zip without its
    // 64-bit extension, or a file name used twice.
    const std::optional<std::string>& Fehler() const { return fehler_; }

  private:
    struct Eintrag {
        std::string Name;
        std::uint32_t Pruefsumme = 0;
        std::uint32_t Gepackt = 0;
        std::uint32_t Roh = 0;
        std::uint32_t Abstand = 0; // of the file's header from the archive's start
        std::uint16_t Methode = 0;
    };
    void Schreibe(std::string_view bytes);

    Ausgabe aus_;
    std::vector<Eintrag> eintraege_;
    std::set<std::string> namen_;
    std::uint64_t geschrieben_ = 0;
    std::optional<std::string> fehler_;
};

// Raw deflate (RFC 1951), as a zip file holds it.
std::string Deflate(std::string_view roh);

} // namespace kalotri::blatt
