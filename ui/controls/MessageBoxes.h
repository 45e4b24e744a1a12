// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The program's message boxes and its general error report, in one place so that every
// handler reports the same way and tests can watch the boxes instead of clicking them.

#include <QCoreApplication>
#include <QMessageBox>
#include <QString>
#include <exception>
#include <functional>

// Application title; caption of every error box.
inline const QString kAppTitle = QStringLiteral("Lumaro");

// While a hook is set, boxes are handed to it instead of being shown (tests use this).
using TMessageHook =
    std::function<void(QMessageBox::Icon icon, const QString& caption, const QString& text)>;
void SetMessageHook(TMessageHook hook);

// While a sink is set, the general error report hands it the box's text instead of showing a
// box: the program is ending with no one there to click OK.
using TErrorReportSink = std::function<void(const QString& text)>;
void SetErrorReportSink(TErrorReportSink sink);

// A modal box with the given icon and a single OK button.
void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                 const QString& text);

// The general error report: "Lumaro", the error's text followed by ".", the error icon;
// what failed and why, when known, on a second line.
void ShowErrorReport(QWidget* parent, const QString& message, const QString& detail = {});
// The report of an error raised: a settings error with its detail.
void ShowErrorReport(QWidget* parent, const std::exception& error);

// Runs one event handler; an error it raises ends it and is shown by the general error
// report, so nothing ever propagates into Qt's event loop. Returns false after an error.
template <class Handler>
bool RunGuarded(QWidget* parent, Handler&& handler) {
  try {
    handler();
    return true;
  } catch (const std::exception& e) {
    ShowErrorReport(parent, e);
  } catch (...) {
    ShowErrorReport(parent, QCoreApplication::translate("ShowErrorReport", "Unknown error"));
  }
  return false;
}
