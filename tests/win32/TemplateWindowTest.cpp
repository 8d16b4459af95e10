// The Fret Template window on the Win32 runtime beyond the behaviour every
// runtime shares (tests/behaviour): what screen readers see, the keyboard
// in its boxes, and Print... cancelled in the real print dialog.
#include <windows.h>

#include <oleacc.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "PrintDialogAnswer.h"
#include "WindowTestSupport.h"
#include "platform/win32/Form.h"
#include "platform/win32/Utf16.h"
#include "ui/template/mTemplateDesign.h"

namespace korvanel::test {
namespace {

constexpr wchar_t kTemplate[] = L"Fret Template";

// The name and role that Windows' accessibility object of `window` gives a
// screen reader.
struct Accessible {
  std::wstring name;
  long role = 0;
};
Accessible AccessibleOf(HWND window) {
  Accessible seen;
  IAccessible* object = nullptr;
  if (FAILED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&object)))) {
    ADD_FAILURE() << "no accessible object";
    return seen;
  }
  VARIANT self{};
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  BSTR name = nullptr;
  if (object->get_accName(self, &name) == S_OK && name != nullptr) {
    seen.name = name;
    SysFreeString(name);
  }
  VARIANT role{};
  if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) seen.role = role.lVal;
  object->Release();
  return seen;
}

class TemplateWindowTest : public ::testing::Test {
 protected:
  HWND Open() {
    ChooseMenu(program_.MainWindow(), L"File", L"Fret Template...");
    program_.Pump();
    return FindWindowW(L"KorvanelWindow", kTemplate);
  }
  HWND Control(HWND window, std::string_view name) {
    for (const auto& form : program_.Runtime().LoadedForms()) {
      const auto& loaded = static_cast<const win32::Win32Form&>(*form);
      if (loaded.Handle() == window) return loaded.ControlNamed(name);
    }
    return nullptr;
  }

  RunningProgram program_;
};

// Screen readers name a box after the nearest label above it in z-order,
// and a drawing after its window text.
TEST_F(TemplateWindowTest, EveryBoxIsNamedByItsLabelAndTheDrawingByWhatItShows) {
  HWND window = Open();
  int named = 0;
  for (const ControlDesign& label : design::kTemplate.controls) {
    if (label.labelFor.empty()) continue;
    SCOPED_TRACE(std::string(label.labelFor));
    EXPECT_EQ(GetWindow(Control(window, label.labelFor), GW_HWNDPREV), Control(window, label.name));
    ++named;
  }
  EXPECT_EQ(named, 12);
  const Accessible drawing = AccessibleOf(Control(window, "picBoard"));
  EXPECT_EQ(drawing.name, L"Fret template 650 mm, 24 frets");
}

// While a screen reader runs the drawing is annotated as a graphic. Wine's
// oleacc keeps no annotations: what shows here is that the window opens,
// draws and names its drawing as without one.
TEST_F(TemplateWindowTest, UnderAScreenReaderTheDrawingKeepsItsName) {
  SystemParametersInfoW(SPI_SETSCREENREADER, TRUE, nullptr, SPIF_SENDCHANGE);
  HWND window = Open();
  SendMessageW(Control(window, "btnDraw"), BM_CLICK, 0, 0);
  program_.Pump();
  const Accessible drawing = AccessibleOf(Control(window, "picBoard"));
  SystemParametersInfoW(SPI_SETSCREENREADER, FALSE, nullptr, 0);
  EXPECT_EQ(drawing.name, L"Fret template 650 mm, 24 frets");
  EXPECT_TRUE(drawing.role == ROLE_SYSTEM_GRAPHIC || drawing.role == ROLE_SYSTEM_CLIENT);
  EXPECT_EQ(ListRows(Control(window, "lstFrets")).size(), 24u);
}

// Tab into a box selects its text, as in a dialog: typing replaces it.
TEST_F(TemplateWindowTest, TabIntoABoxSelectsItsText) {
  HWND window = Open();
  HWND perpendicular = Control(window, "txtPerpendicularFret");
  SetFocus(perpendicular);
  PressKey(perpendicular, VK_TAB);
  program_.Pump();
  HWND frets = Control(window, "txtFrets");
  ASSERT_EQ(GetFocus(), frets);
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(frets, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 2u) << "of \"24\"";
}

// The real print job: the dialog cancelled, nothing is printed or told. A
// helper thread cancels the print dialog and answers any box after it.
TEST_F(TemplateWindowTest, PrintCancelledInTheDialogIsQuiet) {
  HWND window = Open();
  std::atomic<bool> done = false;
  std::atomic<int> dialogs = 0;
  std::thread user([&done, &dialogs] {
    HWND answered = nullptr;
    for (int wait = 0; wait < 1000 && !done; ++wait) {
      HWND dialog = OpenDialog();
      if (dialog != nullptr && dialog != answered) {
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(dialogs == 0 ? IDCANCEL : IDOK, BN_CLICKED), 0);
        answered = dialog;
        ++dialogs;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
  });
  SendMessageW(Control(window, "btnPrint"), BM_CLICK, 0, 0);
  program_.Pump(200);
  done = true;
  user.join();
  EXPECT_EQ(dialogs, 1) << "a message after the cancelled dialog";
  EXPECT_TRUE(IsWindowEnabled(window));
}

}  // namespace
}  // namespace korvanel::test
