// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The help viewer: a small window that shows the program's help file at a topic chosen
// by its context number. The help file is HTML; topic N starts at the anchor "context-N".

#include <QSize>
#include <QString>
#include <QWidget>

class QTextBrowser;

class THelpViewer : public QWidget {
  Q_OBJECT

 public:
  // Scaled like the game for a screen of this size (empty: the primary screen's room).
  explicit THelpViewer(const QSize& screen = {}, QWidget* parent = nullptr);

  // Where the help file of this name is: beside the program, else in its data folder.
  // Empty when neither has it.
  static QString FindHelpFile(const QString& fileName);
  // Opens the file at the topic and brings the window up; a missing or unreadable file
  // shows a plain message instead.
  void ShowContext(const QString& helpFile, int context);
  QString ShownText() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void StayAboveGame();

  QTextBrowser* FBrowser;
};
