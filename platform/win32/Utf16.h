#pragma once

#include <string>
#include <string_view>

namespace korvanel::win32 {

// The program's texts are UTF-8; the wide Windows API takes UTF-16. Text that
// is not valid UTF-8 is a ControlError rather than a line of replacement
// characters on paper.
std::wstring WideFromUtf8(std::string_view text);

// The same for text that must reach the user whatever it holds (an error's
// message): invalid bytes become replacement characters. Never throws
// ControlError.
std::wstring WideFromUtf8Lenient(std::string_view text);

// UTF-16 from a control back to the program's UTF-8.
std::string Utf8FromWide(std::wstring_view text);

}  // namespace korvanel::win32
