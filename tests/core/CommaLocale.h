#pragma once

#include <clocale>

namespace korvanel::test {

// Switches the C library to a German locale, whose decimal separator is a
// comma: de_DE.UTF-8 on Linux (scripts/install-deps.sh generates it), or
// German_Germany.1252, the Windows C runtime's name for it. False when
// neither is there.
inline bool UseCommaLocale() {
  for (const char* name : {"de_DE.UTF-8", "German_Germany.1252"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) return true;
  }
  return false;
}

}  // namespace korvanel::test
