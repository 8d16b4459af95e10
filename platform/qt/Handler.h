#pragma once

#include <QString>

#include <exception>
#include <utility>

class QWidget;

namespace korvanel::qt {

// Tells the user something in a message box over `window` and waits for OK.
void ShowMessage(QWidget* window, const QString& text);

// Runs one event handler. Whatever it throws ends the handler, not the
// program: the user reads the error and the window waits for the next event,
// so no exception ever crosses Qt's event loop.
template <class Handler>
void RunHandler(QWidget* window, Handler&& handler) noexcept {
  try {
    std::forward<Handler>(handler)();
  } catch (const std::exception& error) {
    ShowMessage(window, QString::fromUtf8(error.what()));
  } catch (...) {
    ShowMessage(window, QStringLiteral("The command failed."));
  }
}

}  // namespace korvanel::qt
