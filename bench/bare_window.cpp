// The yardstick for the game's start-up: an empty Qt main window, shown maximised.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  window.showMaximized();
  return QApplication::exec();
}
