// Prints the fret report for one scale length into a PDF file, to look at
// the page without a printer: korvanel_print_sample LENGTH OUTPUT.pdf
#include <QGuiApplication>
#include <QString>
#include <cstdio>
#include <exception>

#include "PdfReport.h"
#include "core/FretTable.h"
#include "core/NumberReading.h"

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s LENGTH OUTPUT.pdf\n", argv[0]);
    return 2;
  }
  korvanel::FretTable table;
  table.ScaleLength = korvanel::ReadNumber(argv[1]).value;
  try {
    korvanel::ComputeFrets(table);
    korvanel::test::PrintReportToPdf(table, ".", QString::fromLocal8Bit(argv[2]));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
