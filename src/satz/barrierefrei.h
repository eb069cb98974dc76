// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace kalotri::blatt {

// What a reader of the document is told about it as a whole.
struct Dokumentangaben {
    std::string Titel;
    std::string Sprache = "de-DE";
    std::vector<std::string> Beschreibungen; // of the figures, in the structure's order
};

// Completes a tagged PDF for screen readers: the language, the title shown instead of the
// file name, the XMP metadata that names it PDF/UA, each figure's description, and every
// piece of content outside the structure marked as decoration. Throws on a PDF it cannot
// read.
std::string Barrierefrei(const std::string& pdf, const Dokumentangaben& angaben);

// Content outside every marked sequence (page numbers, running heads, rules) wrapped as
// artifacts, so that a reader skips it and no text is outside marked content.
std::string Artefakte(const std::string& inhalt);

} // namespace kalotri::blatt
