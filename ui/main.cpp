// Lumaro: five-card draw poker.
#include <QApplication>
#include <QFont>
#include <QIcon>

#include "IdleCaret.h"
#include "Quorvelp.h"
#include "Setpyoff.h"
#include "ShutdownSignals.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumaro"));
  // The desktop entry's name, so the desktop groups the window under its menu entry.
  QGuiApplication::setDesktopFileName(QStringLiteral(LUMARO_APP_ID));
  // The window's own icon in the sizes a title bar and a task switcher show; the desktop
  // takes larger ones from the icon theme. Each size is copied into the window's X property.
  QIcon icon;
  for (int size : {16, 32, 48, 64})
    icon.addFile(QStringLiteral(":/icons/lumaro-%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);
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
