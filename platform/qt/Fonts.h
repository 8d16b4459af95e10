#pragma once

#include <QFont>
#include <QFontDatabase>
#include <QStringList>
#include <functional>

namespace korvanel::qt {

// The three fonts of the windows, each looked up once. Where the design's
// font is missing (always, off Windows) a font of the same kind and size
// stands in for it.

// The first family of `candidates` that the system has and that `fits` (any
// installed one, without a test), else the system's own font of `kind`. The
// size is left to the caller.
QFont FirstInstalledFont(const QStringList& candidates, QFontDatabase::SystemFont kind,
                         const std::function<bool(const QFont&)>& fits = {});

// "MS Sans Serif" 8.25 pt: labels, buttons, menus and the combo box.
const QFont& DefaultFont();
// "Courier New" 8.25 pt: both report lists.
const QFont& ListFont();
// "MS Sans Serif" 18 pt: the About title.
const QFont& TitleFont();

}  // namespace korvanel::qt
