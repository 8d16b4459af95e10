#pragma once

#include <QIcon>

namespace korvanel::qt {

// The program's icon in 16, 32, 48 and 64 pixels, shared by its windows.
QIcon ProgramIcon();

}  // namespace korvanel::qt
