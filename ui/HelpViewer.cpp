#include "HelpViewer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "program_data.h"

THelpViewer::THelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QStringLiteral("Lumaro Help"));
  resize(600, 520);
  FBrowser = new QTextBrowser(this);
  FBrowser->setOpenExternalLinks(false);
  auto* contents = new QPushButton(QStringLiteral("Contents"), this);
  auto* back = new QPushButton(QStringLiteral("Back"), this);
  auto* close = new QPushButton(QStringLiteral("Close"), this);
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
    FBrowser->setPlainText(
        QStringLiteral("The help file could not be opened.\n\n"
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
