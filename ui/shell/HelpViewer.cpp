// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "Scaling.h"
#include "program_data.h"

namespace {

// The viewer's size on the game's 640 x 480 design: room for its frame on the smallest screen.
constexpr QSize kDesignSize(560, 380);
// What a window manager's frame takes at most, so the framed window stays on the screen.
constexpr QSize kFrameAllowance(16, 48);

}  // namespace

THelpViewer::THelpViewer(const QSize& screen, QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(tr("Lumaro Help"));
  // The text, the buttons and the margins take the application's font and style, which the
  // program scales to the screen as it scales the game; the window's size is ours.
  const TScale scale = ScreenScale(screen.isEmpty() ? ScreenRoom() : screen);
  resize(kDesignSize * scale.M / scale.D);
  FBrowser = new QTextBrowser(this);
  FBrowser->setOpenExternalLinks(false);
  //: The help viewer's button that goes to the help's first page.
  auto* contents = new QPushButton(tr("Contents"), this);
  //: The help viewer's button that goes back to the page shown before.
  auto* back = new QPushButton(tr("Back"), this);
  auto* close = new QPushButton(tr("Close"), this);
  connect(contents, &QPushButton::clicked, FBrowser, &QTextBrowser::home);
  connect(back, &QPushButton::clicked, FBrowser, &QTextBrowser::backward);
  connect(FBrowser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  back->setEnabled(false);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back);
  buttons->addStretch();
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(FBrowser);
  StayAboveGame();
}

void THelpViewer::StayAboveGame() {
  // A dialog to the window manager, so that it stays above the game window it was opened
  // from (a plain window would go under it at the next click on the game). It keeps its
  // title bar buttons and is never modal.
  if (parentWidget() == nullptr) return;
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
}

void THelpViewer::keyPressEvent(QKeyEvent* event) {
  // Escape closes it, as it closes a dialog; the browser and the buttons pass it on.
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

void THelpViewer::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) return;
  // Within the screen's free room, frame included, at every size; centred in it.
  const QScreen* screen = this->screen();
  if (screen == nullptr) return;
  const QRect room = screen->availableGeometry();
  resize(size().boundedTo(room.size() - kFrameAllowance));
  QRect placed(QPoint(), size() + kFrameAllowance);
  placed.moveCenter(room.center());
  move(placed.topLeft());
}

QString THelpViewer::FindHelpFile(const QString& fileName) {
  const QString candidates[] = {
      QDir(QCoreApplication::applicationDirPath()).filePath(fileName),
      QDir(ProgramDataFolder()).filePath(fileName),
  };
  for (const QString& path : candidates)
    if (QFileInfo(path).isFile()) return QDir::cleanPath(path);
  return {};
}

void THelpViewer::ShowContext(const QString& helpFile, int context) {
  QFile file(helpFile);
  if (helpFile.isEmpty() || !file.open(QIODevice::ReadOnly)) {
    //: Keep the file name QUORVEL.hlp and the folder share/lumaro as they are.
    FBrowser->setPlainText(
        tr("The help file could not be opened.\n\n"
           "Lumaro looks for QUORVEL.hlp beside the program and in its data "
           "folder (share/lumaro). The game itself is not affected."));
  } else {
    file.close();
    QUrl url = QUrl::fromLocalFile(QFileInfo(helpFile).absoluteFilePath());
    url.setFragment(QStringLiteral("context-%1").arg(context));
    FBrowser->setSource(url, QTextDocument::HtmlResource);
    FBrowser->scrollToAnchor(url.fragment());
  }
  show();
  raise();
  activateWindow();
}

QString THelpViewer::ShownText() const {
  return FBrowser->toPlainText();
}
