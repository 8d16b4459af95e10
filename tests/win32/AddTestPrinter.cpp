// Gives a Wine prefix printers to print on without any print system: Wine's
// PostScript driver (wineps.drv) on the FILE: port, with the generic PPD that
// Wine's spooler carries as a resource; the first is made the default
// printer, the second is there to be picked in the print dialog. Wine 8
// finds printers only through CUPS; with no CUPS scheduler it has none.
// Run once per prefix; a printer already there is left as it is.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr wchar_t kPrinter[] = L"Korvanel Test Printer";
constexpr wchar_t kSecondPrinter[] = L"Korvanel Second Printer";
constexpr wchar_t kDriver[] = L"Korvanel Test PostScript";

int Fail(const char* what) {
  std::fprintf(stderr, "add-test-printer: %s failed (error %lu)\n", what, GetLastError());
  return 1;
}

bool PrinterExists(const wchar_t* name) {
  HANDLE printer = nullptr;
  if (!OpenPrinterW(const_cast<wchar_t*>(name), &printer, nullptr)) return false;
  ClosePrinter(printer);
  return true;
}

// Writes Wine's generic PostScript printer description into `path`.
bool WriteGenericPpd(const std::wstring& path) {
  HMODULE spooler = LoadLibraryExW(L"winspool.drv", nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (spooler == nullptr) return false;
  HRSRC found = FindResourceW(spooler, MAKEINTRESOURCEW(1), L"PPDFILE");
  if (found == nullptr) return false;
  const auto* text = static_cast<const char*>(LockResource(LoadResource(spooler, found)));
  if (text == nullptr) return false;
  // The resource may end in padding nulls.
  const DWORD size = static_cast<DWORD>(strnlen(text, SizeofResource(spooler, found)));
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, text, size, &written, nullptr) && written == size;
  CloseHandle(file);
  return ok;
}

}  // namespace

int main() {
  if (!PrinterExists(kPrinter)) {
    wchar_t folder[MAX_PATH];
    DWORD needed = 0;
    if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder),
                                    sizeof folder, &needed)) {
      return Fail("GetPrinterDriverDirectoryW");
    }
    const std::wstring ppd = std::wstring(folder) + L"\\korvanel-test.ppd";
    if (!WriteGenericPpd(ppd)) return Fail("writing the PPD from winspool.drv");

    DRIVER_INFO_3W driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<wchar_t*>(kDriver);
    driver.pDriverPath = const_cast<wchar_t*>(L"wineps.drv");
    driver.pConfigFile = const_cast<wchar_t*>(L"wineps.drv");
    driver.pDataFile = const_cast<wchar_t*>(ppd.c_str());
    driver.pDefaultDataType = const_cast<wchar_t*>(L"RAW");
    if (!AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES)) {
      return Fail("AddPrinterDriverExW");
    }
  }
  for (const wchar_t* name : {kPrinter, kSecondPrinter}) {
    if (PrinterExists(name)) continue;
    PRINTER_INFO_2W info{};
    info.pPrinterName = const_cast<wchar_t*>(name);
    info.pPortName = const_cast<wchar_t*>(L"FILE:");
    info.pDriverName = const_cast<wchar_t*>(kDriver);
    info.pPrintProcessor = const_cast<wchar_t*>(L"WinPrint");
    info.pDatatype = const_cast<wchar_t*>(L"RAW");
    HANDLE printer = AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (printer == nullptr) return Fail("AddPrinterW");
    ClosePrinter(printer);
  }
  if (!SetDefaultPrinterW(kPrinter)) return Fail("SetDefaultPrinterW");
  std::printf("add-test-printer: default printer is \"%ls\"\n", kPrinter);
  return 0;
}
