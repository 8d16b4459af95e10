#include "platform/win32/FileSaver.h"

#include <commdlg.h>

#include <memory>
#include <vector>

#include "platform/ControlError.h"
#include "platform/win32/SystemLibrary.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

namespace {

// The folder saved into last in the run; nothing of it is written anywhere.
std::wstring& LastFolder() {
  static std::wstring folder;
  return folder;
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring(L".") : path.substr(0, slash);
}

// The system's words for the last error, without the line end.
std::string Reason(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason =
      length > 0 ? std::wstring(text, length) : L"error " + std::to_wstring(error);
  if (text != nullptr) LocalFree(text);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' ||
                             reason.back() == L' ' || reason.back() == L'.')) {
    reason.pop_back();
  }
  return Utf8FromWide(reason);
}

[[noreturn]] void Fail(const std::wstring& path, DWORD error) {
  throw ControlError("The file " + Utf8FromWide(path) + " could not be saved: " + Reason(error) +
                     ".");
}

struct HandleCloser {
  void operator()(HANDLE handle) const { CloseHandle(handle); }
};

}  // namespace

std::optional<std::wstring> AskSavePath(HWND owner, const std::wstring& suggestedName,
                                        const FileType& type) {
  static auto* const showDialog =
      SystemFunctionAs<decltype(GetSaveFileNameW)>(L"comdlg32.dll", "GetSaveFileNameW");
  static auto* const dialogError =
      SystemFunctionAs<decltype(CommDlgExtendedError)>(L"comdlg32.dll", "CommDlgExtendedError");
  if (showDialog == nullptr || dialogError == nullptr) {
    throw ControlError("The save dialog is not available.");
  }
  const std::wstring description = WideFromUtf8(type.description);
  const std::wstring extension = WideFromUtf8(type.extension);
  // "SVG image (*.svg)", "*.svg", then the end of the list.
  std::wstring filter = description + L" (*." + extension + L")";
  filter += L'\0';
  filter += L"*." + extension;
  filter += L'\0';
  std::vector<wchar_t> file(32768, L'\0');
  suggestedName.copy(file.data(), file.size() - 1);
  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = LastFolder().empty() ? nullptr : LastFolder().c_str();
  dialog.lpstrDefExt = extension.c_str();
  // No "Open as read-only" box, which a save dialog has no use for, and no
  // read-only file chosen to be replaced.
  dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER |
                 OFN_HIDEREADONLY | OFN_NOREADONLYRETURN;
  if (!showDialog(&dialog)) {
    if (dialogError() == 0) return std::nullopt;
    throw ControlError("The save dialog failed.");
  }
  std::wstring path(file.data());
  LastFolder() = FolderOf(path);
  return path;
}

void WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  wchar_t temporary[MAX_PATH + 1]{};
  if (GetTempFileNameW(FolderOf(path).c_str(), L"kor", 0, temporary) == 0) {
    Fail(path, GetLastError());
  }
  DWORD error = ERROR_SUCCESS;
  {
    std::unique_ptr<void, HandleCloser> file(CreateFileW(
        temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
      file.release();
      error = GetLastError();
    } else {
      DWORD written = 0;
      if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                     nullptr) ||
          written != bytes.size() || !FlushFileBuffers(file.get())) {
        error = GetLastError() != ERROR_SUCCESS ? GetLastError() : ERROR_WRITE_FAULT;
      }
    }
  }
  if (error == ERROR_SUCCESS &&
      !MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    error = GetLastError();
  }
  if (error != ERROR_SUCCESS) {
    DeleteFileW(temporary);
    Fail(path, error);
  }
}

bool Win32FileSaver::Save(std::string_view suggestedName, const FileType& type,
                          std::string_view bytes) {
  const std::optional<std::wstring> path = choose_(owner_, WideFromUtf8(suggestedName), type);
  if (!path) return false;
  WriteWholeFile(*path, bytes);
  return true;
}

}  // namespace korvanel::win32
