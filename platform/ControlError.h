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

}  // namespace korvanel
