// What the Win32 runtime does for every window: ending the program, the
// close box, the load before the show, errors in handlers, print jobs.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "WindowTestSupport.h"
#include "platform/ControlError.h"
#include "platform/win32/Form.h"
#include "tests/fakes/RecordingPrint.h"

namespace korvanel::test {
namespace {

constexpr wchar_t kTension[] = L"Frequency and Tension";
constexpr wchar_t kAbout[] = L"About";

TEST(EndingTest, FileExitClosesEveryWindowAndEndsTheLoop) {
  RunningProgram program;
  ChooseMenu(program.MainWindow(), L"?", L"Tension and Frequency");
  ChooseMenu(program.MainWindow(), L"?", L"About");
  ASSERT_EQ(CountWindows(kTension) + CountWindows(kAbout), 2);
  ChooseMenu(program.MainWindow(), L"File", L"Exit");
  EXPECT_TRUE(program.Pump());
  EXPECT_EQ(program.MainWindow(), nullptr);
  EXPECT_FALSE(program.Main().IsLoaded());
  EXPECT_EQ(CountWindows(L"Korvanel") + CountWindows(kTension) + CountWindows(kAbout), 0);
}

TEST(EndingTest, RunReturnsOnceTheLastWindowCloses) {
  RunningProgram program;
  PostMessageW(program.MainWindow(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(program.Runtime().Run(), 0);
  EXPECT_EQ(program.MainWindow(), nullptr);
}

// A window of its own for the runtime: a label, a default button, a combo
// box and a list, and handlers that record or fail on request.
constexpr ListColumn kProbeColumns[] = {{"A", 600}, {"B", 900}};
constexpr ControlDesign kProbeControls[] = {
    {.kind = ControlKind::Label,
     .name = "lbl",
     .text = "Probe",
     .left = 60,
     .top = 60,
     .width = 900,
     .height = 255},
    {.kind = ControlKind::ComboBox,
     .name = "cmb",
     .left = 60,
     .top = 400,
     .width = 1500,
     .height = 315,
     .tabIndex = 2},
    {.kind = ControlKind::Button,
     .name = "btnGo",
     .text = "Go",
     .left = 1700,
     .top = 400,
     .width = 900,
     .height = 375,
     .tabIndex = 1,
     .isDefault = true},
    {.kind = ControlKind::List,
     .name = "lst",
     .left = 60,
     .top = 900,
     .width = 1600,
     .height = 1200,
     .tabIndex = 3,
     .font = kListFont,
     .columns = kProbeColumns},
};
constexpr WindowDesign kProbe{.name = "Probe",
                              .caption = "Probe",
                              .clientWidth = 3000,
                              .clientHeight = 2400,
                              .controls = kProbeControls};

class Probe : public Window {
 public:
  explicit Probe(win32::Win32Runtime& runtime) : Window(runtime, kProbe), runtime_(runtime) {}

  void Form_Load() override {
    HWND window = runtime_.HandleOf(*this);
    shownAtLoad = window != nullptr && IsWindowVisible(window);
    LoadedForm().ComboBoxNamed("cmb").AddItem("Ab");
    LoadedForm().ComboBoxNamed("cmb").AddItem("ab");
    ++loads;
  }
  void Click(std::string_view control) override {
    clicks.emplace_back(control);
    if (action) action(*this);
  }
  Form& LoadedForm() const { return Window::LoadedForm(); }

  win32::Win32Runtime& runtime_;
  bool shownAtLoad = true;
  int loads = 0;
  std::vector<std::string> clicks;
  std::function<void(Probe&)> action;
};

class ProbeTest : public ::testing::Test {
 protected:
  void SetUp() override { probe_.Show(); }
  void TearDown() override {
    probe_.Unload();
    MSG quit;
    while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
  }
  HWND Handle() const { return runtime_.HandleOf(probe_); }
  void ClickGo() { SendMessageW(Child(Handle(), L"Button", L"Go"), BM_CLICK, 0, 0); }

  win32::Win32Runtime runtime_;
  Probe probe_{runtime_};
};

TEST_F(ProbeTest, LoadRunsBeforeTheWindowIsShownAndShowAgainDoesNotReload) {
  EXPECT_FALSE(probe_.shownAtLoad);
  EXPECT_TRUE(IsWindowVisible(Handle()));
  probe_.Show();
  EXPECT_EQ(probe_.loads, 1);
  probe_.Unload();
  EXPECT_FALSE(probe_.IsLoaded());
  EXPECT_EQ(Handle(), nullptr);
  probe_.Show();
  EXPECT_EQ(probe_.loads, 2);
}

TEST_F(ProbeTest, AnErrorInAHandlerIsToldOverItsWindowAndEndsThatHandlerOnly) {
  probe_.action = [](Probe&) { throw std::runtime_error("Nothing to go to."); };
  MessageBoxAnswerer answerer;
  ClickGo();
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, L"Nothing to go to.");
  EXPECT_EQ(answerer.Boxes()[0].caption, L"Korvanel");
  EXPECT_EQ(answerer.Boxes()[0].owner, Handle());
  probe_.action = nullptr;
  ClickGo();
  EXPECT_EQ(probe_.clicks, (std::vector<std::string>{"btnGo", "btnGo"}));
}

TEST_F(ProbeTest, FailingControlOperationsAreControlErrors) {
  probe_.action = [](Probe& probe) {
    ListControl& list = probe.LoadedForm().ListNamed("lst");
    list.RemoveAll();
    const auto row = list.AddItem("x");
    list.SetSubItem(row, ListControl::SubItem::First, "y");
    list.SetSubItem(row + 1, ListControl::SubItem::First, "z");
  };
  MessageBoxAnswerer answerer;
  ClickGo();
  ASSERT_EQ(answerer.Boxes().size(), 1u);
  EXPECT_EQ(answerer.Boxes()[0].text, L"The list has no row 1.");
  EXPECT_EQ(ListRows(Child(Handle(), L"SysListView32")), (Rows{{L"x", L"y"}}));

  Form& form = probe_.LoadedForm();
  EXPECT_THROW(form.ListNamed("cmb"), ControlError);
  EXPECT_THROW(form.ComboBoxNamed("lst"), ControlError);
  EXPECT_THROW(form.ComboBoxNamed("cmb").AddItem("\xff"), ControlError) << "not UTF-8";
}

TEST_F(ProbeTest, ComboTextSelectsOnlyTheEntryOfTheSameCase) {
  ComboBox& combo = probe_.LoadedForm().ComboBoxNamed("cmb");
  HWND handle = Child(Handle(), L"ComboBox");
  combo.SetText("ab");
  EXPECT_EQ(SendMessageW(handle, CB_GETCURSEL, 0, 0), 1);
  EXPECT_EQ(combo.Text(), "ab");
  combo.SetText("Ab");
  EXPECT_EQ(SendMessageW(handle, CB_GETCURSEL, 0, 0), 0);
  EXPECT_EQ(combo.Text(), "Ab");
  combo.SetText("AB");
  EXPECT_EQ(SendMessageW(handle, CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(combo.Text(), "AB");
  combo.SetText("647,7 \u2026");
  EXPECT_EQ(combo.Text(), "647,7 \u2026");
  EXPECT_EQ(TextOf(handle), L"647,7 \u2026");
}

TEST_F(ProbeTest, EnterClicksTheDefaultButtonFromEveryControl) {
  for (const wchar_t* control : {L"ComboBox", L"SysListView32"}) {
    HWND target = Child(Handle(), control);
    if (HWND edit = FindWindowExW(target, nullptr, L"Edit", nullptr)) target = edit;
    SetFocus(target);
    PressKey(target, VK_RETURN);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) runtime_.DeliverMessage(message);
  }
  EXPECT_EQ(probe_.clicks, (std::vector<std::string>{"btnGo", "btnGo"}));
}

// File > Print over the main window, on an injected print job. While it
// runs no window of the program takes input (File > Print or Exit again);
// afterwards all do, and the main window is the active one again.
TEST(PrintTest, FilePrintPrintsTheReportOnTheRuntimesPrintJob) {
  test::OperationLog log;
  test::RecordingDialog dialog(log);
  test::RecordingPrinter printer(log);
  std::vector<HWND> owners;
  RunningProgram program([&](Form& over) {
    owners.push_back(static_cast<win32::Win32Form&>(over).Handle());
    return std::make_unique<test::BorrowedPrintJob>(dialog, printer);
  });
  SendMessageW(Child(program.MainWindow(), L"Button", L"Compute"), BM_CLICK, 0, 0);
  ChooseMenu(program.MainWindow(), L"?", L"Tension and Frequency");
  HWND tension = FindWindowW(L"KorvanelWindow", kTension);
  SetForegroundWindow(program.MainWindow());
  std::vector<BOOL> enabledDuring;
  dialog.whileShown = [&] {
    enabledDuring = {IsWindowEnabled(program.MainWindow()), IsWindowEnabled(tension)};
    // A modal dialog over a disabled owner hands the activation away at its end.
    DestroyWindow(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9,
                                  program.MainWindow(), nullptr, nullptr, nullptr));
  };
  ChooseMenu(program.MainWindow(), L"File", L"Print");
  EXPECT_EQ(enabledDuring, (std::vector<BOOL>{FALSE, FALSE}));
  EXPECT_TRUE(IsWindowEnabled(program.MainWindow()) && IsWindowEnabled(tension));
  EXPECT_EQ(GetForegroundWindow(), program.MainWindow());
  EXPECT_EQ(owners, std::vector<HWND>{program.MainWindow()});
  ASSERT_EQ(printer.Documents().size(), 1u);
  EXPECT_TRUE(printer.Documents()[0].ended);
}

}  // namespace
}  // namespace korvanel::test
