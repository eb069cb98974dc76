// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's icon: window frame, task bar and the Info dialog. The first call makes it
// the application's window icon.
QIcon ProgrammIcon();
