// SPDX-License-Identifier: GPL-3.0-or-later
#include "auszeichnung.h"

namespace kalotri::blatt {

Auszeichnung::Auszeichnung(QPainter* p, const char* rolle, const std::string& alt) : rolle_(rolle) {
    if (p != nullptr && rolle != nullptr) {
        ziel_ = dynamic_cast<Strukturziel*>(p->device());
    }
    if (ziel_ != nullptr) {
        ziel_->Beginne(rolle_, alt);
    }
}

Auszeichnung::~Auszeichnung() {
    if (ziel_ != nullptr) {
        ziel_->Ende(rolle_);
    }
}

} // namespace kalotri::blatt
