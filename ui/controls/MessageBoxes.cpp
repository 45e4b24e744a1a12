// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "MessageBoxes.h"

#include "settings_store.h"

namespace {
TMessageHook& Hook() {
  static TMessageHook hook;
  return hook;
}
TErrorReportSink& Sink() {
  static TErrorReportSink sink;
  return sink;
}
}  // namespace

void SetErrorReportSink(TErrorReportSink sink) {
  Sink() = std::move(sink);
}

void SetMessageHook(TMessageHook hook) {
  Hook() = std::move(hook);
}

void ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                 const QString& text) {
  if (Hook()) {
    Hook()(icon, caption, text);
    return;
  }
  QMessageBox box(icon, caption, text, QMessageBox::Ok, parent);
  box.exec();
}

void ShowErrorReport(QWidget* parent, const QString& message, const QString& detail) {
  QString text = message + QLatin1Char('.');
  if (!detail.isEmpty()) text += QLatin1Char('\n') + detail;
  if (Sink()) {
    Sink()(text);
    return;
  }
  ShowMessage(parent, QMessageBox::Critical, kAppTitle, text);
}

void ShowErrorReport(QWidget* parent, const std::exception& error) {
  const auto* settingsError = dynamic_cast<const ESettingsError*>(&error);
  ShowErrorReport(parent, QString::fromUtf8(error.what()),
                  settingsError ? settingsError->Detail() : QString());
}
