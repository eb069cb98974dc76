#include "scriptprotokoll.h"

namespace kalotri {

void ScriptProtokoll::ZeileAnfuegen(const std::string& zeile) {
    zeilen_.push_back(ScriptZeile{schrift_, zeile});
}

void ScriptProtokoll::SchriftSetzen(const std::string& schrift) {
    schrift_ = schrift;
}

// Like clearing the real Script: the lines go, the current face stays.
void ScriptProtokoll::Leeren() {
    zeilen_.clear();
}

} // namespace kalotri
