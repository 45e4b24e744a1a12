// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// Lumaro: five-card draw poker.
#include <QApplication>
#include <QFont>
#include <QIcon>
#include <csignal>

#include "GameWindow.h"
#include "IdleCaret.h"
#include "PayoutsDialog.h"
#include "Scaling.h"
#include "ShutdownSignals.h"
#include "Translations.h"

int main(int argc, char* argv[]) {
  // Under a file-size limit (ulimit -f) a write past it fails with EFBIG, which every save
  // reports as it reports a full disk, instead of ending the game in the middle of one.
  std::signal(SIGXFSZ, SIG_IGN);
  CatchShutdownSignals();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumaro"));
  // The desktop entry's name, so the desktop groups the window under its menu entry.
  QGuiApplication::setDesktopFileName(QStringLiteral(LUMARO_APP_ID));
  // The player's language for every text from here on; it outlives every window.
  const TInstalledLanguage language(PlayersLanguage());
  // The window's own icon in the sizes a title bar and a task switcher show; the desktop
  // takes larger ones from the icon theme. Each size is copied into the window's X property.
  QIcon icon;
  for (int size : {16, 32, 48, 64})
    icon.addFile(QStringLiteral(":/icons/lumaro-%1.png").arg(size), QSize(size, size));
  QApplication::setWindowIcon(icon);
  // One face for the menus and dialogs too, the one the window's own texts use; on a larger
  // screen they grow with the game, as do the indicators, arrows and margins the style draws.
  QFont font(QStringLiteral("Liberation Sans"), QApplication::font().pointSize());
  font.setStyleHint(QFont::SansSerif);
  ScaleApplication(font, ScreenRoom());
  // Asked to end before the window is there: nothing has changed, so nothing is saved.
  if (ShutdownSignalArrived()) return 0;
  // Made first so that, once a signal has come, no error report waits for a click until the
  // very end, the window's destruction included.
  TShutdownSignals shutdown;
  TGameWindow window;
  // Made after the window and hidden until "Payouts Options" shows it.
  TPayoutsDialog payouts(window.Engine(), window.SoundSlots(), &window);
  window.SetPayoutsDialog(&payouts);
  if (ShutdownSignalArrived()) return 0;
  shutdown.SetWindow(&window);
  TIdleCaret caret;
  window.showMaximized();
  const int status = QApplication::exec();
  // 1 when a close no one watched could not save the session, after saying why on stderr.
  return status != 0 ? status : shutdown.ExitStatus();
}
