// SPDX-License-Identifier: Apache-2.0
// The main window of Windows, of the system's own controls: their wiring and the four operations.
#include "form1.h"

#include <new>

#include "accessibility.h"
#include "combo_list.h"
#include "controls.h"
#include "form/form1_wiring.h"
#include "form/windows_1252.h"
#include "keyboard.h"
#include "layout.h"
#include "window_class.h"
#include "window_text.h"

namespace window {
namespace {

using form::kForm1;

void RegisterFormClass(WNDPROC procedure) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  // The first icon of the executable, where it has one.
  windowClass.hIcon = ::LoadIconW(windowClass.hInstance, L"IDI_ICON1");
  windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = kForm1ClassName;
  // A second window of the same process finds the class made.
  ::RegisterClassExW(&windowClass);
}

}  // namespace

Form1::Form1(FatalErrorHandler onFatalError) : onFatalError_(std::move(onFatalError)) {
  RegisterFormClass(&Form1::WindowProcedure);
  // An ordinary sizable frame with a title bar, minimise and maximise buttons and a close box.
  window_ = ::CreateWindowExW(
      WS_EX_CONTROLPARENT, kForm1ClassName, ShownText(kForm1.caption).c_str(),
      WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
      CW_USEDEFAULT, nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) throw std::bad_alloc();
  CreateControls();
  ApplyDpi(WindowDpi(window_));
  SizeForm(window_, WindowDpi(window_));
}

Form1::~Form1() {
  if (window_ != nullptr) ::DestroyWindow(window_);
}

void Form1::CreateControls() {
  for (std::size_t i = 0; i < kControlCount; ++i) {
    const form::ControlDescription& control = kForm1.controls.at(i);
    controls_.at(i) = CreateControl(window_, control);
    if (!form::TakesFocus(control.kind)) continue;
    const std::wstring name = ShownText(form::AccessibleName(control));
    const std::wstring description = ShownText(control.accessibleDescription);
    NameForAssistiveTools(controls_.at(i), AccessibleRole(control.kind), name, description);
    // A combo box's edit field is where the focus rests: it carries the combo box's name too.
    if (control.kind == form::ControlKind::kDropDownCombo) {
      NameForAssistiveTools(ComboEditField(controls_.at(i)),
                            AccessibleRole(form::ControlKind::kTextBox), name, description);
    }
  }
}

void Form1::ApplyDpi(int dpi) {
  // The old fonts go only after the controls have taken the new ones.
  auto fonts = std::make_unique<Fonts>(dpi);
  PlaceControls(controls_, dpi, *fonts);
  fonts_ = std::move(fonts);
}

HWND Form1::Control(std::string_view name) const {
  const form::ControlDescription* control = form::FindControl(name);
  if (control == nullptr) return nullptr;
  return controls_.at(static_cast<std::size_t>(control - kForm1.controls.data()));
}

LRESULT CALLBACK Form1::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    // NOLINTNEXTLINE(performance-no-int-to-ptr): the message carries a pointer
    const auto* creation = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    ::SetWindowLongPtrW(window, GWLP_USERDATA,
                        reinterpret_cast<LONG_PTR>(creation->lpCreateParams));
  }
  // NOLINTNEXTLINE(performance-no-int-to-ptr): the window's data is the pointer set above
  auto* form = reinterpret_cast<Form1*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr || form->window_ == nullptr) {
    return ::DefWindowProcW(window, message, wParam, lParam);
  }
  try {
    return form->HandleMessage(message, wParam, lParam);
  } catch (...) {
    form->ReportFatalError();
    form->EndProgram(form::kFatalErrorExitStatus);
    return 0;
  }
}

LRESULT Form1::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        // NOLINTNEXTLINE(performance-no-int-to-ptr): a control's notice carries its handle
        OnButtonClicked(reinterpret_cast<HWND>(lParam));
      }
      return 0;
    case WM_DPICHANGED: {
      // NOLINTNEXTLINE(performance-no-int-to-ptr): the message carries a pointer
      const auto* suggested = reinterpret_cast<const RECT*>(lParam);
      ::SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
      ApplyDpi(HIWORD(wParam));
      return 0;
    }
    case WM_ACTIVATE:
      OnActivate(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_DESTROY:
      window_ = nullptr;
      ::PostQuitMessage(endStatus_.value_or(0));
      endStatus_ = endStatus_.value_or(0);
      return 0;
    default:
      return ::DefWindowProcW(window_, message, wParam, lParam);
  }
}

void Form1::OnActivate(bool active) {
  if (!active) {
    HWND focus = ::GetFocus();
    if (focus != nullptr && ::IsChild(window_, focus)) lastFocus_ = focus;
  } else if (!::IsIconic(window_)) {
    FocusControl(lastFocus_ != nullptr ? lastFocus_ : Control(form::InitialFocus().name));
  }
}

bool Form1::PreTranslateMessage(const MSG& message) const {
  return window_ != nullptr && HandleFormKey(message, controls_);
}

void Form1::OnButtonClicked(HWND button) {
  // An error in the event procedure goes on to the window procedure, which ends the program.
  for (const form::ClickWiring& click : form::kForm1Wiring.clicks) {
    if (Control(click.button) == button && form::RunClick(click, *this)) EndProgram(0);
  }
}

bool Form1::Load() {
  // The metro list is drawn once, when it is full.
  const RedrawPause pause(Control(form::kForm1Wiring.metroList));
  try {
    form::kForm1Wiring.load(*this);
    return true;
  } catch (...) {
    ReportFatalError();
    return false;
  }
}

void Form1::Show() {
  ::ShowWindow(window_, SW_SHOWDEFAULT);
  ::UpdateWindow(window_);
  FocusControl(Control(form::InitialFocus().name));
}

void Form1::EndProgram(int status) {
  // Nothing may run after the end: the window goes before the event loop is left.
  endStatus_ = status;
  ::DestroyWindow(window_);
}

void Form1::ReportFatalError() {
  onFatalError_(window_, DescribeFatalError(std::current_exception()));
}

std::string Form1::EntryText() {
  return form::ToFileBytes(WindowText(Control(form::kForm1Wiring.entry)), form::kNoByteSubstitute);
}

void Form1::ShowResult(const std::string& text) {
  HWND results = Control(form::kForm1Wiring.results);
  SetText(results, ShownText(text));
  ::UpdateWindow(results);
}

std::optional<std::string> Form1::MetroSelection() {
  return form::ToFileBytes(WindowText(Control(form::kForm1Wiring.metroList)));
}

void Form1::AddMetroName(const std::string& name) {
  // Straight into the combo box's list: every message to the combo box itself goes through the
  // subclass that names it for assistive tools, which under wine makes an item cost some twenty
  // times as much.
  if (metroList_ == nullptr) metroList_ = ComboDropDownList(Control(form::kForm1Wiring.metroList));
  AppendListItem(metroList_, ShownText(name));
}

}  // namespace window
