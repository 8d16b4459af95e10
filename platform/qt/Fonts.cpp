#include "platform/qt/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QRawFont>
#include <QStringList>

namespace korvanel::qt {

namespace {

constexpr qreal kDesignPointSize = 8.25;
constexpr qreal kTitlePointSize = 18;
// The list of string frequencies marks its shortened values with it.
constexpr char16_t kEllipsis = u'\u2026';

bool HasEllipsis(const QFont& font) {
  return QRawFont::fromFont(font).supportsCharacter(QChar(kEllipsis));
}

QFont Sized(QFont font, qreal pointSize) {
  font.setPointSizeF(pointSize);
  return font;
}

QFont ResolveSans(qreal pointSize) {
  QFont font = Sized(
      FirstInstalledFont({"MS Sans Serif", "Liberation Sans", "Arial", "DejaVu Sans"},
                         QFontDatabase::GeneralFont,
                         [](const QFont& candidate) { return !QFontInfo(candidate).fixedPitch(); }),
      pointSize);
  // MS Sans Serif runs narrower than the fonts that stand in for it; 2% less
  // advance lets the longest design text keep its last character.
  if (font.family() != QLatin1String("MS Sans Serif")) {
    font.setLetterSpacing(QFont::PercentageSpacing, 98);
  }
  return font;
}

}  // namespace

QFont FirstInstalledFont(const QStringList& candidates, QFontDatabase::SystemFont kind,
                         const std::function<bool(const QFont&)>& fits) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : candidates) {
    if (!installed.contains(family, Qt::CaseInsensitive)) continue;
    QFont font(family);
    if (!fits || fits(font)) return font;
  }
  return QFontDatabase::systemFont(kind);
}

const QFont& DefaultFont() {
  static const QFont font = ResolveSans(kDesignPointSize);
  return font;
}

const QFont& ListFont() {
  // Fixed pitch keeps the number columns aligned on their points.
  static const QFont font =
      Sized(FirstInstalledFont({"Courier New", "Liberation Mono", "DejaVu Sans Mono"},
                               QFontDatabase::FixedFont,
                               [](const QFont& candidate) {
                                 return QFontInfo(candidate).fixedPitch() && HasEllipsis(candidate);
                               }),
            kDesignPointSize);
  return font;
}

const QFont& TitleFont() {
  static const QFont font = ResolveSans(kTitlePointSize);
  return font;
}

}  // namespace korvanel::qt
