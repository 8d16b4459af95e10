// Gives a Wine prefix printers to print on without any print system: Wine's
// PostScript driver (wineps.drv) on the FILE: port, with the generic PPD that
// Wine's spooler carries as a resource; the first is made the default
// printer, the second is there to be picked in the print dialog. Wine 8
// finds printers only through CUPS; with no CUPS scheduler it has none.
// Run once per prefix; a printer already there is left as it is.
//
// Which print processor turns the driver's jobs into PostScript depends on
// the Wine: Wine 8's driver spools RAW PostScript, which WinPrint passes on
// and the "wineps" processor refuses; Wine 9 and later spool EMF, which only
// "wineps" takes. A page printed through each processor in turn finds the
// one that prints.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Printer.h"

namespace {

constexpr wchar_t kPrinter[] = L"Korvanel Test Printer";
constexpr wchar_t kSecondPrinter[] = L"Korvanel Second Printer";
constexpr wchar_t kProbePrinter[] = L"Korvanel Probe Printer";
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

bool AddDriver() {
  wchar_t folder[MAX_PATH];
  DWORD needed = 0;
  if (!GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(folder),
                                  sizeof folder, &needed)) {
    return false;
  }
  const std::wstring ppd = std::wstring(folder) + L"\\korvanel-test.ppd";
  if (!WriteGenericPpd(ppd)) return false;
  DRIVER_INFO_3W driver{};
  driver.cVersion = 3;
  driver.pName = const_cast<wchar_t*>(kDriver);
  driver.pDriverPath = const_cast<wchar_t*>(L"wineps.drv");
  driver.pConfigFile = const_cast<wchar_t*>(L"wineps.drv");
  driver.pDataFile = const_cast<wchar_t*>(ppd.c_str());
  driver.pDefaultDataType = const_cast<wchar_t*>(L"RAW");
  return AddPrinterDriverExW(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES);
}

// The installed print processors, WinPrint (Windows' own) first.
std::vector<std::wstring> PrintProcessors() {
  DWORD needed = 0;
  DWORD count = 0;
  EnumPrintProcessorsW(nullptr, nullptr, 1, nullptr, 0, &needed, &count);
  std::vector<BYTE> buffer(needed);
  if (!EnumPrintProcessorsW(nullptr, nullptr, 1, buffer.data(), needed, &needed, &count)) return {};
  std::vector<std::wstring> processors;
  for (DWORD i = 0; i < count; ++i) {
    const wchar_t* name = reinterpret_cast<PRINTPROCESSOR_INFO_1W*>(buffer.data())[i].pName;
    processors.insert(_wcsicmp(name, L"WinPrint") == 0 ? processors.begin() : processors.end(),
                      name);
  }
  return processors;
}

// RAW is only the printer's default: GDI names the datatype of each job it
// spools (Wine's spooler has no list of a processor's datatypes to offer).
HANDLE AddFilePrinter(const wchar_t* name, const std::wstring& processor) {
  PRINTER_INFO_2W info{};
  info.pPrinterName = const_cast<wchar_t*>(name);
  info.pPortName = const_cast<wchar_t*>(L"FILE:");
  info.pDriverName = const_cast<wchar_t*>(kDriver);
  info.pPrintProcessor = const_cast<wchar_t*>(processor.c_str());
  info.pDatatype = const_cast<wchar_t*>(L"RAW");
  return AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
}

// Whether a page printed on `printer` into `file` comes out as PostScript.
bool PrintsPostScript(const wchar_t* printer, const std::wstring& file) {
  DeleteFileW(file.c_str());
  korvanel::win32::UniqueDc dc(CreateDCW(L"WINSPOOL", printer, nullptr, nullptr));
  if (!dc) return false;
  DOCINFOW document{};
  document.cbSize = sizeof document;
  document.lpszDocName = L"Korvanel probe";
  document.lpszOutput = file.c_str();
  if (StartDocW(dc.get(), &document) <= 0) return false;
  const bool printed =
      StartPage(dc.get()) > 0 && TextOutW(dc.get(), 100, 100, L"probe", 5) && EndPage(dc.get()) > 0;
  if (EndDoc(dc.get()) <= 0 || !printed) return false;
  char start[4]{};
  std::ifstream(file.c_str(), std::ios::binary).read(start, sizeof start);
  DeleteFileW(file.c_str());
  return std::memcmp(start, "%!PS", sizeof start) == 0;
}

// The first print processor through which a page prints, each tried on a
// printer added for it and deleted after.
std::optional<std::wstring> ProcessorThatPrints() {
  wchar_t folder[MAX_PATH];
  if (GetTempPathW(MAX_PATH, folder) == 0) return std::nullopt;
  const std::wstring file = std::wstring(folder) + L"korvanel-probe.ps";
  for (const std::wstring& processor : PrintProcessors()) {
    HANDLE probe = AddFilePrinter(kProbePrinter, processor);
    if (probe == nullptr) continue;
    const bool prints = PrintsPostScript(kProbePrinter, file);
    DeletePrinter(probe);
    ClosePrinter(probe);
    std::printf("add-test-printer: the %ls print processor %s\n", processor.c_str(),
                prints ? "prints the driver's jobs" : "does not print the driver's jobs");
    if (prints) return processor;
  }
  return std::nullopt;
}

// Prints at 1200 dpi, as laser printers can (Wine's driver starts at 300):
// every point of a page is on a pixel, 0.02 mm, so that the pages of a
// template put together by their crosses can be checked to 0.05 mm.
bool PrintAt1200Dpi(const wchar_t* name) {
  PRINTER_DEFAULTSW access{nullptr, nullptr, PRINTER_ALL_ACCESS};
  HANDLE printer = nullptr;
  if (!OpenPrinterW(const_cast<wchar_t*>(name), &printer, &access)) return false;
  DWORD needed = 0;
  GetPrinterW(printer, 2, nullptr, 0, &needed);
  std::vector<BYTE> info(needed);
  const LONG size =
      DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(name), nullptr, nullptr, 0);
  std::vector<BYTE> mode(static_cast<std::size_t>(size > 0 ? size : 0));
  auto* devMode = reinterpret_cast<DEVMODEW*>(mode.data());
  bool done = size > 0 && GetPrinterW(printer, 2, info.data(), needed, &needed) &&
              DocumentPropertiesW(nullptr, printer, const_cast<wchar_t*>(name), devMode, nullptr,
                                  DM_OUT_BUFFER) == IDOK;
  if (done) {
    devMode->dmFields |= DM_PRINTQUALITY | DM_YRESOLUTION;
    devMode->dmPrintQuality = 1200;
    devMode->dmYResolution = 1200;
    auto* details = reinterpret_cast<PRINTER_INFO_2W*>(info.data());
    details->pDevMode = devMode;
    details->pSecurityDescriptor = nullptr;
    done = SetPrinterW(printer, 2, info.data(), 0);
  }
  ClosePrinter(printer);
  return done;
}

}  // namespace

int main() {
  if (!PrinterExists(kPrinter) && !AddDriver()) return Fail("installing the PostScript driver");
  if (!PrinterExists(kPrinter) || !PrinterExists(kSecondPrinter)) {
    const std::optional<std::wstring> processor = ProcessorThatPrints();
    if (!processor) {
      std::fprintf(stderr, "add-test-printer: no print processor prints the driver's jobs\n");
      return 1;
    }
    for (const wchar_t* name : {kPrinter, kSecondPrinter}) {
      if (PrinterExists(name)) continue;
      HANDLE printer = AddFilePrinter(name, *processor);
      if (printer == nullptr) return Fail("AddPrinterW");
      ClosePrinter(printer);
    }
  }
  for (const wchar_t* name : {kPrinter, kSecondPrinter}) {
    if (!PrintAt1200Dpi(name)) return Fail("setting the resolution");
  }
  if (!SetDefaultPrinterW(kPrinter)) return Fail("SetDefaultPrinterW");
  std::printf("add-test-printer: default printer is \"%ls\"\n", kPrinter);
  return 0;
}
