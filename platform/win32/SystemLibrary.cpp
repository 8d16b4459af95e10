#include "platform/win32/SystemLibrary.h"

namespace korvanel::win32 {

FARPROC SystemFunction(const wchar_t* library, const char* name) {
  HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

}  // namespace korvanel::win32
