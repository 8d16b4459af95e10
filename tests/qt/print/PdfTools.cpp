#include "PdfTools.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTextDocumentFragment>
#include <algorithm>
#include <cmath>

namespace korvanel::test {

namespace {

// Words of one line have the same top to within rounding of the tool.
constexpr double kSameLine = 0.01;

QString Unescaped(const QString& html) {
  return QTextDocumentFragment::fromHtml(html).toPlainText();
}

}  // namespace

bool HasTool(const QString& program) { return !QStandardPaths::findExecutable(program).isEmpty(); }

std::optional<QString> RunTool(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
      process.exitCode() != 0) {
    return std::nullopt;
  }
  return QString::fromUtf8(process.readAllStandardOutput());
}

std::vector<Word> PdfWords(const QString& pdfPath) {
  const std::optional<QString> html = RunTool("pdftotext", {"-bbox", pdfPath, "-"});
  if (!html) return {};
  static const QRegularExpression tag(
      "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
      "yMax=\"[\\d.]+\">([^<]*)</word>");
  std::vector<Word> words;
  int page = 0;
  for (auto match = tag.globalMatch(*html); match.hasNext();) {
    const QRegularExpressionMatch m = match.next();
    if (m.captured(0) == "<page ") {
      ++page;
      continue;
    }
    words.push_back({page, m.captured(1).toDouble(), m.captured(2).toDouble(),
                     m.captured(3).toDouble(), Unescaped(m.captured(4))});
  }
  return words;
}

QString PdfLine::Text() const {
  QStringList texts;
  for (const Word& word : words) texts << word.text;
  return texts.join(' ');
}

std::vector<PdfLine> PdfLines(const QString& pdfPath) {
  // The tool lists the words of a table column by column: sort them back
  // into lines.
  std::vector<Word> words = PdfWords(pdfPath);
  std::sort(words.begin(), words.end(), [](const Word& a, const Word& b) {
    if (a.page != b.page) return a.page < b.page;
    if (std::abs(a.yMin - b.yMin) > kSameLine) return a.yMin < b.yMin;
    return a.xMin < b.xMin;
  });
  std::vector<PdfLine> lines;
  for (const Word& word : words) {
    if (lines.empty() || lines.back().page != word.page ||
        std::abs(lines.back().top - word.yMin) > kSameLine) {
      lines.push_back({word.page, word.yMin, {}});
    }
    lines.back().words.push_back(word);
  }
  return lines;
}

int PageCount(const QString& pdfPath) {
  const auto info = RunTool("pdfinfo", {pdfPath});
  if (!info) return -1;
  for (const QString& line : info->split('\n')) {
    if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
  }
  return -1;
}

}  // namespace korvanel::test
