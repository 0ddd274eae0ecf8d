// The baseline of the start-up benchmark: an empty Qt window of the program's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Minimal"));
  window.resize(417, 302);
  window.show();
  return QApplication::exec();
}
