#pragma once

#include <QFont>

namespace korvanel::qt {

// The three fonts of the windows, each looked up once. Where the design's
// font is missing (always, off Windows) a font of the same kind and size
// stands in for it.

// "MS Sans Serif" 8.25 pt: labels, buttons, menus and the combo box.
const QFont& DefaultFont();
// "Courier New" 8.25 pt: both report lists.
const QFont& ListFont();
// "MS Sans Serif" 18 pt: the About title.
const QFont& TitleFont();

}  // namespace korvanel::qt
