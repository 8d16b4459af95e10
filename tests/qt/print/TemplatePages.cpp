// Prints the template's pages of each sample board through the Qt printer
// into NAME-qt.pdf, beside NAME.json, for check_files.py --printed to read
// back: korvanel_template_pages FOLDER
#include <QGuiApplication>
#include <QPrinter>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>

#include "platform/qt/Printer.h"
#include "template/Picture.h"
#include "tests/template/Samples.h"

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  using namespace korvanel::fret_template;
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  try {
    for (const Sample& sample : Samples()) {
      const BoardGeometry board = ComputeBoard(sample.inputs);
      const TemplatePages pages = MakePages(board);
      const std::filesystem::path base = folder / sample.name;
      std::ofstream(base.string() + ".json", std::ios::binary) << SampleJson(sample, board, pages);
      QPrinter device(QPrinter::HighResolution);
      device.setOutputFormat(QPrinter::PdfFormat);
      device.setOutputFileName(QString::fromStdString(base.string() + "-qt.pdf"));
      korvanel::qt::QtPrinter printer(device);
      printer.SetPaper(pages.width, pages.height);
      for (const Page& page : pages.pages) printer.PrintPage(PagePicture(page, pages));
      printer.EndDoc();
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s\n", error.what());
    return 1;
  }
  return 0;
}
