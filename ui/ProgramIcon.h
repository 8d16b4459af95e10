#pragma once

#include <QIcon>

namespace korvanel {

// The program's icon, shared by its windows. Its images load when first drawn.
QIcon ProgramIcon();

}  // namespace korvanel
