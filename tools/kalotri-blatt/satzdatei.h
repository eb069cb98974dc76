// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ausgabesatz.h"

#include <QIODevice>

#include <functional>
#include <optional>
#include <string>

namespace kalotri::blatt {

// Writes one file of the set through Qt: `schreibe` paints or writes into the device it
// is given. Qt's writers do not report write errors themselves; the device counts every
// byte and keeps the system's reason for the first that did not go out.
std::optional<std::string> SchreibeInSatz(Ausgabesatz& satz, const std::string& ziel,
                                          const std::function<void(QIODevice&)>& schreibe);

} // namespace kalotri::blatt
