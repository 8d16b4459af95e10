#include "platform/win32/Form.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/ControlError.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Line.h"
#include "platform/win32/Placement.h"
#include "platform/win32/Runtime.h"
#include "platform/win32/Utf16.h"
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
  WNDCLASSEXW formClass{};
  formClass.lpfnWndProc = procedure;
  formClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  formClass.hIcon = ProgramIcon(GetSystemMetrics(SM_CXICON));
  formClass.hIconSm = ProgramIcon(GetSystemMetrics(SM_CXSMICON));
  formClass.lpszClassName = kFormClass;
  RegisterWindowClass(formClass, "form");
}

// Moves a label or button to `place` and shows its text in `font`.
void MoveControl(HWND control, const PixelBox& place, HFONT font) {
  SetWindowPos(control, nullptr, place.left, place.top, place.width, place.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
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
    : Form(runtime, window),
      design_(window.Design()),
      layout_(design_, ScreenDpi()),
      keyboard_([this](HWND control) {
        // Entering a box from the keyboard selects all of its text, as in a
        // dialog, so that typing replaces it.
        for (const auto& combo : combos_) {
          if (combo->Handle() == control)
            SendMessageW(control, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        }
        for (const auto& box : textBoxes_) {
          if (box->Handle() == control) SendMessageW(control, EM_SETSEL, 0, -1);
        }
      }) {
  // The menu bar first: the window is made with it, and measured once.
  MakeMenus(design_, *this);
  Create();
  try {
    MakeClientControls(design_, *this);
    // A menu bar that wraps onto two lines takes room from the client area.
    const SIZE client = layout_.ClientSizeAt(layout_.Dpi());
    FitClientArea(handle_, client.cx, client.cy);
  } catch (...) {
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
    throw;
  }
  annotations_.MarkWhileReaderRuns(lines_, DrawingHandles());
}

Win32Form::~Win32Form() {
  if (handle_ != nullptr) {
    // Gone without the runtime's knowledge: no message reaches this object.
    SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
    DestroyWindow(handle_);
  }
}

void Win32Form::Create() {
  RegisterFormClass(Procedure);
  // Sized at the system DPI until the window is on its monitor, and made
  // where it is shown: centred.
  const SIZE size = WindowSizeAt(layout_.Dpi());
  const POINT place = CentredOnWorkArea(size);
  const std::wstring caption = WideFromUtf8(design_.caption);
  // From here the window owns its menu bar, or has destroyed it if it
  // could not be made.
  HMENU bar = menuBar_.release();
  // WM_NCCREATE sets handle_.
  if (CreateWindowExW(0, kFormClass, caption.c_str(), kFormStyle, place.x, place.y, size.cx,
                      size.cy, nullptr, bar, GetModuleHandleW(nullptr), this) == nullptr) {
    if (bar != nullptr && IsMenu(bar)) DestroyMenu(bar);
    throw ControlError("The window " + std::string(design_.name) + " could not be created.");
  }
  layout_.SetDpi(WindowDpi(handle_));
}

HMENU Win32Form::MakeMenu(const MenuDesign& menu) {
  if (menuBar_ == nullptr) menuBar_ = MakeMenuBar();
  return win32::MakeMenu(menuBar_.get(), menu.name, menu.text);
}

void Win32Form::MakeMenuItem(HMENU menu, const MenuItemDesign& item) {
  win32::MakeMenuItem(menu, item.name, item.text, AddCommand(item.name));
}

void Win32Form::MakeSeparator(HMENU menu, const MenuItemDesign& item) {
  win32::MakeSeparator(menu, item.name);
}

HWND Win32Form::Placed(const ControlDesign& design, HWND control) {
  layout_.Keep(design, [control](const PixelBox& place, HFONT font, int) {
    MoveControl(control, place, font);
  });
  return control;
}

HWND Win32Form::MakeLabel(const ControlDesign& label) {
  HWND made = win32::MakeLabel(handle_, label, layout_.PlaceOf(label), AddCommand(label.name),
                               layout_.FontFor(label.font));
  labels_.emplace(made, label.color);
  labelControls_.push_back(std::make_unique<LabelControl>(made));
  Register(label.name, *labelControls_.back());
  return Placed(label, made);
}

HWND Win32Form::MakeButton(const ControlDesign& button) {
  HWND made = win32::MakeButton(handle_, button, layout_.PlaceOf(button), AddCommand(button.name),
                                layout_.FontFor(button.font));
  buttons_.push_back(made);
  keyboard_.AddButton(made, button.isDefault);
  return Placed(button, made);
}

HWND Win32Form::MakeComboBox(const ControlDesign& box) { return MakeCombo(box, true); }

HWND Win32Form::MakeDropDownList(const ControlDesign& box) {
  HWND made = MakeCombo(box, false);
  dropDownLists_.push_back(made);
  return made;
}

HWND Win32Form::MakeCombo(const ControlDesign& box, bool editable) {
  auto& combo = *combos_.emplace_back(std::make_unique<ComboBoxControl>(
      handle_, layout_.PlaceOf(box), AddCommand(box.name), layout_.FontFor(box.font), editable));
  Register(box.name, combo);
  layout_.Keep(box, [&combo](const PixelBox& place, HFONT font, int) { combo.Place(place, font); });
  return combo.Handle();
}

HWND Win32Form::MakeList(const ControlDesign& list) {
  auto& made = *lists_.emplace_back(
      std::make_unique<ReportList>(handle_, layout_.PlaceOf(list), AddCommand(list.name),
                                   layout_.FontFor(list.font), list.columns, layout_.Dpi()));
  Register(list.name, made);
  layout_.Keep(
      list, [&made](const PixelBox& place, HFONT font, int dpi) { made.Place(place, font, dpi); });
  return made.Handle();
}

HWND Win32Form::MakeTextBox(const ControlDesign& box) {
  auto& made = *textBoxes_.emplace_back(std::make_unique<TextBoxControl>(
      handle_, layout_.PlaceOf(box), AddCommand(box.name), layout_.FontFor(box.font)));
  Register(box.name, made);
  return Placed(box, made.Handle());
}

HWND Win32Form::MakeDrawing(const ControlDesign& drawing) {
  auto& made = *drawings_.emplace_back(
      std::make_unique<DrawingWindow>(handle_, layout_.PlaceOf(drawing), AddCommand(drawing.name)));
  Register(drawing.name, made);
  HWND window = made.Handle();
  layout_.Keep(drawing, [window](const PixelBox& place, HFONT, int) {
    SetWindowPos(window, nullptr, place.left, place.top, place.width, place.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  });
  return window;
}

std::vector<HWND> Win32Form::DrawingHandles() const {
  std::vector<HWND> handles;
  for (const auto& drawing : drawings_) handles.push_back(drawing->Handle());
  return handles;
}

void Win32Form::MakeLine(const LineDesign& line) {
  // Made after the controls, the lines lie above every one of them.
  HWND made = win32::MakeLine(handle_, layout_.PointAt(line.x1, line.y1),
                              layout_.PointAt(line.x2, line.y2), AddCommand(line.name));
  lines_.push_back(made);
  layout_.KeepLine(line, made);
}

void Win32Form::NameByLabel(HWND label, HWND named) {
  // A label that names a control moves past none that it overlaps in the
  // designs: the windows look the same.
  HWND above = GetWindow(named, GW_HWNDPREV);
  if (above == label) return;
  SetWindowPos(label, above != nullptr ? above : HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

HWND Win32Form::ControlNamed(std::string_view name) const {
  for (const auto& [id, command] : commands_) {
    if (command == name) return GetDlgItem(handle_, id);
  }
  return nullptr;
}

std::string_view Win32Form::NameOf(HWND control) const {
  const auto found = commands_.find(GetDlgCtrlID(control));
  return found != commands_.end() ? std::string_view(found->second) : std::string_view();
}

int Win32Form::AddCommand(std::string_view name) {
  const int id = kFirstCommandId + static_cast<int>(commands_.size());
  commands_.emplace(id, std::string(name));
  return id;
}

SIZE Win32Form::WindowSizeAt(int dpi) const {
  const SIZE client = layout_.ClientSizeAt(dpi);
  return WindowSizeFor(client.cx, client.cy, kFormStyle, !design_.menus.empty(), dpi);
}

void Win32Form::OnDpiChanged(int dpi, const RECT& suggested) {
  if (dpi > 0) RunHandler([this, dpi] { layout_.LayOut(dpi); });
  SetWindowPos(handle_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
               suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(handle_, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Win32Form::ShowCentred() {
  // Made centred; only a window that has been resized since moves here.
  CentreOnWorkArea(handle_);
  ShowWindow(handle_, SW_SHOW);
  // Shown, the window has the frame the user sees.
  CentreOnWorkArea(handle_);
  keyboard_.FocusFirst();
}

void Win32Form::BringForward() {
  if (IsIconic(handle_)) ShowWindow(handle_, SW_RESTORE);
  SetForegroundWindow(handle_);
  // A window just shown lies on top already.
  if (!IsOnTop(handle_)) BringWindowToTop(handle_);
}

void Win32Form::Focus(std::string_view control) {
  if (HWND target = ControlNamed(control)) keyboard_.Focus(target);
}

void Win32Form::Activate() {
  SetForegroundWindow(handle_);
  SetActiveWindow(handle_);
}

LRESULT CALLBACK Win32Form::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<Win32Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    form->handle_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    form->handle_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return form->OnMessage(message, wParam, lParam);
}

LRESULT Win32Form::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(wParam, lParam);
      return 0;
    case DM_GETDEFID:
      return keyboard_.DefaultId();
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
      keyboard_.OnActivate(handle_, LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_SETFOCUS:
      keyboard_.OnActivate(handle_, true);
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
      const LRESULT set = DefWindowProcW(handle_, message, wParam, lParam);
      if (set != 0 || (wParam != ICON_BIG && wParam != ICON_SMALL)) return set;
      return static_cast<LRESULT>(
          GetClassLongPtrW(handle_, wParam == ICON_BIG ? GCLP_HICON : GCLP_HICONSM));
    }
    case WM_DESTROY:
      Closed();
      return 0;
    default:
      break;
  }
  return DefWindowProcW(handle_, message, wParam, lParam);
}

void Win32Form::OnCommand(WPARAM wParam, LPARAM lParam) {
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  const auto command = commands_.find(id);
  if (command == commands_.end()) return;
  // The user's choice in a drop-down list box (CB_SETCURSEL sends none).
  if (code == CBN_SELCHANGE && std::find(dropDownLists_.begin(), dropDownLists_.end(),
                                         reinterpret_cast<HWND>(lParam)) != dropDownLists_.end()) {
    Changed(command->second);
    return;
  }
  // Menu items and buttons; the other controls' notifications are not events.
  if (code != BN_CLICKED) return;
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
    annotations_.MarkWhileReaderRuns(lines_, DrawingHandles());
  }
  if (message == WM_SYSCOLORCHANGE) {
    // Only top-level windows get it; the common controls (the list views
    // and their headers) take their colours from it.
    MSG change{handle_, message, wParam, lParam, 0, {}};
    EnumChildWindows(
        handle_,
        [](HWND child, LPARAM sent) {
          const auto& forwarded = *reinterpret_cast<const MSG*>(sent);
          SendMessageW(child, forwarded.message, forwarded.wParam, forwarded.lParam);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&change));
  }
  RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

bool Win32Form::HighContrast() {
  if (!highContrast_) highContrast_ = HighContrastOn();
  return *highContrast_;
}

}  // namespace korvanel::win32
