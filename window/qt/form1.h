// SPDX-License-Identifier: Apache-2.0
// The main window: its controls, their names and the wiring of their events.
#pragma once

#include <QWidget>
#include <functional>
#include <string_view>

#include "fatal_error_report.h"
#include "main_window_operations.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace window {

class WrappingButton;

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
  void Command3_Click();
  // Runs one event procedure; an error in it is fatal: it goes to the handler, and false returns.
  bool RunEventProcedure(const std::function<void()>& procedure);
  // Runs a button's event procedure; after a fatal error the program ends.
  void RunClickProcedure(const std::function<void()>& procedure);
  // Takes the window off the screen and leaves the event loop with `status`.
  void EndProgram(int status);

  FatalErrorHandler onFatalError_;
  QLabel* label1_ = nullptr;            // "Area Code", above the entry
  QLineEdit* text1_ = nullptr;          // the area-code entry
  QComboBox* combo1_ = nullptr;         // the metro-area list
  WrappingButton* command1_ = nullptr;  // "Where is that area code"
  WrappingButton* command2_ = nullptr;  // "Area Codes in a metro area"
  WrappingButton* command3_ = nullptr;  // "Exit"
  QLabel* label2_ = nullptr;            // "Search results", above the results box
  QPlainTextEdit* text2_ = nullptr;     // the results box
};

}  // namespace window
