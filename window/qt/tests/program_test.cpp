// SPDX-License-Identifier: Apache-2.0
// The program's whole life in this process: start, a click, and how it ends.
#include "program.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTest>
#include <functional>
#include <utility>

#include "testing/directory_record.h"
#include "testing/temp_folder.h"
#include "wrapping_button.h"

using lookup_testing::Record;
using lookup_testing::TempFolder;

namespace {

QWidget* MainWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == QStringLiteral("Form1")) return widget;
  }
  return nullptr;
}

// What the user saw of the program before it ended.
struct Seen {
  QStringList boxes;  // every message box: title, then text
  bool windowShownWithBox = false;
  int status = -1;
};

// Watches the whole application while the program runs: once the main window is shown, `act` runs
// from the event loop; every message box is read as it is shown, then closed.
class ProgramWatcher : public QObject {
 public:
  ProgramWatcher(Seen& seen, std::function<void(QWidget*)> act)
      : seen_(seen), act_(std::move(act)) {
    QApplication::instance()->installEventFilter(this);
  }
  ~ProgramWatcher() override { QApplication::instance()->removeEventFilter(this); }
  ProgramWatcher(const ProgramWatcher&) = delete;
  ProgramWatcher& operator=(const ProgramWatcher&) = delete;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    if (auto* box = qobject_cast<QMessageBox*>(watched)) {
      ReadAndClose(box);
    } else if (watched->objectName() == QStringLiteral("Form1") && !acted_) {
      acted_ = true;
      // Queued, so that it runs from the program's own event loop; dropped with the watcher.
      auto* form = static_cast<QWidget*>(watched);
      QMetaObject::invokeMethod(
          this, [this, form] { act_(form); }, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  void ReadAndClose(QMessageBox* box) {
    QWidget* form = MainWindow();
    seen_.windowShownWithBox = form != nullptr && form->isVisible();
    seen_.boxes << box->windowTitle() + QStringLiteral(" | ") + box->text();
    QVERIFY(box->textFormat() == Qt::PlainText);
    QVERIFY(box->icon() == QMessageBox::Critical);
    QMetaObject::invokeMethod(box, &QDialog::accept, Qt::QueuedConnection);
  }

  Seen& seen_;
  std::function<void(QWidget*)> act_;
  bool acted_ = false;
};

// Runs the program; once its window is up, `act` runs, and every message box is read and closed.
Seen RunProgramWith(const std::function<void(QWidget*)>& act) {
  Seen seen;
  const ProgramWatcher watcher(seen, act);
  seen.status = window::RunProgram();
  return seen;
}

void Click(QWidget* form, const char* button) {
  QTest::mouseClick(form->findChild<window::WrappingButton*>(QString::fromLatin1(button)),
                    Qt::LeftButton);
}

void Type(QWidget* form, const QString& entry) {
  form->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(entry);
}

}  // namespace

class ProgramTest : public QObject {
  Q_OBJECT

 private slots:
  void exitEndsTheProgramAtOnce() {
    TempFolder folder;
    folder.Write("metro.txt", "Boise 208\r\n");
    folder.Write("cities.txt", Record("ID", "208", "Boise") + "\r\n");
    QString shown;
    const Seen seen = RunProgramWith([&shown](QWidget* form) {
      Type(form, QStringLiteral("208"));
      Click(form, "Command1");
      shown = form->findChild<QPlainTextEdit*>(QStringLiteral("Text2"))->toPlainText();
      Click(form, "Command3");
    });
    QCOMPARE(shown, QStringLiteral("ID   Boise"));
    QCOMPARE(seen.status, 0);
    QVERIFY(seen.boxes.isEmpty());
  }

  void closingTheWindowEndsTheProgram() {
    TempFolder folder;
    folder.Write("metro.txt", "");
    const Seen seen = RunProgramWith([](QWidget* form) { form->close(); });
    QCOMPARE(seen.status, 0);
  }

  void missingDirectoryReportsAndEnds() {
    TempFolder folder;
    folder.Write("metro.txt", "");
    const QString folderPath = QDir::currentPath();
    const Seen seen = RunProgramWith([](QWidget* form) {
      Type(form, QStringLiteral("abc"));  // an invalid entry opens no file and goes on
      Click(form, "Command1");
      Type(form, QStringLiteral("212"));
      Click(form, "Command1");
    });
    QCOMPARE(seen.status, 1);
    QCOMPARE(seen.boxes,
             QStringList{QStringLiteral("Vantrel Area Code | Run-time error 53: File not found\n\n"
                                        "\"cities.txt\" was not found in %1.")
                             .arg(QDir::toNativeSeparators(folderPath))});
    QVERIFY(seen.windowShownWithBox);
  }

  void missingMetroFileEndsBeforeTheWindowShows() {
    TempFolder folder;
    const Seen seen = RunProgramWith([](QWidget*) { QFAIL("the window was shown"); });
    QCOMPARE(seen.status, 1);
    QCOMPARE(seen.boxes.size(), 1);
    QVERIFY(seen.boxes[0].contains(QStringLiteral("Run-time error 53: File not found")));
    QVERIFY(seen.boxes[0].contains(QStringLiteral("\"metro.txt\" was not found in ")));
    QVERIFY(!seen.windowShownWithBox);
  }

  void directoryInPlaceOfTheFileIsAnAccessError() {
    TempFolder folder;
    QVERIFY(QDir::current().mkdir(QStringLiteral("metro.txt")));
    const Seen seen = RunProgramWith([](QWidget*) {});
    QCOMPARE(seen.status, 1);
    QVERIFY2(
        seen.boxes.value(0).contains(QStringLiteral("Run-time error 75: Path/File access error")),
        qPrintable(seen.boxes.join(QLatin1Char(';'))));
  }

  void versionIsOnePointZeroZero() {
    TempFolder folder;
    folder.Write("metro.txt", "");
    RunProgramWith([](QWidget* form) { form->close(); });
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.00"));
  }
};

QTEST_MAIN(ProgramTest)
#include "program_test.moc"
