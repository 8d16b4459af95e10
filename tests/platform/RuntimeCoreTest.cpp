// The window runtime's core, on a toolkit side that records what it is asked:
// the record of loaded windows, Show / Unload / End, handlers and their
// errors, print jobs.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ControlError.h"
#include "tests/fakes/FakeRuntime.h"
#include "tests/fakes/RecordingPrint.h"

namespace korvanel {
namespace {

using testing::FakeForm;
using testing::FakeRuntime;

constexpr ListColumn kColumns[] = {{"A", 600}};
constexpr ControlDesign kControls[] = {
    {.kind = ControlKind::Label, .name = "lbl", .tabIndex = 0, .labelFor = "lst"},
    {.kind = ControlKind::Button, .name = "btnB", .tabIndex = 2},
    {.kind = ControlKind::ComboBox, .name = "cmb", .tabIndex = 1},
    {.kind = ControlKind::List, .name = "lst", .tabIndex = 2, .columns = kColumns},
    {.kind = ControlKind::Button, .name = "btnA", .tabIndex = 0},
};
constexpr WindowDesign kDesign{.name = "Probe", .caption = "", .controls = kControls};

class Probe : public FormEvents {
 public:
  void Form_Load() override {
    shownAtLoad = form().shown;
    if (onLoad) onLoad();
  }
  void Click(std::string_view control) override {
    clicks.emplace_back(control);
    if (onClick) onClick();
  }
  FakeForm& form() const { return static_cast<FakeForm&>(LoadedForm()); }

  bool shownAtLoad = true;
  std::vector<std::string> clicks;
  std::function<void()> onLoad;
  std::function<void()> onClick;
};

TEST(RuntimeCoreTest, ShowLoadsOnceBeforeShowingAndUnloadLetsTheNextShowLoadAgain) {
  Probe probe;  // Outlives the runtime, as the program's windows do.
  FakeRuntime runtime;
  runtime.Show(kDesign, probe);
  FakeForm& form = probe.form();
  EXPECT_FALSE(probe.shownAtLoad);
  EXPECT_TRUE(form.shown);
  runtime.Show(kDesign, probe);
  EXPECT_EQ(runtime.loads["Probe"], 1);
  EXPECT_EQ(form.broughtForward, 2);
  EXPECT_EQ(runtime.FormOf(probe), &form);

  runtime.Unload(probe);
  EXPECT_FALSE(probe.IsLoaded());
  EXPECT_EQ(runtime.FormOf(probe), nullptr);
  EXPECT_THROW(probe.form(), ControlError);
  runtime.Unload(probe);
  runtime.Show(kDesign, probe);
  EXPECT_EQ(runtime.loads["Probe"], 2);
}

TEST(RuntimeCoreTest, ALoadHandlerThatUnloadsOrFailsDecidesWhetherTheWindowShows) {
  Probe gone;
  Probe failing;
  FakeRuntime runtime;
  gone.onLoad = [&] { runtime.Unload(gone); };
  runtime.Show(kDesign, gone);
  EXPECT_FALSE(gone.IsLoaded());
  EXPECT_EQ(runtime.LoadedCount(), 0u);

  failing.onLoad = [] { throw std::domain_error("Not finite."); };
  runtime.Show(kDesign, failing);
  EXPECT_EQ(failing.form().messages, std::vector<std::string>{"Not finite."});
  EXPECT_TRUE(failing.form().shown);
}

TEST(RuntimeCoreTest, WhatAHandlerThrowsBecomesOneMessageAndEndsThatHandlerOnly) {
  Probe probe;
  FakeRuntime runtime;
  runtime.Show(kDesign, probe);
  FakeForm& form = probe.form();
  probe.onClick = [] { throw ControlError("The list failed."); };
  form.ClickOn("btnA");
  probe.onClick = [] { throw 42; };
  form.ClickOn("btnB");
  probe.onClick = nullptr;
  form.ClickOn("btnA");
  EXPECT_EQ(form.messages, (std::vector<std::string>{"The list failed.", "The command failed."}));
  EXPECT_EQ(probe.clicks, (std::vector<std::string>{"btnA", "btnB", "btnA"}));
}

TEST(RuntimeCoreTest, AHandlerMayUnloadItsOwnWindowWhichGoesOnlyWhenDeletedUnloaded) {
  Probe probe;
  FakeRuntime runtime;
  runtime.Show(kDesign, probe);
  bool deleted = false;
  probe.form().deleted = &deleted;
  probe.onClick = [&] {
    runtime.Unload(probe);
    throw std::runtime_error("after the unload");
  };
  FakeForm& form = probe.form();
  form.ClickOn("btnA");
  EXPECT_EQ(form.messages, std::vector<std::string>{"after the unload"});
  EXPECT_FALSE(deleted);
  runtime.DeleteUnloadedForms();
  EXPECT_TRUE(deleted);
}

// A print command: every loaded window is disabled from before its job is
// made until after the job is gone; then those it disabled come back and
// the window that was active is active again.
TEST(RuntimeCoreTest, APrintJobDisablesEveryWindowWhileItLives) {
  Probe main;
  Probe other;
  Probe disabled;
  FakeRuntime runtime;
  for (Probe* probe : {&main, &other, &disabled}) runtime.Show(kDesign, *probe);
  disabled.form().enabled = false;
  main.form().active = true;
  testing::OperationLog log;
  testing::RecordingDialog dialog(log);
  testing::RecordingPrinter printer(log);
  struct Job : PrintJob {
    CommonDialog& dialog;
    Printer& printer;
    std::function<void()> atEnd;
    Job(CommonDialog& d, Printer& p) : dialog(d), printer(p) {}
    ~Job() override { atEnd(); }
    CommonDialog& Dialog() override { return dialog; }
    Printer& LinePrinter() override { return printer; }
  };
  std::vector<bool> enabledAtMake;
  std::vector<bool> enabledAtEnd;
  FakeForm* forms[] = {&main.form(), &other.form(), &disabled.form()};
  auto enabled = [&] {
    return std::vector<bool>{forms[0]->enabled, forms[1]->enabled, forms[2]->enabled};
  };
  runtime.makeJob = [&] {
    enabledAtMake = enabled();
    auto job = std::make_unique<Job>(dialog, printer);
    job->atEnd = [&] { enabledAtEnd = enabled(); };
    return job;
  };
  {
    const std::unique_ptr<PrintJob> job = main.form().MakePrintJob();
    EXPECT_EQ(&job->LinePrinter(), &printer);
    main.form().active = false;
  }
  EXPECT_EQ(enabledAtMake, (std::vector<bool>{false, false, false}));
  EXPECT_EQ(enabledAtEnd, (std::vector<bool>{false, false, false}));
  EXPECT_EQ(enabled(), (std::vector<bool>{true, true, false}));
  EXPECT_TRUE(main.form().active);

  // A window unloaded meanwhile is left alone.
  {
    const std::unique_ptr<PrintJob> job = main.form().MakePrintJob();
    runtime.Unload(other);
  }
  EXPECT_FALSE(forms[1]->enabled);
}

}  // namespace
}  // namespace korvanel
