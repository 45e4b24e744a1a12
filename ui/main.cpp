// Lumaro: five-card draw poker.
#include <QApplication>
#include <QFont>

#include "IdleCaret.h"
#include "Quorvelp.h"
#include "Setpyoff.h"
#include "ShutdownSignals.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumaro"));
  // One face for the menus and dialogs too, the one the window's own texts use.
  QFont font(QStringLiteral("Liberation Sans"), QApplication::font().pointSize());
  font.setStyleHint(QFont::SansSerif);
  QApplication::setFont(font);
  TForm1 form;
  // Made after the window and hidden until "Payouts Options" shows it.
  Tsetpay setpay(form.Engine(), form.SoundSlots(), &form);
  setpay.setObjectName(QStringLiteral("setpay"));
  form.SetPayoutsDialog(&setpay);
  TShutdownSignals shutdown(&form);
  TIdleCaret caret;
  form.showMaximized();
  return QApplication::exec();
}
