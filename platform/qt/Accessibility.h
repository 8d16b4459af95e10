#pragma once

namespace korvanel::qt {

// Gives the program's windows the roles by which screen readers announce
// them. Qt takes a plain top-level widget for a client area (AT-SPI calls it
// a "filler"), so the information windows would open unannounced. Safe to
// call more than once.
void InstallAccessibleRoles();

}  // namespace korvanel::qt
