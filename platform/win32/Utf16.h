#pragma once

#include <string>
#include <string_view>

namespace korvanel::win32 {

// The program's texts are UTF-8; the wide Windows API takes UTF-16. Text that
// is not valid UTF-8 is a ControlError rather than a line of replacement
// characters on paper.
std::wstring WideFromUtf8(std::string_view text);

}  // namespace korvanel::win32
