// Writes the template's files for a few boards into a folder, for programs
// we did not write to read back (check_files.py): for each board NAME.svg,
// NAME.dxf and NAME.json (its inputs, its drawing, and its pages' tiles),
// and NAME.pdf, its pages through the small PDF writer below.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "template/Files.h"
#include "template/Pages.h"
#include "tests/template/Samples.h"

namespace {

using namespace korvanel::fret_template;

// A PDF of the pages, lines and texts only, in the base font Helvetica;
// each layer in its own colour so that a reader can tell them apart.
class PdfWriter {
 public:
  std::string Write(const TemplatePages& pages) {
    const std::size_t count = pages.pages.size();
    Object("<< /Type /Catalog /Pages 2 0 R >>");
    std::string kids;
    for (std::size_t i = 0; i < count; ++i) kids += std::to_string(4 + 2 * i) + " 0 R ";
    Object("<< /Type /Pages /Count " + std::to_string(count) + " /Kids [" + kids + "] >>");
    Object("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>");
    for (std::size_t i = 0; i < count; ++i) {
      Object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + Pt(pages.width) + " " +
             Pt(pages.height) + "] /Resources << /Font << /F1 3 0 R >> >> /Contents " +
             std::to_string(5 + 2 * i) + " 0 R >>");
      const std::string content = Content(pages.pages[i].drawing, pages.height);
      Object("<< /Length " + std::to_string(content.size()) + " >>\nstream\n" + content +
             "\nendstream");
    }
    const std::size_t xref = out_.size();
    out_ += "xref\n0 " + std::to_string(offsets_.size() + 1) + "\n0000000000 65535 f \n";
    for (std::size_t offset : offsets_) {
      char line[24];
      std::snprintf(line, sizeof line, "%010zu 00000 n \n", offset);
      out_ += line;
    }
    out_ += "trailer\n<< /Size " + std::to_string(offsets_.size() + 1) +
            " /Root 1 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return out_;
  }

 private:
  static std::string Pt(double millimetres) { return Number(millimetres * 72 / 25.4); }

  static const char* Colour(Layer layer) {
    if (layer == Layer::Frets) return "1 0 0";
    if (layer == Layer::Nut || layer == Layer::Bridge) return "0 0 1";
    if (layer == Layer::Strings) return "0 0.5 0";
    return layer == Layer::Centre ? "0.5 0.5 0.5" : "0 0 0";
  }

  static std::string Content(const Drawing& drawing, double pageHeight) {
    std::string content = "0.28 w 1 J 1 j\n";
    for (const Polyline& line : drawing.lines) {
      content += std::string(Colour(line.layer)) + " RG\n";
      for (std::size_t i = 0; i < line.points.size(); ++i) {
        const Point& point = line.points[i];
        content += Pt(point.x) + " " + Pt(pageHeight - point.y) + (i ? " l\n" : " m\n");
      }
      content += line.closed ? "h S\n" : "S\n";
    }
    for (const Text& text : drawing.texts) {
      // About Helvetica's average advance.
      const double width = 0.52 * text.height * static_cast<double>(text.text.size());
      double x = text.at.x;
      if (text.anchor == TextAnchor::Centre) x -= width / 2;
      if (text.anchor == TextAnchor::Right) x -= width;
      content += "BT /F1 " + Pt(text.height) + " Tf " + Pt(x) + " " + Pt(pageHeight - text.at.y) +
                 " Td (" + text.text + ") Tj ET\n";
    }
    return content;
  }

  void Object(const std::string& body) {
    offsets_.push_back(out_.size());
    out_ += std::to_string(offsets_.size()) + " 0 obj\n" + body + "\nendobj\n";
  }

  std::string out_ = "%PDF-1.4\n";
  std::vector<std::size_t> offsets_;
};

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::filesystem::create_directories(folder);
  for (const Sample& sample : Samples()) {
    const BoardGeometry board = ComputeBoard(sample.inputs);
    const TemplatePages pages = MakePages(board);
    const std::filesystem::path base = folder / sample.name;
    WriteFile(base.string() + ".svg", BoardSvg(board));
    WriteFile(base.string() + ".dxf", BoardDxf(board));
    WriteFile(base.string() + ".pdf", PdfWriter().Write(pages));
    WriteFile(base.string() + ".json", SampleJson(sample, board, pages));
  }
  return 0;
}
