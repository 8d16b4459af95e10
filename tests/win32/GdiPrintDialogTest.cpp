// The print dialog shown for real (under Wine: with Xvfb) and answered by a
// helper thread, as a user would with the mouse.
#include <gtest/gtest.h>
#include <windows.h>

#include <dlgs.h>  // after windows.h, which it needs

#include <string>

#include "PrintDialogAnswer.h"
#include "Printouts.h"
#include "core/FretTable.h"
#include "platform/ControlError.h"
#include "platform/win32/PrintJob.h"
#include "platform/win32/Printer.h"
#include "report/FretReport.h"

namespace korvanel {
namespace {

using test::DialogAnswer;
using win32::GdiPrintDialog;
using win32::GdiPrinter;

struct CheckBoxState {
  bool exists = false;
  bool visible = false;
  bool enabled = false;
  bool ticked = false;
};

CheckBoxState PrintToFileBox(HWND dialog) {
  HWND box = GetDlgItem(dialog, chx1);
  if (box == nullptr) return {};
  return {true, IsWindowVisible(box) != FALSE, IsWindowEnabled(box) != FALSE,
          SendMessageW(box, BM_GETCHECK, 0, 0) == BST_CHECKED};
}

TEST(GdiPrintDialogTest, CancellingIsAnErrorAndLeavesThePrinterWithoutDevice) {
  GdiPrinter printer;
  win32::PrinterChoice choice;
  GdiPrintDialog dialog(printer, nullptr, choice);
  DialogAnswer answer(IDCANCEL);
  try {
    dialog.ShowPrinter();
    ADD_FAILURE() << "the cancelled dialog completed";
  } catch (const ControlError& error) {
    EXPECT_STREQ(error.what(), "Printing was cancelled.");
  }
  EXPECT_TRUE(answer.Seen());
  EXPECT_THROW(printer.PrintLine("   Korvanel"), ControlError);
  EXPECT_NO_THROW(printer.EndDoc());
}

TEST(GdiPrintDialogTest, OfferedPrintToFileIsAnUntickedCheckBox) {
  GdiPrinter printer;
  win32::PrinterChoice choice;
  GdiPrintDialog dialog(printer, nullptr, choice);
  dialog.SetPrintToFileOffered(true);
  CheckBoxState box;
  DialogAnswer answer(IDCANCEL, [&box](HWND window) { box = PrintToFileBox(window); });
  EXPECT_THROW(dialog.ShowPrinter(), ControlError);
  ASSERT_TRUE(answer.Seen());
  EXPECT_TRUE(box.exists);
  EXPECT_TRUE(box.visible);
  EXPECT_TRUE(box.enabled);
  EXPECT_FALSE(box.ticked);
}

TEST(GdiPrintDialogTest, PrintToFileNotOfferedIsHidden) {
  GdiPrinter printer;
  win32::PrinterChoice choice;
  GdiPrintDialog dialog(printer, nullptr, choice);
  dialog.SetPrintToFileOffered(false);
  CheckBoxState box;
  DialogAnswer answer(IDCANCEL, [&box](HWND window) { box = PrintToFileBox(window); });
  EXPECT_THROW(dialog.ShowPrinter(), ControlError);
  ASSERT_TRUE(answer.Seen());
  EXPECT_FALSE(box.visible);
}

TEST(GdiPrintDialogTest, ConfirmingHandsTheChosenPrinterToThePrinter) {
  const std::wstring ps = test::PrintoutPath(L"dialog.ps");
  test::RemoveFile(ps);
  GdiPrinter printer(nullptr, ps);
  win32::PrinterChoice choice;
  GdiPrintDialog dialog(printer, nullptr, choice);
  FretTable table;
  table.ScaleLength = 650;
  ComputeFrets(table);
  {
    DialogAnswer answer(IDOK);
    PrintFretTable(table, ".", dialog, printer);
    EXPECT_TRUE(answer.Seen());
  }
  EXPECT_EQ(table.FretIndex, 25);
  ASSERT_NO_THROW(printer.EndDoc());
  EXPECT_EQ(test::PostScriptPageCount(test::FileText(ps)), 1);

  // The same dialog again: another document.
  test::RemoveFile(ps);
  {
    DialogAnswer answer(IDOK);
    PrintFretTable(table, ".", dialog, printer);
  }
  ASSERT_NO_THROW(printer.EndDoc());
  EXPECT_EQ(test::PostScriptPageCount(test::FileText(ps)), 1);
}

// File > Print cancelled: the report prints nothing and ending the document,
// which the menu command always does, is quiet.
TEST(GdiPrintJobTest, CancelledJobEndsWithoutDocument) {
  win32::PrinterChoice choice;
  win32::GdiPrintJob job(nullptr, nullptr, choice);
  FretTable table;
  {
    DialogAnswer answer(IDCANCEL);
    PrintFretTable(table, ".", job.Dialog(), job.LinePrinter());
    EXPECT_TRUE(answer.Seen());
  }
  EXPECT_EQ(table.FretIndex, 0);
  EXPECT_NO_THROW(job.LinePrinter().EndDoc());
}

// File > Print again in the same run: the dialog opens on the printer
// confirmed in the one before.
TEST(GdiPrintJobTest, NextJobOpensOnThePrinterConfirmedLast) {
  win32::PrinterChoice choice;
  wchar_t shown[64] = L"";
  for (int print = 1; print <= 2; ++print) {
    win32::GdiPrintJob job(nullptr, nullptr, choice);
    DialogAnswer answer(IDOK, [&](HWND dialog) {
      HWND printers = GetDlgItem(dialog, cmb4);
      GetWindowTextW(printers, shown, 64);
      SendMessageW(printers, CB_SELECTSTRING, WPARAM(-1),
                   reinterpret_cast<LPARAM>(L"Korvanel Second Printer"));
      SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(cmb4, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(printers));
    });
    job.Dialog().ShowPrinter();
    ASSERT_TRUE(answer.Seen());
  }
  EXPECT_STREQ(shown, L"Korvanel Second Printer");
}

}  // namespace
}  // namespace korvanel
