// Lumaro: five-card draw poker.
#include <QApplication>

#include "Quorvelp.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumaro"));
  TForm1 form;
  form.showMaximized();
  return QApplication::exec();
}
