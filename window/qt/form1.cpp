// SPDX-License-Identifier: Apache-2.0
// The main window: its controls, their names and the wiring of their events.
#include "form1.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>

#include "area_code_lookup.h"
#include "fonts.h"
#include "metro_areas.h"
#include "twips.h"
#include "windows_1252.h"
#include "wrapping_button.h"

namespace window {
namespace {

// Stops the number that an entry begins with, as any character that no number holds does.
constexpr char kNoByteSubstitute = '?';

QFont SansSerif(qreal pointSize) {
  QFont font(DialogFontFamily());
  font.setPointSizeF(pointSize);
  font.setWeight(QFont::Normal);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

template <typename Control>
Control* Place(QWidget* form, const char* name, QRect twipsRect) {
  auto* control = new Control(form);
  control->setObjectName(QString::fromLatin1(name));
  control->setGeometry(twipsRect);
  return control;
}

// The window's default font, used by the combo box and the buttons: the classic dialog font, which
// also keeps every text of the window in one font family.
constexpr qreal kDefaultFontPoints = 8;

}  // namespace

Form1::Form1(FatalErrorHandler onFatalError) : onFatalError_(std::move(onFatalError)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Vantrel Area Code"));
  resize(Twips(6255), Twips(4530));
  setFont(SansSerif(kDefaultFontPoints));
  CreateControls();
  NameControlsForAssistiveTools();
  SetFocusOrder();
  ConnectEvents();
}

Form1::~Form1() = default;

void Form1::CreateControls() {
  label1_ = Place<QLabel>(this, "Label1", TwipsRect(840, 360, 1215, 495));
  label1_->setText(QStringLiteral("Area Code"));
  label1_->setFont(SansSerif(12));

  text1_ = Place<QLineEdit>(this, "Text1", TwipsRect(840, 840, 1215, 495));
  text1_->setFont(SansSerif(13.5));

  combo1_ = Place<QComboBox>(this, "Combo1", TwipsRect(2640, 840, 1695, 315));
  combo1_->setEditable(true);
  combo1_->setCompleter(nullptr);  // a metro name is matched exactly, case and all
  combo1_->setInsertPolicy(QComboBox::NoInsert);
  combo1_->setEditText(FromFileBytes(std::string(lookup::kNoMetroChosen)));

  command1_ = Place<WrappingButton>(this, "Command1", TwipsRect(840, 1320, 1215, 735));
  command1_->setText(QStringLiteral("Where is that area code"));
  command2_ = Place<WrappingButton>(this, "Command2", TwipsRect(2640, 1320, 1095, 735));
  command2_->setText(QStringLiteral("Area Codes in a metro area"));
  command3_ = Place<WrappingButton>(this, "Command3", TwipsRect(4320, 1320, 1095, 735));
  command3_->setText(QStringLiteral("Exit"));
  for (QPushButton* button : {command1_, command2_, command3_}) {
    button->setAutoDefault(false);
    button->setDefault(false);
  }

  label2_ = Place<QLabel>(this, "Label2", TwipsRect(2040, 2280, 2055, 375));
  label2_->setText(QStringLiteral("Search results"));
  label2_->setFont(SansSerif(12));

  text2_ = Place<QPlainTextEdit>(this, "Text2", TwipsRect(0, 2760, 6255, 1695));
  text2_->setFont(SansSerif(9.75));
  text2_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  text2_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  text2_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  text2_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  text2_->setTabChangesFocus(true);

  for (QLabel* label : {label1_, label2_}) label->setTextFormat(Qt::PlainText);
}

void Form1::NameControlsForAssistiveTools() {
  // The labels name the two text boxes, as they do on the screen; the buttons are named by their
  // captions. The metro list has no label of its own, so it is named here, and so is its edit
  // field: on some platforms a combo box's own name is the text it shows.
  label1_->setBuddy(text1_);
  label2_->setBuddy(text2_);
  const QString metroArea = QStringLiteral("Metro area");
  combo1_->setAccessibleName(metroArea);
  combo1_->lineEdit()->setAccessibleName(metroArea);
  text1_->setAccessibleDescription(QStringLiteral("A three-digit area code, 200 to 999"));
  combo1_->setAccessibleDescription(
      QStringLiteral("The metro areas of metro.txt; pick one, or type its name exactly"));
  command1_->setAccessibleDescription(
      QStringLiteral("Shows the region and cities of the area code entered"));
  command2_->setAccessibleDescription(QStringLiteral("Shows the area codes of the metro area"));
  command3_->setAccessibleDescription(QStringLiteral("Ends the program"));
  text2_->setAccessibleDescription(QStringLiteral("The answer to the last lookup"));
}

void Form1::SetFocusOrder() {
  // The order of the controls' tab indices; the labels take no focus.
  const QList<QWidget*> order = {text1_, command1_, command3_, text2_, command2_, combo1_};
  for (qsizetype i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
  text1_->setFocus();
}

void Form1::ConnectEvents() {
  connect(command1_, &QPushButton::clicked, this,
          [this] { RunClickProcedure([this] { lookup::Command1_Click(*this); }); });
  connect(command2_, &QPushButton::clicked, this,
          [this] { RunClickProcedure([this] { lookup::Command2_Click(*this); }); });
  connect(command3_, &QPushButton::clicked, this, [this] { Command3_Click(); });
}

bool Form1::Load() {
  return RunEventProcedure([this] { lookup::Form_Load(*this); });
}

void Form1::Command3_Click() { EndProgram(0); }

void Form1::EndProgram(int status) {
  // Nothing may run after the end: the window goes before the event loop is left.
  hide();
  QCoreApplication::exit(status);
}

void Form1::RunClickProcedure(const std::function<void()>& procedure) {
  if (!RunEventProcedure(procedure)) EndProgram(kFatalErrorExitStatus);
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

std::string Form1::EntryText() { return ToFileBytes(text1_->text(), kNoByteSubstitute); }

void Form1::ShowResult(const std::string& text) {
  text2_->setPlainText(FromFileBytes(text));
  text2_->viewport()->repaint();
}

std::optional<std::string> Form1::MetroSelection() { return ToFileBytes(combo1_->currentText()); }

void Form1::AddMetroName(const std::string& name) {
  // The first item put into an empty list would otherwise become the current one and replace
  // the text that the box shows.
  const QSignalBlocker blocker(combo1_);
  const int current = combo1_->currentIndex();
  const QString shown = combo1_->currentText();
  combo1_->addItem(FromFileBytes(name));
  if (combo1_->currentIndex() != current) {
    combo1_->setCurrentIndex(current);
    combo1_->setEditText(shown);
  }
}

}  // namespace window
