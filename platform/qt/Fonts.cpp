#include "platform/qt/Fonts.h"

#include <QFontDatabase>
#include <QRawFont>
#include <QStringList>
#include <map>
#include <string>
#include <tuple>

#include "platform/Fonts.h"
#include "platform/qt/Text.h"

namespace korvanel::qt {

namespace {

// The list of string frequencies marks its shortened values with it.
constexpr char16_t kEllipsis = u'\u2026';

bool HasEllipsis(const QFont& font) {
  return QRawFont::fromFont(font).supportsCharacter(QChar(kEllipsis));
}

// What a family is comes from the font database: asking a font object would
// load a font engine at a size no window uses.
bool IsFixedPitch(const QFont& font) { return QFontDatabase::isFixedPitch(font.family()); }

QStringList Candidates(const FontDesign& design) {
  QStringList candidates = Families(DesignFaces(design));
  for (const QString& standIn : Families(StandInFaces(design.fixedPitch))) {
    if (!candidates.contains(standIn, Qt::CaseInsensitive)) candidates << standIn;
  }
  return candidates;
}

QFont ResolveSans(const FontDesign& design) {
  QFont font = FirstInstalledFont(Candidates(design), QFontDatabase::GeneralFont,
                                  [](const QFont& candidate) { return !IsFixedPitch(candidate); });
  // MS Sans Serif runs narrower than the fonts that stand in for it; 2% less
  // advance lets the longest design text keep its last character.
  if (!Families(DesignFaces(design)).contains(font.family(), Qt::CaseInsensitive)) {
    font.setLetterSpacing(QFont::PercentageSpacing, 98);
  }
  return font;
}

// Fixed pitch keeps the number columns aligned on their points. The glyph is
// looked for at the size the lists show, whose font engine they use next.
QFont ResolveFixed(const FontDesign& design) {
  return FirstInstalledFont(Candidates(design), QFontDatabase::FixedFont,
                            [points = design.points](const QFont& candidate) {
                              if (!IsFixedPitch(candidate)) return false;
                              QFont sized = candidate;
                              sized.setPointSizeF(points);
                              return HasEllipsis(sized);
                            });
}

}  // namespace

QStringList Families(std::span<const std::string_view> faces) {
  QStringList families;
  for (const std::string_view face : faces) families << Utf8Text(face);
  return families;
}

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

QFont DesignFont(const FontDesign& design) {
  // Few designs, looked up once each.
  static std::map<std::tuple<std::string, float, bool>, QFont> resolved;
  const std::tuple<std::string, float, bool> key(design.face, design.points, design.fixedPitch);
  auto found = resolved.find(key);
  if (found == resolved.end()) {
    QFont font = design.fixedPitch ? ResolveFixed(design) : ResolveSans(design);
    font.setPointSizeF(design.points);
    found = resolved.emplace(key, font).first;
  }
  return found->second;
}

QFont DefaultFont() { return DesignFont(kDefaultFont); }

QFont ListFont() { return DesignFont(kListFont); }

}  // namespace korvanel::qt
