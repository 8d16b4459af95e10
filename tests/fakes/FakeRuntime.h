#pragma once

// The null runtime with what the tests of the runtime's core ask beyond it:
// how often each window was made, a window that cannot be made, the user's
// decimal separator, the exit code of the event loop, a form that tells when
// it is deleted, and print jobs set after the runtime is made.

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/null/Form.h"
#include "platform/null/Runtime.h"

namespace korvanel::test {

class FakeForm : public null::NullForm {
 public:
  using NullForm::NullForm;
  ~FakeForm() override {
    if (deleted != nullptr) *deleted = true;
  }

  bool* deleted = nullptr;
};

class FakeRuntime : public null::NullRuntime {
 public:
  int Run() override { return exitCode; }
  std::string DecimalSeparator() const override { return decimalSeparator; }

  FakeForm* Loaded(std::string_view name) const {
    return static_cast<FakeForm*>(NullRuntime::Loaded(name));
  }

  std::map<std::string, int> loads;
  int exitCode = 0;
  std::string decimalSeparator = ".";
  // The print jobs of the print commands; none, the null runtime's.
  PrintJobFactory makeJob;
  // The window of that design name cannot be made.
  std::string failingWindow;

 protected:
  std::unique_ptr<Form> MakeForm(Window& window) override {
    const std::string name(window.Design().name);
    if (name == failingWindow) throw ControlError("The window " + name + " could not be made.");
    ++loads[name];
    return std::make_unique<FakeForm>(*this, window);
  }
  std::unique_ptr<PrintJob> DefaultPrintJob(Form& over) override {
    return makeJob ? makeJob(over) : NullRuntime::DefaultPrintJob(over);
  }
};

}  // namespace korvanel::test
