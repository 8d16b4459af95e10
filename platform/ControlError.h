#pragma once

#include <stdexcept>
#include <string>

namespace korvanel {

// The one error a failed operation on a window, control, dialog or printer
// raises. It ends the handler that made the call, unless that caller traps it.
class ControlError : public std::runtime_error {
 public:
  explicit ControlError(const std::string& message) : std::runtime_error(message) {}
};

// The user cancelled: a dialog was closed without confirming it. A caller
// with nothing to tell the user then ends quietly.
class Cancelled : public ControlError {
 public:
  explicit Cancelled(const std::string& message) : ControlError(message) {}
};

}  // namespace korvanel
