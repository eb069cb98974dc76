// SPDX-License-Identifier: GPL-3.0-or-later
#include "glob_u.h"

std::string RundFormat;
