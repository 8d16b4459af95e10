#include "platform/win32/Win32Form.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/ControlError.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Line.h"
#include "platform/win32/Menus.h"
#include "platform/win32/Placement.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Runtime.h"
#include "resources/KorvanelResources.h"

namespace korvanel::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"KorvanelWindow";
constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Command ids of controls and menu items; IDOK and IDCANCEL stay below.
constexpr int kFirstCommandId = 100;

HICON ProgramIcon(int size) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(KORVANEL_ICON),
                                       IMAGE_ICON, size, size, LR_SHARED));
}

void RegisterFormClass(WNDPROC procedure) {
  static const bool registered = [procedure] {
    WNDCLASSEXW formClass{};
    formClass.cbSize = sizeof formClass;
    formClass.lpfnWndProc = procedure;
    formClass.hInstance = GetModuleHandleW(nullptr);
    formClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    formClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    formClass.hIcon = ProgramIcon(GetSystemMetrics(SM_CXICON));
    formClass.hIconSm = ProgramIcon(GetSystemMetrics(SM_CXSMICON));
    formClass.lpszClassName = kFormClass;
    return RegisterClassExW(&formClass) != 0;
  }();
  if (!registered) throw ControlError("The window class could not be registered.");
}

// Moves a label or button to `place` and shows its text in `font`.
void MoveControl(HWND control, const PixelBox& place, HFONT font) {
  SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

PixelBox PlaceAt(const ControlDesign& control, int dpi) {
  return PixelPlace(control.left, control.top, control.width, control.height, dpi);
}

// Whether no shown window lies above `window` but topmost ones, which no
// other window goes above.
bool IsOnTop(HWND window) {
  for (HWND above = GetWindow(window, GW_HWNDPREV); above != nullptr;
       above = GetWindow(above, GW_HWNDPREV)) {
    if (IsWindowVisible(above) && (GetWindowLongPtrW(above, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0) {
      return false;
    }
  }
  return true;
}

}  // namespace

Win32Form::Win32Form(Win32Runtime& runtime, Window& window)
    : Form(runtime, window), design_(window.Design()), dpi_(ScreenDpi()) {
  // The menu bar first: the window is made with it, and measured once.
  MakeMenus(design_, *this);
  Create();
  try {
    MakeClientControls(design_, *this);
    // A menu bar that wraps onto two lines takes room from the client area.
    FitClientArea(window_, TwipsToPixels(design_.clientWidth, dpi_),
                  TwipsToPixels(design_.clientHeight, dpi_));
  } catch (...) {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    throw;
  }
  decoration_.MarkWhileReaderRuns(lines_);
}

Win32Form::~Win32Form() {
  if (window_ != nullptr) {
    // Gone without the runtime's knowledge: no message reaches this object.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
  }
}

void Win32Form::Create() {
  RegisterFormClass(Procedure);
  // Sized at the system DPI until the window is on its monitor, and made
  // where it is shown: centred.
  const SIZE size = WindowSizeAt(dpi_);
  const POINT place = CentredOnWorkArea(size);
  const std::wstring caption = WideFromUtf8(design_.caption);
  // From here the window owns its menu bar, or has destroyed it if it
  // could not be made.
  HMENU bar = menuBar_.release();
  // WM_NCCREATE sets window_.
  if (CreateWindowExW(0, kFormClass, caption.c_str(), kFormStyle, place.x, place.y, size.cx,
                      size.cy, nullptr, bar, GetModuleHandleW(nullptr), this) == nullptr) {
    if (bar != nullptr && IsMenu(bar)) DestroyMenu(bar);
    throw ControlError("The window " + std::string(design_.name) + " could not be created.");
  }
  dpi_ = WindowDpi(window_);
}

HMENU Win32Form::MakeMenu(const MenuDesign& menu) {
  if (menuBar_ == nullptr) menuBar_ = MakeMenuBar();
  return AddMenu(menuBar_.get(), menu.name, menu.text);
}

void Win32Form::MakeMenuItem(HMENU menu, const MenuItemDesign& item) {
  AddMenuItem(menu, item.name, item.text, AddCommand(item.name));
}

void Win32Form::MakeSeparator(HMENU menu, const MenuItemDesign& item) {
  AddSeparator(menu, item.name);
}

HWND Win32Form::Made(HWND control) {
  controls_.push_back(control);
  return control;
}

HWND Win32Form::MakeLabel(const ControlDesign& label) {
  HWND made = CreateLabel(window_, label, PlaceAt(label, dpi_), AddCommand(label.name),
                          FontFor(label.font));
  labels_.emplace(made, label.color);
  return Made(made);
}

HWND Win32Form::MakeButton(const ControlDesign& button) {
  const int id = AddCommand(button.name);
  HWND made = CreateButton(window_, button, PlaceAt(button, dpi_), id, FontFor(button.font));
  buttons_.push_back(made);
  if (button.isDefault) defaultButtonId_ = id;
  return Made(made);
}

HWND Win32Form::MakeComboBox(const ControlDesign& box) {
  combos_.push_back(std::make_unique<ComboBoxControl>(window_, PlaceAt(box, dpi_),
                                                      AddCommand(box.name), FontFor(box.font)));
  AddComboBox(box.name, *combos_.back());
  return Made(combos_.back()->Handle());
}

HWND Win32Form::MakeList(const ControlDesign& list) {
  lists_.push_back(std::make_unique<ListView>(window_, PlaceAt(list, dpi_), AddCommand(list.name),
                                              FontFor(list.font), list.columns, dpi_));
  AddList(list.name, *lists_.back());
  return Made(lists_.back()->Handle());
}

void Win32Form::MakeLine(const LineDesign& line) {
  // Made after the controls, the lines lie above every one of them.
  lines_.push_back(
      CreateLine(window_, PixelPoint(line.x1, line.y1, dpi_), PixelPoint(line.x2, line.y2, dpi_)));
}

void Win32Form::NameByLabel(HWND label, HWND named) {
  // A label that names a control moves past none that it overlaps in the
  // designs: the windows look the same.
  HWND above = GetWindow(named, GW_HWNDPREV);
  if (above == label) return;
  SetWindowPos(label, above != nullptr ? above : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Form::SetTabOrder(std::span<HWND const> order) {
  tabOrder_.assign(order.begin(), order.end());
}

int Win32Form::AddCommand(std::string_view name) {
  const int id = kFirstCommandId + static_cast<int>(commands_.size());
  commands_.emplace(id, std::string(name));
  return id;
}

HFONT Win32Form::FontFor(const FontDesign& design) {
  std::tuple<std::string, float, int> key(design.face, design.points, dpi_);
  auto found = fonts_.find(key);
  if (found == fonts_.end()) {
    found = fonts_.emplace(std::move(key), CreateDesignFont(design, dpi_)).first;
  }
  return found->second.get();
}

SIZE Win32Form::WindowSizeAt(int dpi) const {
  return WindowSizeFor(TwipsToPixels(design_.clientWidth, dpi),
                       TwipsToPixels(design_.clientHeight, dpi), kFormStyle, !design_.menus.empty(),
                       dpi);
}

void Win32Form::LayOut(int dpi) {
  dpi_ = dpi;
  const std::vector<std::size_t> order = MakingOrder(design_);
  for (std::size_t i = 0; i < controls_.size(); ++i) {
    const ControlDesign& control = design_.controls[order[i]];
    const PixelBox place = PlaceAt(control, dpi);
    HFONT font = FontFor(control.font);
    HWND handle = controls_[i];
    const auto handled = [handle](const auto& made) { return made->Handle() == handle; };
    if (control.kind == ControlKind::ComboBox) {
      (*std::find_if(combos_.begin(), combos_.end(), handled))->Place(place, font);
    } else if (control.kind == ControlKind::List) {
      (*std::find_if(lists_.begin(), lists_.end(), handled))->Place(place, font, dpi);
    } else {
      MoveControl(handle, place, font);
    }
  }
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    const LineDesign& line = design_.lines[i];
    PlaceLine(lines_[i], PixelPoint(line.x1, line.y1, dpi), PixelPoint(line.x2, line.y2, dpi));
  }
}

void Win32Form::OnDpiChanged(int dpi, const RECT& suggested) {
  if (dpi > 0) RunHandler([this, dpi] { LayOut(dpi); });
  SetWindowPos(window_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(window_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Win32Form::ShowCentred() {
  // Made centred; only a window that has been resized since moves here.
  CentreOnWorkArea(window_);
  ShowWindow(window_, SW_SHOW);
  // Shown, the window has the frame the user sees.
  CentreOnWorkArea(window_);
  if (!tabOrder_.empty()) FocusControl(tabOrder_.front());
}

void Win32Form::BringForward() {
  if (IsIconic(window_)) ShowWindow(window_, SW_RESTORE);
  SetForegroundWindow(window_);
  // A window just shown lies on top already.
  if (!IsOnTop(window_)) BringWindowToTop(window_);
}

void Win32Form::Activate() {
  SetForegroundWindow(window_);
  SetActiveWindow(window_);
}

LRESULT CALLBACK Win32Form::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Win32Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    form->window_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return form->OnMessage(message, wParam, lParam);
}

LRESULT Win32Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case DM_GETDEFID: {
      // IsDialogMessageW asks for the button that Enter clicks: as in a
      // dialog, the focused button, else the default one.
      const auto focused = std::find(buttons_.begin(), buttons_.end(), GetFocus());
      const int id = focused != buttons_.end() ? GetDlgCtrlID(*focused) : defaultButtonId_;
      return id != 0 ? MAKELRESULT(id, DC_HASDEFID) : 0;
    }
    case WM_CTLCOLORSTATIC: {
      const auto label = labels_.find(reinterpret_cast<HWND>(lParam));
      if (label == labels_.end()) break;
      // Only a colour of the design's own depends on high contrast.
      return reinterpret_cast<LRESULT>(LabelColors(reinterpret_cast<HDC>(wParam), label->second,
                                                   label->second && HighContrast()));
    }
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
      OnSystemChange(message, wParam, lParam);
      break;
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_SETFOCUS:
      OnActivate(true);
      return 0;
    case WM_GETDPISCALEDSIZE:
      // Windows then suggests the size the design has at the new DPI.
      *reinterpret_cast<SIZE*>(lParam) = WindowSizeAt(static_cast<int>(wParam));
      return TRUE;
    case WM_DPICHANGED:
      OnDpiChanged(DpiOfChange(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_GETICON: {
      // The class's icons are every window's, without a WM_SETICON for each
      // window (under Wine each costs a millisecond); those asking the
      // window for its icon get them all the same.
      const LRESULT set = DefWindowProcW(window_, message, wParam, lParam);
      if (set != 0 || (wParam != ICON_BIG && wParam != ICON_SMALL)) return set;
      return static_cast<LRESULT>(
          GetClassLongPtrW(window_, wParam == ICON_BIG ? GCLP_HICON : GCLP_HICONSM));
    }
    case WM_DESTROY:
      Unloaded();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32Form::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  // Menu items and buttons; the other controls' notifications are not events.
  if (code != BN_CLICKED) return;
  const auto command = commands_.find(id);
  if (command == commands_.end()) return;
  const bool isButton = lParam != 0;
  if (isButton && std::find(buttons_.begin(), buttons_.end(), reinterpret_cast<HWND>(lParam)) ==
                      buttons_.end()) {
    return;
  }
  Click(command->second);
}

void Win32Form::OnSystemChange(UINT message, WPARAM wParam, LPARAM lParam) {
  highContrast_.reset();
  if (message == WM_SETTINGCHANGE && wParam == SPI_SETSCREENREADER) {
    decoration_.MarkWhileReaderRuns(lines_);
  }
  if (message == WM_SYSCOLORCHANGE) {
    // Only top-level windows get it; the common controls (the list views
    // and their headers) take their colours from it.
    MSG change{window_, message, wParam, lParam, 0, {}};
    EnumChildWindows(
        window_,
        [](HWND child, LPARAM sent) {
          const auto& forwarded = *reinterpret_cast<const MSG*>(sent);
          SendMessageW(child, forwarded.message, forwarded.wParam, forwarded.lParam);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&change));
  }
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool Win32Form::HighContrast() {
  if (!highContrast_) highContrast_ = HighContrastOn();
  return *highContrast_;
}

void Win32Form::OnActivate(bool active) {
  if (!active) {
    HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) lastFocus_ = focus;
    return;
  }
  // As a dialog does: back to the control that had the focus.
  if (lastFocus_ != nullptr && IsWindow(lastFocus_)) {
    SetFocus(lastFocus_);
  } else if (!tabOrder_.empty()) {
    FocusControl(tabOrder_.front());
  }
}

bool Win32Form::HandleTab(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
  if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
  HWND focus = GetFocus();
  if (focus != nullptr && focus != window_) {
    const LRESULT wants =
        SendMessageW(focus, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    if ((wants & (DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) != 0) return false;
  }
  // The keyboard is in use: focus rectangles show from here on.
  SendMessageW(window_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  MoveFocus(GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
  return true;
}

std::optional<std::size_t> Win32Form::TabPosition(HWND focus) const {
  for (std::size_t i = 0; i < tabOrder_.size(); ++i) {
    if (tabOrder_[i] == focus || IsChild(tabOrder_[i], focus)) return i;
  }
  return std::nullopt;
}

void Win32Form::MoveFocus(int step) {
  const std::size_t count = tabOrder_.size();
  if (count == 0) return;
  const std::optional<std::size_t> current = TabPosition(GetFocus());
  std::size_t at = current ? *current : (step > 0 ? count - 1 : 0);
  for (std::size_t tried = 0; tried < count; ++tried) {
    at = (at + (step > 0 ? 1 : count - 1)) % count;
    HWND next = tabOrder_[at];
    if (IsWindowVisible(next) && IsWindowEnabled(next)) {
      FocusControl(next);
      return;
    }
  }
}

void Win32Form::FocusControl(HWND control) {
  // Entering a combo box's text selects all of it, as in a dialog.
  for (const auto& combo : combos_) {
    if (combo->Handle() == control) {
      SendMessageW(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
    }
  }
  SetFocus(control);
  lastFocus_ = control;
}

void Win32Form::ShowMessage(std::string_view text) { win32::ShowMessage(window_, text); }

void Win32Form::ShowError(const char* what) noexcept { win32::ShowError(window_, what); }

}  // namespace korvanel::win32
