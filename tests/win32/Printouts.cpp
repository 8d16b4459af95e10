#include "Printouts.h"

#include <windows.h>
#include <winspool.h>

#include <fstream>
#include <sstream>

namespace korvanel::test {

std::wstring PrintoutPath(std::wstring_view name) {
  wchar_t value[MAX_PATH];
  const DWORD length = GetEnvironmentVariableW(L"KORVANEL_PRINTOUT_DIR", value, MAX_PATH);
  std::wstring folder = length > 0 && length < MAX_PATH ? value : L".";
  if (folder.starts_with(L"/")) {
    for (wchar_t& c : folder) {
      if (c == L'/') c = L'\\';
    }
    folder = L"Z:" + folder;
  }
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder + L"\\" + std::wstring(name);
}

void RemoveFile(const std::wstring& path) { DeleteFileW(path.c_str()); }

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string FileText(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

int PostScriptPageCount(const std::string& postScript) {
  int pages = 0;
  std::istringstream lines(postScript);
  for (std::string line; std::getline(lines, line);) {
    if (line.starts_with("%%Page:")) ++pages;
  }
  return pages;
}

win32::UniqueDc DefaultPrinterDc() {
  wchar_t name[256];
  DWORD size = 256;
  if (!GetDefaultPrinterW(name, &size)) return {};
  return win32::UniqueDc(CreateDCW(L"WINSPOOL", name, nullptr, nullptr));
}

void WriteExpected(const std::wstring& path, int pages, const std::vector<ExpectedLine>& lines) {
  std::ofstream file(path.c_str(), std::ios::binary);
  file << "pages " << pages << '\n';
  for (const ExpectedLine& line : lines) file << (line.heading ? "H " : "R ") << line.text << '\n';
}

}  // namespace korvanel::test
