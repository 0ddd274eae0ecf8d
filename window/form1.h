#pragma once

#include <QWidget>
#include <functional>

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

  explicit Form1(FatalErrorHandler onFatalError = ReportFatalErrorAndEnd);
  ~Form1() override;

  // The window's Load event: fills the metro list. False when a fatal error ended it.
  bool Load();

  std::string EntryText() override;
  void ShowResult(const std::string& text) override;
  std::optional<std::string> MetroSelection() override;
  void AddMetroName(const std::string& name) override;

 private:
  void CreateControls();
  void SetFocusOrder();
  void ConnectEvents();
  void Command3_Click();
  // Runs one event procedure; an error in it is fatal and goes to the handler.
  bool RunEventProcedure(const std::function<void()>& procedure);

  FatalErrorHandler onFatalError_;
  QLabel* label1_ = nullptr;
  QLineEdit* text1_ = nullptr;
  QComboBox* combo1_ = nullptr;
  WrappingButton* command1_ = nullptr;
  WrappingButton* command2_ = nullptr;
  WrappingButton* command3_ = nullptr;
  QLabel* label2_ = nullptr;
  QPlainTextEdit* text2_ = nullptr;
};

}  // namespace window
