// The window runtime's core, on a toolkit side that records what it is asked:
// the record of loaded windows, Start / Show / Unload / End, handlers and
// their errors, print jobs.
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

using test::FakeForm;
using test::FakeRuntime;

constexpr ListColumn kColumns[] = {{"A", 600}};
constexpr ControlDesign kControls[] = {
    {.kind = ControlKind::Label, .name = "lbl", .tabIndex = 0, .labelFor = "lst"},
    {.kind = ControlKind::Button, .name = "btnB", .tabIndex = 2},
    {.kind = ControlKind::ComboBox, .name = "cmb", .tabIndex = 1},
    {.kind = ControlKind::List, .name = "lst", .tabIndex = 2, .columns = kColumns},
    {.kind = ControlKind::Button, .name = "btnA", .tabIndex = 0},
};
constexpr WindowDesign kDesign{.name = "Probe", .caption = "", .controls = kControls};

class Probe : public Window {
 public:
  explicit Probe(WindowRuntime& runtime, const WindowDesign& design = kDesign)
      : Window(runtime, design) {}

  void Form_Load() override {
    shownAtLoad = form().IsShown();
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

TEST(RuntimeTest, ShowLoadsOnceBeforeShowingAndUnloadLetsTheNextShowLoadAgain) {
  FakeRuntime runtime;
  Probe probe(runtime);
  probe.Show();
  FakeForm& form = probe.form();
  EXPECT_FALSE(probe.shownAtLoad);
  EXPECT_TRUE(form.IsShown());
  probe.Show();
  EXPECT_EQ(runtime.loads["Probe"], 1);
  EXPECT_EQ(form.TimesBroughtForward(), 2);
  EXPECT_EQ(runtime.FormOf(probe), &form);

  probe.Unload();
  EXPECT_FALSE(probe.IsLoaded());
  EXPECT_EQ(runtime.FormOf(probe), nullptr);
  EXPECT_THROW(probe.form(), ControlError);
  probe.Unload();
  probe.Show();
  EXPECT_EQ(runtime.loads["Probe"], 2);
}

TEST(RuntimeTest, TheProgramEndsWhenItsLastWindowIsUnloadedOrAtEnd) {
  FakeRuntime runtime;
  Probe first(runtime);
  Probe second(runtime);
  first.Show();
  second.Show();
  first.Unload();
  EXPECT_FALSE(runtime.HasEnded());
  second.Unload();
  EXPECT_TRUE(runtime.HasEnded());

  FakeRuntime other;
  Probe third(other);
  Probe fourth(other);
  third.Show();
  fourth.Show();
  other.End();
  EXPECT_TRUE(other.HasEnded());
  EXPECT_EQ(other.LoadedForms().size(), 0u);
}

TEST(RuntimeTest, StartShowsTheFirstWindowThenRunsTheLoopOrTellsWhyItCouldNot) {
  FakeRuntime runtime;
  runtime.exitCode = 7;
  Probe first(runtime);
  EXPECT_EQ(runtime.Start(first), 7);
  EXPECT_TRUE(first.form().IsShown());

  constexpr WindowDesign kBroken{.name = "Broken", .caption = "", .controls = kControls};
  runtime.failingWindow = "Broken";
  Probe broken(runtime, kBroken);
  EXPECT_EQ(runtime.Start(broken), 1);
  EXPECT_EQ(runtime.messages, std::vector<std::string>{"The window Broken could not be made."});
}

TEST(RuntimeTest, ALoadHandlerThatUnloadsOrFailsDecidesWhetherTheWindowShows) {
  FakeRuntime runtime;
  Probe gone(runtime);
  Probe failing(runtime);
  gone.onLoad = [&] { gone.Unload(); };
  gone.Show();
  EXPECT_FALSE(gone.IsLoaded());
  EXPECT_EQ(runtime.LoadedForms().size(), 0u);

  failing.onLoad = [] { throw std::domain_error("Not finite."); };
  failing.Show();
  EXPECT_EQ(failing.form().messages, std::vector<std::string>{"Not finite."});
  EXPECT_TRUE(failing.form().IsShown());
}

TEST(RuntimeTest, WhatAHandlerThrowsBecomesOneMessageAndEndsThatHandlerOnly) {
  FakeRuntime runtime;
  Probe probe(runtime);
  probe.Show();
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

TEST(RuntimeTest, AHandlerMayUnloadItsOwnWindowWhichIsDeletedOnlyWithTheClosedForms) {
  FakeRuntime runtime;
  Probe probe(runtime);
  probe.Show();
  bool deleted = false;
  probe.form().deleted = &deleted;
  probe.onClick = [&] {
    probe.Unload();
    throw std::runtime_error("after the unload");
  };
  FakeForm& form = probe.form();
  form.ClickOn("btnA");
  EXPECT_EQ(form.messages, std::vector<std::string>{"after the unload"});
  EXPECT_FALSE(deleted);
  runtime.Settle();
  EXPECT_TRUE(deleted);
}

// A print command: every loaded window is disabled from before its job is
// made until after the job is gone; then those it disabled come back and
// the window that was active is active again.
TEST(RuntimeTest, APrintJobDisablesEveryWindowWhileItLives) {
  FakeRuntime runtime;
  Probe main(runtime);
  Probe other(runtime);
  Probe disabled(runtime);
  for (Probe* probe : {&main, &other, &disabled}) probe->Show();
  disabled.form().enabled = false;
  main.form().active = true;
  test::OperationLog log;
  test::RecordingDialog dialog(log);
  test::RecordingPrinter printer(log);
  struct Job : test::BorrowedPrintJob {
    using BorrowedPrintJob::BorrowedPrintJob;
    std::function<void()> atEnd;
    ~Job() override { atEnd(); }
  };
  std::vector<bool> enabledAtMake;
  std::vector<bool> enabledAtEnd;
  FakeForm* forms[] = {&main.form(), &other.form(), &disabled.form()};
  auto enabled = [&] {
    return std::vector<bool>{forms[0]->enabled, forms[1]->enabled, forms[2]->enabled};
  };
  runtime.makeJob = [&](Form&) -> std::unique_ptr<PrintJob> {
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
    other.Unload();
  }
  EXPECT_FALSE(forms[1]->enabled);
}

}  // namespace
}  // namespace korvanel
