// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The program-wide mask of the fixed number form: "0." followed by N times "0".
// Empty until the options dialog is created.
extern std::string RundFormat;
