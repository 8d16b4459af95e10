#include "platform/qt/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QStringList>

#include <initializer_list>

namespace korvanel::qt {

namespace {

constexpr qreal kDesignPointSize = 8.25;
constexpr qreal kTitlePointSize = 18;
// The list of string frequencies marks its shortened values with it.
constexpr char16_t kEllipsis = u'\u2026';

bool HasEllipsis(const QFont& font) {
  return QRawFont::fromFont(font).supportsCharacter(QChar(kEllipsis));
}

// The first installed family of `candidates` that `fits`, else the system's
// own font of that kind.
template <class Fits>
QFont Resolve(std::initializer_list<const char*> candidates, QFontDatabase::SystemFont kind,
              qreal pointSize, Fits fits) {
  const QStringList installed = QFontDatabase::families();
  for (const char* family : candidates) {
    if (!installed.contains(QLatin1String(family), Qt::CaseInsensitive)) continue;
    QFont font(QString::fromLatin1(family));
    font.setPointSizeF(pointSize);
    if (fits(font)) return font;
  }
  QFont font = QFontDatabase::systemFont(kind);
  font.setPointSizeF(pointSize);
  return font;
}

QFont ResolveSans(qreal pointSize) {
  QFont font = Resolve({"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"},
                       QFontDatabase::GeneralFont, pointSize,
                       [](const QFont& candidate) { return !QFontInfo(candidate).fixedPitch(); });
  // MS Sans Serif runs narrower than the fonts that stand in for it; 2% less
  // advance lets the longest design text keep its last character.
  if (font.family() != QLatin1String("MS Sans Serif")) {
    font.setLetterSpacing(QFont::PercentageSpacing, 98);
  }
  return font;
}

}  // namespace

const QFont& DefaultFont() {
  static const QFont font = ResolveSans(kDesignPointSize);
  return font;
}

const QFont& ListFont() {
  // Fixed pitch keeps the number columns aligned on their points.
  static const QFont font =
      Resolve({"Courier New", "Liberation Mono", "DejaVu Sans Mono"}, QFontDatabase::FixedFont,
              kDesignPointSize, [](const QFont& candidate) {
                return QFontInfo(candidate).fixedPitch() && HasEllipsis(candidate);
              });
  return font;
}

const QFont& TitleFont() {
  static const QFont font = ResolveSans(kTitlePointSize);
  return font;
}

}  // namespace korvanel::qt
