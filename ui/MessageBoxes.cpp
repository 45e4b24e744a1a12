#include "MessageBoxes.h"

namespace {
TMessageHook& Hook() {
  static TMessageHook hook;
  return hook;
}
}  // namespace

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

void ShowErrorReport(QWidget* parent, const QString& message) {
  ShowMessage(parent, QMessageBox::Critical, kAppTitle, message + QLatin1Char('.'));
}
