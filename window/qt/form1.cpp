// SPDX-License-Identifier: Apache-2.0
// The main window: its controls, made from the form description and wired as the form says.
#include "form1.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "fonts.h"
#include "form/dialog_font.h"
#include "form/form1_description.h"
#include "form/windows_1252.h"
#include "windows_1252.h"
#include "wrapping_button.h"

namespace window {
namespace {

QString FromAscii(std::string_view text) { return FromFileBytes(std::string(text)); }

QFont SansSerif(qreal pointSize) {
  QFont font(DialogFontFamily());
  font.setPointSizeF(pointSize);
  font.setWeight(QFont::Normal);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QWidget* CreateLabel(QWidget* form, const form::ControlDescription& control) {
  auto* label = new QLabel(form);
  label->setTextFormat(Qt::PlainText);
  label->setText(FromAscii(control.caption));
  return label;
}

QWidget* CreateResultsBox(QWidget* form) {
  auto* box = new QPlainTextEdit(form);
  box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  box->setTabChangesFocus(true);
  return box;
}

QWidget* CreateCombo(QWidget* form, const form::ControlDescription& control) {
  auto* combo = new QComboBox(form);
  combo->setEditable(true);
  combo->setCompleter(nullptr);  // a metro name is matched exactly, case and all
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setEditText(FromAscii(control.caption));
  return combo;
}

QWidget* CreateButton(QWidget* form, const form::ControlDescription& control) {
  auto* button = new WrappingButton(FromAscii(control.caption), form);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

QWidget* CreateControl(QWidget* form, const form::ControlDescription& control) {
  switch (control.kind) {
    case form::ControlKind::kLabel:
      return CreateLabel(form, control);
    case form::ControlKind::kTextBox:
      return new QLineEdit(form);
    case form::ControlKind::kResultsBox:
      return CreateResultsBox(form);
    case form::ControlKind::kDropDownCombo:
      return CreateCombo(form, control);
    case form::ControlKind::kButton:
      return CreateButton(form, control);
  }
  return nullptr;
}

QRect Pixels(const form::TwipsRect& rect) {
  const form::PixelRect pixels = form::ToPixels(rect, form::kStandardDpi);
  return {pixels.left, pixels.top, pixels.width, pixels.height};
}

}  // namespace

Form1::Form1(FatalErrorHandler onFatalError) : onFatalError_(std::move(onFatalError)) {
  setObjectName(FromAscii(form::kForm1.name));
  setWindowTitle(FromAscii(form::kForm1.caption));
  // Qt's high-DPI scaling takes the pixels on from the standard resolution.
  resize(form::ToPixels(form::kForm1.clientWidth, form::kStandardDpi),
         form::ToPixels(form::kForm1.clientHeight, form::kStandardDpi));
  setFont(SansSerif(form::kWindowDefaultFontPoints));
  CreateControls();
  NameControlsForAssistiveTools();
  SetFocusOrder();
  ConnectEvents();
}

Form1::~Form1() = default;

void Form1::CreateControls() {
  for (const form::ControlDescription& control : form::kForm1.controls) {
    QWidget* widget = CreateControl(this, control);
    widget->setObjectName(FromAscii(control.name));
    widget->setGeometry(Pixels(control.rect));
    if (control.fontPoints) widget->setFont(SansSerif(*control.fontPoints));
  }
}

void Form1::NameControlsForAssistiveTools() {
  // The labels name the controls that they stand by, as they do on the screen; the buttons are
  // named by their captions. A control without either has a name of its own, and a combo box's
  // edit field carries it too: on some platforms a combo box's own name is the text it shows.
  for (const form::ControlDescription& control : form::kForm1.controls) {
    auto* widget = Child<QWidget>(control.name);
    if (!control.buddy.empty()) {
      static_cast<QLabel*>(widget)->setBuddy(Child<QWidget>(control.buddy));
    }
    if (!control.accessibleName.empty()) {
      widget->setAccessibleName(FromAscii(control.accessibleName));
      if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        combo->lineEdit()->setAccessibleName(FromAscii(control.accessibleName));
      }
    }
    widget->setAccessibleDescription(FromAscii(control.accessibleDescription));
  }
}

void Form1::SetFocusOrder() {
  // The labels take no focus.
  QWidget* previous = nullptr;
  for (const form::ControlDescription* control : form::FocusOrder()) {
    auto* widget = Child<QWidget>(control->name);
    if (previous != nullptr) setTabOrder(previous, widget);
    previous = widget;
  }
  Child<QWidget>(form::InitialFocus().name)->setFocus();
}

void Form1::ConnectEvents() {
  for (const form::ClickWiring& click : form::kForm1Wiring.clicks) {
    connect(Child<QAbstractButton>(click.button), &QAbstractButton::clicked, this,
            [this, &click] { OnClicked(click); });
  }
}

bool Form1::Load() {
  return RunEventProcedure([this] { form::kForm1Wiring.load(*this); });
}

void Form1::OnClicked(const form::ClickWiring& click) {
  bool ends = false;
  if (!RunEventProcedure([&] { ends = form::RunClick(click, *this); })) {
    EndProgram(kFatalErrorExitStatus);
  } else if (ends) {
    EndProgram(0);
  }
}

void Form1::EndProgram(int status) {
  // Nothing may run after the end: the window goes before the event loop is left.
  hide();
  QCoreApplication::exit(status);
}

bool Form1::RunEventProcedure(const std::function<void()>& procedure) {
  try {
    procedure();
    return true;
  } catch (...) {
    onFatalError_(this, DescribeFatalError(std::current_exception()));
    return false;
  }
}

std::string Form1::EntryText() {
  return ToFileBytes(Child<QLineEdit>(form::kForm1Wiring.entry)->text(), form::kNoByteSubstitute);
}

void Form1::ShowResult(const std::string& text) {
  auto* results = Child<QPlainTextEdit>(form::kForm1Wiring.results);
  results->setPlainText(FromFileBytes(text));
  results->viewport()->repaint();
}

std::optional<std::string> Form1::MetroSelection() {
  return ToFileBytes(Child<QComboBox>(form::kForm1Wiring.metroList)->currentText());
}

void Form1::AddMetroName(const std::string& name) {
  auto* combo = Child<QComboBox>(form::kForm1Wiring.metroList);
  // The first item put into an empty list would otherwise become the current one and replace
  // the text that the box shows.
  const QSignalBlocker blocker(combo);
  const int current = combo->currentIndex();
  const QString shown = combo->currentText();
  combo->addItem(FromFileBytes(name));
  if (combo->currentIndex() != current) {
    combo->setCurrentIndex(current);
    combo->setEditText(shown);
  }
}

}  // namespace window
