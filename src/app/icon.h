#pragma once

#include <QIcon>

// The program's icon: window frame, task bar and the Info dialog.
QIcon ProgrammIcon();
