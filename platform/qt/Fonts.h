#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <functional>
#include <span>
#include <string_view>

#include "platform/WindowDesign.h"

namespace korvanel::qt {

// The fonts of the window designs, each looked up once: the first of the
// design's faces and their stand-ins (platform/Fonts.h) that the system has,
// of the pitch the design gives.

// `faces` as Qt's family names.
QStringList Families(std::span<const std::string_view> faces);

// The first family of `candidates` that the system has and that `fits` (any
// installed one, without a test), else the system's own font of `kind`. The
// size is left to the caller.
QFont FirstInstalledFont(const QStringList& candidates, QFontDatabase::SystemFont kind,
                         const std::function<bool(const QFont&)>& fits = {});

// The font of a design, or the one standing in for it. A copy: QFont is
// implicitly shared, and no caller holds on to the cache.
QFont DesignFont(const FontDesign& design);

// "MS Sans Serif" 8.25 pt: labels, buttons, menus and the combo box.
QFont DefaultFont();
// "Courier New" 8.25 pt: both report lists.
QFont ListFont();

}  // namespace korvanel::qt
