// SPDX-License-Identifier: Apache-2.0
// The main window on the offscreen platform: layout, fonts, keys, lookups, names and errors.
#include "form1.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <memory>

#include "fonts.h"
#include "testing/directory_record.h"
#include "testing/temp_folder.h"
#include "wrapping_button.h"

using lookup_testing::Record;
using lookup_testing::TempFolder;
using window::Form1;
using window::WrappingButton;

namespace {

const QString kInvalid = QStringLiteral("Not a valid area code.  Please try again");
const QString kNotFound = QStringLiteral("Area code not found");

std::string Directory() {
  return Record("NY", "212", "New York City, Manhattan") + "\r\n" + Record("ZZ", "200", "Lowest") +
         "\r\n" + Record("QQ", "999", "Highest") + "\r\n" + Record("MK", "300", "<b>x</b> &amp;") +
         "\r\n" +
         Record("QC", "514",
                "Montr\xE9"
                "al") +
         "\r\n";
}

std::string MetroFile() {
  return "New York City      212 332 646\r\n"
         "Boise\r\n"
         "New York City      the second one\r\n"
         "<i>Markup</i>      300\r\n"
         "Boise ?\r\n";
}

// A loaded window over the test data in a folder of its own, made on the stack of each test, with
// its controls found by name and the fatal errors it reported.
class LoadedForm {
 public:
  LoadedForm()
      : form_(
            [this](QWidget*, const window::FatalErrorReport& report) { reports.append(report); }) {
    folder_.Write("cities.txt", Directory());
    folder_.Write("metro.txt", MetroFile());
    loaded_ = form_.Load();
    label1 = Find<QLabel>("Label1");
    text1 = Find<QLineEdit>("Text1");
    combo1 = Find<QComboBox>("Combo1");
    command1 = Find<WrappingButton>("Command1");
    command2 = Find<WrappingButton>("Command2");
    command3 = Find<WrappingButton>("Command3");
    label2 = Find<QLabel>("Label2");
    text2 = Find<QPlainTextEdit>("Text2");
  }

  // The window loaded, and every control is there under its name.
  bool Ready() const {
    return loaded_ && label1 && text1 && combo1 && command1 && command2 && command3 && label2 &&
           text2;
  }
  Form1& form() { return form_; }
  bool ShowAndActivate() {
    form_.show();
    return QTest::qWaitForWindowActive(&form_);
  }
  QString Results() const { return text2->toPlainText(); }
  void LookUp(const QString& entry) {
    text1->setText(entry);
    QTest::mouseClick(command1, Qt::LeftButton);
  }

  QList<window::FatalErrorReport> reports;
  QLabel* label1 = nullptr;
  QLineEdit* text1 = nullptr;
  QComboBox* combo1 = nullptr;
  WrappingButton* command1 = nullptr;
  WrappingButton* command2 = nullptr;
  WrappingButton* command3 = nullptr;
  QLabel* label2 = nullptr;
  QPlainTextEdit* text2 = nullptr;

 private:
  template <typename Control>
  Control* Find(const char* name) const {
    return form_.findChild<Control*>(QString::fromLatin1(name));
  }

  TempFolder folder_;  // first: the current folder while the window loads and looks up
  Form1 form_;
  bool loaded_ = false;
};

// The name that a screen reader speaks for `control`. An editable combo box's own name is the text
// it shows on some platforms, so a combo's name is the one its edit field carries.
QString SpokenName(QWidget* control) {
  if (auto* combo = qobject_cast<QComboBox*>(control); combo != nullptr && combo->isEditable()) {
    control = combo->lineEdit();
  }
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
  return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

// The name of the control that has the focus; the combo's edit field counts as the combo.
QString FocusName() {
  QWidget* focus = QApplication::focusWidget();
  while (focus != nullptr && focus->objectName().isEmpty()) focus = focus->parentWidget();
  return focus ? focus->objectName() : QString();
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { window::InstallFontSubstitutes(); }

  void startsEmptyWithTheFocusInTheEntry() {
    LoadedForm f;
    QVERIFY(f.Ready());
    QVERIFY(f.ShowAndActivate());
    QCOMPARE(f.form().windowTitle(), QStringLiteral("Vantrel Area Code"));
    QCOMPARE(f.form().size(), QSize(417, 302));
    QCOMPARE(FocusName(), QStringLiteral("Text1"));
    QVERIFY(f.text1->text().isEmpty());
    QVERIFY(f.Results().isEmpty());
    QCOMPARE(f.combo1->currentText(), QStringLiteral("Select Metro Area"));
    QCOMPARE(f.combo1->currentIndex(), -1);
    QCOMPARE(f.label1->text(), QStringLiteral("Area Code"));
    QCOMPARE(f.label2->text(), QStringLiteral("Search results"));
  }

  void placesEveryControl_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    QTest::newRow("Label1") << "Label1" << QRect(56, 24, 81, 33);
    QTest::newRow("Text1") << "Text1" << QRect(56, 56, 81, 33);
    QTest::newRow("Combo1") << "Combo1" << QRect(176, 56, 113, 21);
    QTest::newRow("Command1") << "Command1" << QRect(56, 88, 81, 49);
    QTest::newRow("Command2") << "Command2" << QRect(176, 88, 73, 49);
    QTest::newRow("Command3") << "Command3" << QRect(288, 88, 73, 49);
    QTest::newRow("Label2") << "Label2" << QRect(136, 152, 137, 25);
    QTest::newRow("Text2") << "Text2" << QRect(0, 184, 417, 113);
  }

  void placesEveryControl() {
    LoadedForm f;
    QVERIFY(f.Ready());
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    auto* control = f.form().findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    QCOMPARE(control->geometry(), geometry);
    f.form().resize(800, 600);  // the layout is fixed: a larger window moves nothing
    QCOMPARE(control->geometry(), geometry);
  }

  void usesTheSpecifiedFonts_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("points");
    QTest::newRow("Label1") << "Label1" << 12.0;
    QTest::newRow("Text1") << "Text1" << 13.5;
    QTest::newRow("Label2") << "Label2" << 12.0;
    QTest::newRow("Text2") << "Text2" << 9.75;
  }

  void usesTheSpecifiedFonts() {
    LoadedForm f;
    QVERIFY(f.Ready());
    QFETCH(QString, name);
    QFETCH(qreal, points);
    const auto* control = f.form().findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    const QFont font = control->font();
    QCOMPARE(font.family(), window::DialogFontFamily());
    QCOMPARE(font.pointSizeF(), points);
    QCOMPARE(font.weight(), QFont::Normal);
    QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
    // Drawn in the dialog font where the system has it, else in a metric-alike stand-in.
    const QStringList drawnIn = window::DialogFontSubstitutes() << window::DialogFontFamily();
    QVERIFY2(drawnIn.contains(QFontInfo(font).family()), qPrintable(QFontInfo(font).family()));
  }

  void captionsFitWholeInTheirButtons_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("Command1") << "Command1";
    QTest::newRow("Command2") << "Command2";
    QTest::newRow("Command3") << "Command3";
  }

  void captionsFitWholeInTheirButtons() {
    LoadedForm f;
    QVERIFY(f.Ready());
    QFETCH(QString, name);
    auto* button = f.form().findChild<WrappingButton*>(name);
    QVERIFY(button != nullptr);
    const QRect room = button->CaptionRect();
    const QFontMetrics metrics(button->font());
    const QRect needed = metrics.boundingRect(room, WrappingButton::kCaptionFlags, button->text());
    QVERIFY2(room.contains(needed), qPrintable(QStringLiteral("%1 needs %2x%3, has %4x%5")
                                                   .arg(button->text())
                                                   .arg(needed.width())
                                                   .arg(needed.height())
                                                   .arg(room.width())
                                                   .arg(room.height())));
    for (const QString& word : button->text().split(QLatin1Char(' '))) {
      QVERIFY2(metrics.horizontalAdvance(word) <= room.width(), qPrintable(word));
    }
  }

  void enterAndEscapePressNothing() {
    LoadedForm f;
    QVERIFY(f.Ready());
    QVERIFY(f.ShowAndActivate());
    QLineEdit* text1 = f.text1;
    QTest::keyClicks(text1, QStringLiteral("212"));
    QTest::keyClick(text1, Qt::Key_Return);
    QTest::keyClick(text1, Qt::Key_Enter);
    for (WrappingButton* button : {f.command1, f.command2, f.command3}) {
      button->setFocus();
      QTest::keyClick(button, Qt::Key_Return);
      QTest::keyClick(button, Qt::Key_Escape);
    }
    QTest::keyClick(text1, Qt::Key_Escape);
    QVERIFY(f.Results().isEmpty());
    QVERIFY(f.form().isVisible());
    QCOMPARE(f.combo1->count(), 5);
    f.command1->setFocus();  // the keyboard still presses a button by Space
    QTest::keyClick(f.command1, Qt::Key_Space);
    QCOMPARE(f.Results(), QStringLiteral("NY   New York City, Manhattan"));
  }

  void tabCyclesInTabIndexOrder() {
    LoadedForm f;
    QVERIFY(f.Ready());
    QVERIFY(f.ShowAndActivate());
    QStringList visited;
    for (int i = 0; i < 6; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << FocusName();
    }
    QCOMPARE(visited,
             (QStringList{"Command1", "Command3", "Text2", "Command2", "Combo1", "Text1"}));
  }

  void resultsBoxWrapsAndScrollsVertically() {
    LoadedForm f;
    QVERIFY(f.Ready());
    QPlainTextEdit* text2 = f.text2;
    QCOMPARE(text2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(text2->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(text2->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(text2->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);
    QVERIFY(text2->tabChangesFocus());
    QVERIFY(!text2->isReadOnly());
  }

  void lookupShowsTheAnswer_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected");
    QTest::newRow("found") << "212"
                           << "NY   New York City, Manhattan";
    QTest::newRow("lowest") << "200"
                            << "ZZ   Lowest";
    QTest::newRow("highest") << "999"
                             << "QQ   Highest";
    QTest::newRow("trailing-letters") << "212abc"
                                      << "NY   New York City, Manhattan";
    QTest::newRow("rounds-up") << "199.99999999999997"
                               << "ZZ   Lowest";
    QTest::newRow("fraction") << "212.5" << kNotFound;
    QTest::newRow("absent") << "555" << kNotFound;
    QTest::newRow("too-low") << "199" << kInvalid;
    QTest::newRow("too-high") << "1000" << kInvalid;
    QTest::newRow("empty") << "" << kInvalid;
    QTest::newRow("letters") << "abc" << kInvalid;
    QTest::newRow("no-byte-for-it") << QStringLiteral("2\u03A912") << kInvalid;
    QTest::newRow("markup") << "300"
                            << "MK   <b>x</b> &amp;";
    QTest::newRow("Windows-1252") << "514" << QStringLiteral("QC   Montr\u00E9al");
  }

  void lookupShowsTheAnswer() {
    LoadedForm f;
    QVERIFY(f.Ready());
    QFETCH(QString, entry);
    QFETCH(QString, expected);
    f.LookUp(entry);
    QCOMPARE(f.Results(), expected);
    QCOMPARE(f.text1->text(), entry);  // the entry is never rewritten
    QVERIFY(f.reports.isEmpty());
  }

  void missingDirectoryIsFatalOnlyForAValidEntry() {
    LoadedForm f;
    QVERIFY(f.Ready());
    QVERIFY(QFile::remove(QStringLiteral("cities.txt")));
    f.LookUp(QStringLiteral("abc"));
    QCOMPARE(f.Results(), kInvalid);
    QVERIFY(f.reports.isEmpty());
    f.LookUp(QStringLiteral("212"));
    QCOMPARE(f.reports.size(), 1);
    QCOMPARE(f.reports[0].number, lookup::ErrorNumber::kFileNotFound);
    QCOMPARE(f.reports[0].description, QStringLiteral("File not found"));
    QCOMPARE(
        f.reports[0].Message(),
        QStringLiteral("Run-time error 53: File not found\n\n\"cities.txt\" was not found in %1.")
            .arg(QDir::toNativeSeparators(QDir::currentPath())));
    QCOMPARE(f.Results(), kInvalid);  // the failed lookup showed nothing
  }

  void metroListIsTheFileInOrder() {
    LoadedForm f;
    QVERIFY(f.Ready());
    QComboBox* combo = f.combo1;
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    QCOMPARE(items, (QStringList{"New York City      ", "Boise", "New York City      ",
                                 "<i>Markup</i>      ", "Boise ?"}));
    QCOMPARE(combo->currentText(), QStringLiteral("Select Metro Area"));
    QVERIFY(combo->completer() == nullptr);
  }

  void metroChosenByKeyboardShowsItsLine() {
    LoadedForm f;
    QVERIFY(f.Ready());
    QVERIFY(f.ShowAndActivate());
    QComboBox* combo = f.combo1;
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), QStringLiteral("New York City      "));
    QTest::mouseClick(f.command2, Qt::LeftButton);
    QCOMPARE(f.Results(), QStringLiteral("New York City      212 332 646"));
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);  // the second New York City: the first line still wins
    QCOMPARE(combo->currentIndex(), 2);
    f.LookUp(QStringLiteral("abc"));
    QTest::mouseClick(f.command2, Qt::LeftButton);
    QCOMPARE(f.Results(), QStringLiteral("New York City      212 332 646"));
  }

  void metroThatMatchesNothingLeavesTheResults_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("initial-text") << "Select Metro Area";
    QTest::newRow("other-case") << "BOISE";
    QTest::newRow("unpadded") << "New York City";
    QTest::newRow("no-byte-for-it") << QStringLiteral("Boise \u03A9");
  }

  void metroThatMatchesNothingLeavesTheResults() {
    LoadedForm f;
    QVERIFY(f.Ready());
    QFETCH(QString, typed);
    f.LookUp(QStringLiteral("212"));
    f.combo1->setEditText(typed);
    QTest::mouseClick(f.command2, Qt::LeftButton);
    QCOMPARE(f.Results(), QStringLiteral("NY   New York City, Manhattan"));
    QVERIFY(f.reports.isEmpty());
  }

  void metroMarkupShowsLiterally() {
    LoadedForm f;
    QVERIFY(f.Ready());
    f.combo1->setCurrentIndex(3);
    QTest::mouseClick(f.command2, Qt::LeftButton);
    QCOMPARE(f.Results(), QStringLiteral("<i>Markup</i>      300"));
  }

  // What a screen reader says of each control that a person operates: its role and its name, with
  // a description of what it is for.
  void assistiveToolsNameEveryControl_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::newRow("Text1") << "Text1" << QAccessible::EditableText << "Area Code";
    QTest::newRow("Combo1") << "Combo1" << QAccessible::ComboBox << "Metro area";
    QTest::newRow("Command1") << "Command1" << QAccessible::Button << "Where is that area code";
    QTest::newRow("Command2") << "Command2" << QAccessible::Button << "Area Codes in a metro area";
    QTest::newRow("Command3") << "Command3" << QAccessible::Button << "Exit";
    QTest::newRow("Text2") << "Text2" << QAccessible::EditableText << "Search results";
  }

  void assistiveToolsNameEveryControl() {
    QFETCH(QString, control);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    LoadedForm f;
    QVERIFY(f.Ready());
    auto* widget = f.form().findChild<QWidget*>(control);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->role(), role);
    QCOMPARE(SpokenName(widget), name);
    QVERIFY(!accessible->text(QAccessible::Description).isEmpty());
  }

  void noControlThatTakesTheFocusIsNameless() {
    LoadedForm f;
    QVERIFY(f.Ready());
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&f.form());
    QVERIFY(window != nullptr);
    QCOMPARE(window->text(QAccessible::Name), QStringLiteral("Vantrel Area Code"));
    int focusable = 0;
    for (int i = 0; i < window->childCount(); ++i) {
      QAccessibleInterface* child = window->child(i);
      if (child == nullptr || !child->state().focusable) continue;
      ++focusable;
      auto* control = qobject_cast<QWidget*>(child->object());
      QVERIFY2(!SpokenName(control).isEmpty(), qPrintable(control->objectName()));
    }
    QCOMPARE(focusable, 6);
  }

  void missingMetroFileAtLoadIsFatal() {
    const TempFolder folder;  // without metro.txt
    QList<window::FatalErrorReport> reports;
    Form1 form(
        [&reports](QWidget*, const window::FatalErrorReport& report) { reports.append(report); });
    QVERIFY(!form.Load());
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports[0].number, lookup::ErrorNumber::kFileNotFound);
    QVERIFY(reports[0].detail.startsWith(QStringLiteral("\"metro.txt\" was not found in ")));
    QVERIFY(!form.isVisible());
  }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
