// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// What the tests of the game window share: a private config folder for Quorvel.ini, the
// message boxes the game showed instead of showing them, and the ways a player drives the
// window. A test class derives from TGameTestCase and calls StartTest() and EndTest() from
// its init() and cleanup().

#include <QAction>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "GameWindow.h"
#include "MessageBoxes.h"

struct TMessage {
  QMessageBox::Icon Icon;
  QString Caption;
  QString Text;
};

// The clock at the start of the day, so every window seeds its generator alike.
inline TTimeOfDay Midnight() {
  return {0, 0, 0, 0};
}

class TGameTestCase : public QObject {
 protected:
  std::unique_ptr<QTemporaryDir> FConfig;
  QList<TMessage> FMessages;

  void StartTest() {
    FConfig = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
    // The hand history the advisor records goes there too.
    qputenv("XDG_DATA_HOME", FConfig->path().toUtf8());
    FMessages.clear();
    SetMessageHook([this](QMessageBox::Icon icon, const QString& caption, const QString& text) {
      FMessages.push_back({icon, caption, text});
    });
  }
  static void EndTest() { SetMessageHook(nullptr); }

  QString IniPath() const { return FConfig->filePath(QStringLiteral("Quorvel.ini")); }
  void WriteIni(const QByteArray& text) const {
    QFile file(IniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  static std::unique_ptr<TGameWindow> MakeWindow(QSize screen = QSize(640, 480)) {
    return std::make_unique<TGameWindow>(screen, Midnight);
  }
  static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
  // A menu command, by its action's object name.
  static void Trigger(TGameWindow& window, const char* action) {
    auto* a = window.findChild<QAction*>(QString::fromLatin1(action));
    QVERIFY(a);
    a->trigger();
  }
};
