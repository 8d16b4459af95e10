// Saving a file on Windows: written beside its place, then moved there
// whole. What a failed save leaves and tells, in a folder of the test's own.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "platform/ControlError.h"
#include "platform/win32/FileSaver.h"
#include "platform/win32/Utf16.h"

namespace korvanel {
namespace {

using win32::WriteWholeFile;

class FileSaverTest : public ::testing::Test {
 protected:
  FileSaverTest() {
    wchar_t temporary[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temporary);
    folder_ = std::wstring(temporary) + L"korvanel-saves-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder_.c_str(), nullptr);
  }
  ~FileSaverTest() override {
    for (const std::wstring& name : Files()) DeleteFileW(PathOf(name).c_str());
    RemoveDirectoryW(folder_.c_str());
  }

  std::wstring PathOf(const std::wstring& name) const { return folder_ + L"\\" + name; }
  std::set<std::wstring> Files() const {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(PathOf(L"*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
      if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.insert(found.cFileName);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
  }
  std::string Bytes(const std::wstring& name) const {
    std::ifstream file(PathOf(name).c_str(), std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }
  // The message of the save's failure, or none.
  static std::string FailureOf(const std::wstring& path, std::string_view bytes) {
    try {
      WriteWholeFile(path, bytes);
    } catch (const ControlError& error) {
      return error.what();
    }
    ADD_FAILURE() << "saved";
    return "";
  }

  std::wstring folder_;
};

TEST_F(FileSaverTest, ASaveReplacesTheOldFileWholeAndLeavesNothingBeside) {
  WriteWholeFile(PathOf(L"board.svg"), std::string(100000, 'o'));
  const std::string bytes = "<svg>\r\n\0</svg>\n";
  WriteWholeFile(PathOf(L"board.svg"), bytes);
  EXPECT_EQ(Bytes(L"board.svg"), bytes);
  EXPECT_EQ(Files(), std::set<std::wstring>{L"board.svg"});
}

// The message names the file and gives the system's reason after it.
TEST_F(FileSaverTest, ARefusedSaveTellsTheFileAndWhyAndLeavesTheFolderAsItWas) {
  WriteWholeFile(PathOf(L"board.svg"), "old");
  struct Refused {
    std::wstring path;
    const char* why;
  };
  const Refused refused[] = {
      {PathOf(L"bo?rd.svg"), "a name the system refuses"},
      {PathOf(L"no such folder\\board.svg"), "a folder that is not there"},
      {PathOf(L"board.svg\\board.svg"), "a file where the folder should be"},
  };
  for (const Refused& save : refused) {
    SCOPED_TRACE(save.why);
    const std::string message = FailureOf(save.path, "new");
    const std::string start =
        "The file " + win32::Utf8FromWide(save.path) + " could not be saved: ";
    ASSERT_TRUE(message.starts_with(start)) << message;
    EXPECT_GT(message.size(), start.size() + 2) << "no reason: " << message;
    EXPECT_TRUE(message.ends_with(".")) << message;
    EXPECT_EQ(Files(), std::set<std::wstring>{L"board.svg"});
    EXPECT_EQ(Bytes(L"board.svg"), "old");
  }
}

// Another program holds the old file open without letting it be replaced
// (an editor, a viewer): the new bytes are written, cannot be moved there,
// and go again.
TEST_F(FileSaverTest, AFileThatCannotBeReplacedStaysAndTheNewBytesGo) {
  WriteWholeFile(PathOf(L"board.dxf"), "old");
  HANDLE held = CreateFileW(PathOf(L"board.dxf").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const std::string message = FailureOf(PathOf(L"board.dxf"), "new");
  CloseHandle(held);
  EXPECT_TRUE(message.starts_with("The file " + win32::Utf8FromWide(PathOf(L"board.dxf"))))
      << message;
  EXPECT_EQ(Files(), std::set<std::wstring>{L"board.dxf"});
  EXPECT_EQ(Bytes(L"board.dxf"), "old");
}

}  // namespace
}  // namespace korvanel
