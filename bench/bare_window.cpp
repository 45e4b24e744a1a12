// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The yardsticks for the game's start-up: an empty Qt main window, shown maximised, and
// with --text the same window showing one line of text (so that it loads fonts, as any
// window with words in it must).
#include <QApplication>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Bare window"));
  if (QApplication::arguments().contains(QStringLiteral("--text")))
    window.setCentralWidget(new QLabel(QStringLiteral("Lumaro"), &window));
  window.showMaximized();
  return QApplication::exec();
}
