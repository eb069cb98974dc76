// SPDX-License-Identifier: GPL-3.0-or-later
#include "scriptprotokoll.h"

namespace kalotri {

void ScriptProtokoll::ZeileAnfuegen(const std::string& zeile) {
    zeilen_.push_back(ScriptZeile{schrift_, zeile});
}

void ScriptProtokoll::SchriftSetzen(const std::string& schrift) {
    schrift_ = schrift;
}

// Like clearing the real Script, which also goes back to the box's own face, so that the
// next calculation writes like the first one of a run.
void ScriptProtokoll::Leeren() {
    zeilen_.clear();
    schrift_ = SchriftStandard;
}

} // namespace kalotri
