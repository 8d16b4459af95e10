#pragma once

#include <QString>

#include <iterator>
#include <string_view>

namespace korvanel::qt {

// The program's texts are UTF-8; Qt's are UTF-16.
inline QString Utf8Text(std::string_view text) {
  return QString::fromUtf8(text.data(), std::ssize(text));
}

}  // namespace korvanel::qt
