#pragma once

// Where the print tests put their documents, and reading them back.

#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/Printer.h"

namespace korvanel::test {

// The file `name` in the folder of KORVANEL_PRINTOUT_DIR (made if missing),
// as a Windows path. Under Wine the variable may be a Unix path: Wine's
// drive Z: is the Unix root. Without it, the current folder.
std::wstring PrintoutPath(std::wstring_view name);

// Deletes the file, so that a test never reads a document of an earlier run.
void RemoveFile(const std::wstring& path);
bool FileExists(const std::wstring& path);
std::string FileText(const std::wstring& path);

// The number of pages in a PostScript document ("%%Page:" comments).
int PostScriptPageCount(const std::string& postScript);

// A device context of the default printer, or none.
win32::UniqueDc DefaultPrinterDc();

// Writes the lines that a printout must show, for check_printout.py: "pages
// N", then one line per printed line, "H " (heading, bold) or "R " (regular)
// followed by its text; an empty text is an empty line.
struct ExpectedLine {
  std::string text;
  bool heading = false;
};
void WriteExpected(const std::wstring& path, int pages, const std::vector<ExpectedLine>& lines);

}  // namespace korvanel::test
