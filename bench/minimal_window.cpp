// SPDX-License-Identifier: Apache-2.0
// The baselines of the start-up benchmark: an empty Qt window of the program's size and, built
// with MINIMAL_WITH_TEXT, the same window showing one label, which makes Qt load its fonts.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
#ifdef MINIMAL_WITH_TEXT
  auto* label = new QLabel(QStringLiteral("Area Code"), &window);
  label->adjustSize();  // measures its text before the window is shown, as a laid-out form does
#endif
  window.setWindowTitle(QStringLiteral("Minimal"));
  window.resize(417, 302);
  window.show();
  return QApplication::exec();
}
