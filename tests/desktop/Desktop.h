#pragma once

// What the soak needs of a window runtime beyond platform/Runtime.h: the
// runtime itself, and a user in front of its windows. Windows and controls
// are named as in their designs. One implementation per runtime:
// tests/qt/QtDesktop.cpp and tests/win32/Win32Desktop.cpp.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Runtime.h"

namespace korvanel::test {

class Desktop {
 public:
  virtual ~Desktop() = default;

  virtual WindowRuntime& Runtime() = 0;

  // What the user does, in every shown window of that name; nothing when
  // none is shown. Click takes a button or a menu item.
  virtual void Click(std::string_view window, std::string_view control) = 0;
  virtual void Type(std::string_view window, std::string_view comboBox, std::string_view text) = 0;
  virtual void Pick(std::string_view window, std::string_view comboBox, int entry) = 0;
  virtual void PressEnter(std::string_view window, std::string_view control) = 0;
  virtual void CloseBox(std::string_view window) = 0;
  // Delivers what is queued, as the event loop would between two actions.
  virtual void Settle() = 0;

  // What the user sees, read back from the toolkit's controls.
  virtual int Shown(std::string_view window) const = 0;
  virtual std::vector<std::vector<std::string>> Rows(std::string_view window,
                                                     std::string_view list) const = 0;
  virtual std::vector<std::string> Entries(std::string_view window,
                                           std::string_view comboBox) const = 0;

  // The toolkit objects the process holds, by kind.
  virtual std::map<std::string, long> Resources() const = 0;
};

// The runtime of this build, its print jobs made by `makePrintJob`.
std::unique_ptr<Desktop> StartDesktop(WindowRuntime::PrintJobFactory makePrintJob);

}  // namespace korvanel::test
