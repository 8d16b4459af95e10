#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/FileSaver.h"

namespace korvanel::win32 {

// Where the user wants a file saved: a path, or none when cancelled.
using SavePathChooser = std::function<std::optional<std::wstring>(
    HWND owner, const std::wstring& suggestedName, const FileType& type)>;

// The Windows save dialog (comdlg32's GetSaveFileNameW, loaded at its first
// use) over `owner`, with the type's filter and extension, opening in the
// folder saved into last in the run, asking before it replaces a file.
// Fails with ControlError when the dialog cannot be shown.
std::optional<std::wstring> AskSavePath(HWND owner, const std::wstring& suggestedName,
                                        const FileType& type);

// Writes `bytes` into a new file beside `path` (GetTempFileNameW in the same
// folder), flushed, then moves it over `path` (MoveFileExW, replacing and
// writing through), so that `path` is whole or as it was. A ControlError
// names the file and gives the system's reason; the new file goes again.
void WriteWholeFile(const std::wstring& path, std::string_view bytes);

class Win32FileSaver : public FileSaver {
 public:
  explicit Win32FileSaver(HWND owner, SavePathChooser choose = AskSavePath)
      : owner_(owner), choose_(std::move(choose)) {}

  bool Save(std::string_view suggestedName, const FileType& type, std::string_view bytes) override;

 private:
  HWND owner_;
  SavePathChooser choose_;
};

}  // namespace korvanel::win32
