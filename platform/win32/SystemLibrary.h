#pragma once

#include <windows.h>

namespace korvanel::win32 {

// A function of a Windows DLL that is loaded at its first use rather than
// when the program starts: the print dialog's comdlg32 brings the spooler
// and the shell's libraries with it, which a user who never prints should
// not wait for. Only the system folder is searched. Null when the DLL or
// the function is missing; the DLL stays loaded.
inline FARPROC SystemFunction(const wchar_t* library, const char* name) {
  HMODULE module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  return module != nullptr ? GetProcAddress(module, name) : nullptr;
}

template <class Function>
Function* SystemFunctionAs(const wchar_t* library, const char* name) {
  // Through the generic function type, which g++ lets any function pointer
  // be cast to and from.
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(SystemFunction(library, name)));
}

}  // namespace korvanel::win32
