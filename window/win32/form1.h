// SPDX-License-Identifier: Apache-2.0
// The main window of Windows, of the system's own controls: their wiring and the four operations.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <tuple>

#include "fatal_error_box.h"
#include "fonts.h"
#include "form/form1_description.h"
#include "main_window_operations.h"
#include "windows_api.h"

namespace window {

// The program's one window: the area-code entry, the metro-area list, the three buttons and the
// results box, laid out at fixed positions from twips at the window's screen resolution.
class Form1 : public lookup::MainWindowOperations {
 public:
  using FatalErrorHandler = std::function<void(HWND window, const form::FatalErrorText&)>;

  // Makes the window and its controls, hidden. `onFatalError` tells the user of an error that ends
  // the program; the window then ends it. Throws std::bad_alloc when the system cannot.
  explicit Form1(FatalErrorHandler onFatalError = ShowFatalErrorBox);
  ~Form1() override;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // The window's Load event: fills the metro list. False after a fatal error, which has been
  // reported; the caller then ends the program without showing the window.
  bool Load();
  // Puts the window on the screen where the system places new windows, the focus in Text1.
  void Show();
  // Lets the window see `message` before it is dispatched; true when it has been handled.
  bool PreTranslateMessage(const MSG& message) const;

  HWND Handle() const { return window_; }
  // The control named `name` in the description; null for none.
  HWND Control(std::string_view name) const;
  // The program's exit status once the window has ended it.
  std::optional<int> EndStatus() const { return endStatus_; }

  std::string EntryText() override;
  void ShowResult(const std::string& text) override;
  std::optional<std::string> MetroSelection() override;
  void AddMetroName(const std::string& name) override;

 private:
  static constexpr std::size_t kControlCount =
      std::tuple_size_v<decltype(form::FormDescription::controls)>;

  // The window's messages reach the program here. No exception leaves it for the system's frames
  // that called it: an error while a message is handled is fatal, as any error in the program's
  // own code is.
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) noexcept;
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void CreateControls();
  void ApplyDpi(int dpi);
  void OnButtonClicked(HWND button);
  void OnActivate(bool active);
  // Tells the user of the error being handled, through the handler.
  void ReportFatalError();
  // Takes the window off the screen and leaves the event loop with `status`.
  void EndProgram(int status);

  FatalErrorHandler onFatalError_;
  HWND window_ = nullptr;
  std::array<HWND, kControlCount> controls_{};  // in the order of the description
  std::unique_ptr<Fonts> fonts_;
  HWND lastFocus_ = nullptr;  // given back the focus when the window is activated again
  std::optional<int> endStatus_;
  HWND metroList_ = nullptr;  // Combo1's drop-down list, found when the first name is added
};

}  // namespace window
