#pragma once

// Reading a PDF back with the poppler tools: its text laid out as lines, and
// the box of every word.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace korvanel::test {

// Runs `program` with `arguments` and returns its standard output, or
// nothing when the program is missing or fails.
std::optional<QString> RunTool(const QString& program, const QStringList& arguments);

bool HasTool(const QString& program);

// The number of pages `pdfinfo` finds in the file, or -1 when it cannot tell.
int PageCount(const QString& pdfPath);

struct Word {
  int page = 0;
  double xMin = 0;
  double yMin = 0;
  double xMax = 0;
  QString text;
};

// The words of `pdftotext -bbox`, page by page in the tool's reading order.
std::vector<Word> PdfWords(const QString& pdfPath);

// The words of one printed line: the words of a page sharing one top.
struct PdfLine {
  int page = 0;
  double top = 0;
  std::vector<Word> words;

  QString Text() const;  // the words joined by single blanks
};

// The printed lines, top to bottom, each with its words left to right.
std::vector<PdfLine> PdfLines(const QString& pdfPath);

}  // namespace korvanel::test
