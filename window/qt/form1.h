// SPDX-License-Identifier: Apache-2.0
// The main window: its controls, made from the form description and wired as the form says.
#pragma once

#include <QWidget>
#include <functional>
#include <string_view>

#include "fatal_error_report.h"
#include "form/form1_wiring.h"
#include "main_window_operations.h"

namespace window {

// The program's one window: the area-code entry, the metro-area list, the three buttons and the
// results box, laid out at fixed positions.
class Form1 : public QWidget, public lookup::MainWindowOperations {
  Q_OBJECT

 public:
  using FatalErrorHandler = std::function<void(QWidget* window, const FatalErrorReport&)>;

  // `onFatalError` tells the user of an error that ends the program; the window then ends it.
  explicit Form1(FatalErrorHandler onFatalError = ShowFatalErrorReport);
  ~Form1() override;

  // The window's Load event: fills the metro list. False after a fatal error, which has been
  // reported; the caller then ends the program without showing the window.
  bool Load();

  std::string EntryText() override;
  void ShowResult(const std::string& text) override;
  std::optional<std::string> MetroSelection() override;
  void AddMetroName(const std::string& name) override;

 private:
  // The control named `name`.
  template <typename Control>
  Control* Child(std::string_view name) const {
    return findChild<Control*>(
        QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())),
        Qt::FindDirectChildrenOnly);
  }
  void CreateControls();
  void NameControlsForAssistiveTools();
  void SetFocusOrder();
  void ConnectEvents();
  // Does what a click on the button of `click` does; after a fatal error the program ends.
  void OnClicked(const form::ClickWiring& click);
  // Runs `procedure`; an error in it is fatal: it goes to the handler, and false returns.
  bool RunEventProcedure(const std::function<void()>& procedure);
  // Takes the window off the screen and leaves the event loop with `status`.
  void EndProgram(int status);

  FatalErrorHandler onFatalError_;
};

}  // namespace window
