#pragma once

class QString;
class QWidget;

namespace korvanel::qt {

// Tells the user `text` in a warning box captioned kMessageCaption over
// `window`, or over no window, and waits for OK.
void ShowMessageBox(QWidget* window, const QString& text);

}  // namespace korvanel::qt
