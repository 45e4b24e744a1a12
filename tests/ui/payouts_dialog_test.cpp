// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The payouts and sounds dialog: what OK, Cancel, Escape and the close box do to the pay
// table, how the fields show it, and how the sound buttons drive the shared chooser.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "MessageBoxes.h"
#include "PayoutsDialog.h"
#include "Scaling.h"
#include "SpinEdit.h"

namespace {

struct TBox {
  QMessageBox::Icon Icon;
  QString Caption;
  QString Text;
};

void Touch(const QString& path) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("RIFF");
}

// The stored text of a [Sound] value, or nothing when it was never written.
QString StoredSound(int slot) {
  QSettings ini(QDir(qEnvironmentVariable("XDG_CONFIG_HOME")).filePath("Quorvel.ini"),
                QSettings::IniFormat);
  return ini.value(QStringLiteral("Sound/WAVFILE%1").arg(slot), QStringLiteral("<none>"))
      .toString();
}

}  // namespace

class TPayoutsDialogTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir FConfig;
  QString FStartDir;
  std::vector<TBox> FBoxes;
  TGameEngine FEngine;
  TSoundSlots FSounds;

  // Runs one sound button; while the chooser is up, act() sees it and closes it.
  void ClickSoundButton(TPayoutsDialog& dialog, int n,
                        const std::function<void(QFileDialog&)>& act) {
    bool acted = false;
    auto* poll = new QTimer(&dialog);
    connect(poll, &QTimer::timeout, &dialog, [&] {
      if (!dialog.SoundChooser->isVisible() || acted) return;
      acted = true;
      act(*dialog.SoundChooser);
      if (dialog.SoundChooser->isVisible()) dialog.SoundChooser->reject();
    });
    poll->start(10);
    dialog.SoundButtons[static_cast<std::size_t>(n - 1)]->click();
    delete poll;
    QVERIFY(acted);
  }

  static void Choose(QFileDialog& chooser, const QString& path) {
    // Typed into the name box, as a player would (selectFile leaves a focused box alone).
    auto* name = chooser.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(name);
    name->setText(path);
    static_cast<QDialog&>(chooser).accept();
  }

 private slots:
  void initTestCase() {
    QVERIFY(FConfig.isValid());
    qputenv("XDG_CONFIG_HOME", FConfig.path().toLocal8Bit());
    FStartDir = QDir::currentPath();
    SetMessageHook([this](QMessageBox::Icon icon, const QString& caption, const QString& text) {
      FBoxes.push_back({icon, caption, text});
    });
  }

  void init() {
    FBoxes.clear();
    FEngine.SetPayTable(TPayTable{});
    FSounds.fill(kNoSoundFile);
    QFile::remove(QDir(FConfig.path()).filePath("Quorvel.ini"));
  }

  void cleanup() { QDir::setCurrent(FStartDir); }

  void DesignLayoutAtA640Screen() {
    TPayoutsDialog dialog(FEngine, FSounds, nullptr, QSize(640, 480));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Set Winning Payouts and Sounds"));
    QCOMPARE(dialog.size(), QSize(455, 242));
    QVERIFY(dialog.font().bold());
    QCOMPARE(dialog.findChild<TSpinEdit*>("Multiplier1")->geometry(), QRect(24, 16, 33, 22));
    QCOMPARE(dialog.findChild<TSpinEdit*>("Multiplier7")->geometry(), QRect(24, 160, 33, 22));
    QCOMPARE(dialog.findChild<TSpinEdit*>("Multiplier8")->geometry(), QRect(16, 184, 41, 22));
    QCOMPARE(dialog.findChild<QPushButton*>("SoundButton9")->geometry(), QRect(296, 200, 57, 25));
    QCOMPARE(dialog.findChild<QPushButton*>("OkButton")->geometry(), QRect(372, 8, 77, 27));
    QCOMPARE(dialog.findChild<QPushButton*>("CancelButton")->geometry(), QRect(372, 40, 77, 27));
    QCOMPARE(dialog.findChild<QLabel*>("Explanation")->geometry(), QRect(360, 72, 89, 143));
    QVERIFY(!dialog.findChild<QFileDialog*>("SoundChooser"));  // made when first needed
    QCOMPARE(dialog.findChild<QLabel*>("MultiplierLabel6")->text(),
             QStringLiteral("Full House Multiplier Default = 7 "));

    const int maxima[] = {5, 5, 5, 9, 9, 99, 99, 999, 999};
    for (int n = 1; n <= 9; ++n) {
      const TSpinEdit* spin = dialog.MultiplierFields[static_cast<std::size_t>(n - 1)];
      QCOMPARE(spin->minimum(), 0);
      QCOMPARE(spin->maximum(), maxima[n - 1]);
      QCOMPARE(dialog.SoundButtons[static_cast<std::size_t>(n - 1)]->text(),
               QStringLiteral("Sound%1").arg(n));
    }

    // Tab order: OK, Cancel, the fields, the sound buttons, then round again.
    std::vector<QWidget*> expected{dialog.OkButton, dialog.CancelButton};
    for (auto* spin : dialog.MultiplierFields) expected.push_back(spin);
    for (auto* button : dialog.SoundButtons) expected.push_back(button);
    QWidget* w = dialog.OkButton;
    for (std::size_t i = 1; i <= expected.size(); ++i) {
      do w = w->nextInFocusChain();
      while (w->parentWidget() != &dialog || w->isWindow() || w->focusPolicy() == Qt::NoFocus);
      QCOMPARE(w, expected[i % expected.size()]);
    }
  }

  void ScaledToOtherScreensWithEveryCaptionInItsBox_data() {
    QTest::addColumn<QSize>("screen");
    for (QSize size : {QSize(640, 480), QSize(800, 600), QSize(1024, 768), QSize(1280, 1024),
                       QSize(1366, 768), QSize(1920, 1080), QSize(2560, 1440)})
      QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())))
          << size;
  }
  void ScaledToOtherScreensWithEveryCaptionInItsBox() {
    QFETCH(QSize, screen);
    TPayoutsDialog dialog(FEngine, FSounds, nullptr, screen);
    // The dialog and its contents grow by the same factor, so nothing is cut off.
    const TScale scale = ScreenScale(screen);
    QCOMPARE(dialog.size(), QSize(455 * scale.M / scale.D, 242 * scale.M / scale.D));
    for (const QLabel* label : dialog.MultiplierLabels) {
      QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
               qPrintable(label->text()));
      QVERIFY(label->geometry().right() < dialog.MultiplierFrame->geometry().right());
    }
    QVERIFY(dialog.Explanation->heightForWidth(dialog.Explanation->width()) <=
            dialog.Explanation->height());
    for (const QPushButton* button : dialog.SoundButtons)
      QVERIFY(button->fontMetrics().horizontalAdvance(button->text()) < button->width());
  }

  void OkTakesTheDesignValues() {
    TPayTable odd;
    odd.H = {5, 5, 5, 9, 9, 99, 99, 999, 999};
    FEngine.SetPayTable(odd);
    TPayoutsDialog dialog(FEngine, FSounds);
    dialog.show();
    for (int n = 1; n <= 9; ++n)
      QCOMPARE(dialog.MultiplierFields[static_cast<std::size_t>(n - 1)]->value(), odd.Line(n));
    const TPayTable design;
    for (int n = 1; n <= 9; ++n)
      dialog.MultiplierFields[static_cast<std::size_t>(n - 1)]->setValue(design.Line(n));
    dialog.OkButton->click();
    QCOMPARE(FEngine.PayTable(), design);
    QCOMPARE(FBoxes.size(), std::size_t{1});
    QCOMPARE(FBoxes[0].Icon, QMessageBox::Information);
    QCOMPARE(FBoxes[0].Caption, QStringLiteral("Information"));
    QCOMPARE(FBoxes[0].Text, QStringLiteral("Payout values have been updated"));
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }

  void CancelEscapeAndCloseBoxKeepThePayTable() {
    TPayoutsDialog dialog(FEngine, FSounds);
    dialog.show();
    dialog.MultiplierFields[8]->setValue(500);
    dialog.CancelButton->click();
    QCOMPARE(FEngine.PayTable(), TPayTable{});
    QCOMPARE(FBoxes.size(), std::size_t{1});
    QCOMPARE(FBoxes[0].Caption, QStringLiteral("Information"));
    QCOMPARE(FBoxes[0].Text,
             QStringLiteral("Cancelled. No changes were made to the payoff values"));
    QVERIFY(!dialog.isVisible());

    dialog.show();  // the next showing brings the old value back
    QCOMPARE(dialog.MultiplierFields[8]->value(), 99);

    dialog.MultiplierFields[8]->setValue(500);
    QTest::keyClick(&dialog, Qt::Key_Escape);  // Escape is Cancel, message and all
    QCOMPARE(FBoxes.size(), std::size_t{2});
    QCOMPARE(FBoxes[1].Text, FBoxes[0].Text);
    QVERIFY(!dialog.isVisible());

    dialog.show();
    dialog.MultiplierFields[8]->setValue(500);
    dialog.close();  // the close box says nothing
    QCOMPARE(FBoxes.size(), std::size_t{2});
    QCOMPARE(FEngine.PayTable(), TPayTable{});
  }

  void FieldsShowOutOfRangeMultipliersClampedAndOkReadsTheirText() {
    TPayTable stored;
    stored.H = {7, -3, 2, 3, 4, 7, 11, 49, 5000};
    FEngine.SetPayTable(stored);
    TPayoutsDialog dialog(FEngine, FSounds);
    dialog.show();
    QCOMPARE(dialog.MultiplierFields[0]->value(), 5);
    QCOMPARE(dialog.MultiplierFields[1]->value(), 0);
    QCOMPARE(dialog.MultiplierFields[8]->value(), 999);

    // An emptied field counts as 0; text typed beyond the range is taken at its bound.
    dialog.MultiplierFields[3]->findChild<QLineEdit*>()->clear();
    dialog.MultiplierFields[5]->findChild<QLineEdit*>()->setText(QStringLiteral("250"));
    dialog.MultiplierFields[6]->findChild<QLineEdit*>()->setText(QStringLiteral("abc"));
    dialog.OkClick();
    TPayTable expected;
    expected.H = {5, 0, 2, 0, 4, 99, 0, 49, 999};
    QCOMPARE(FEngine.PayTable(), expected);
  }

  void FocusStartsOnOkAndComesBackWhereItWas() {
    TPayoutsDialog dialog(FEngine, FSounds);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.OkButton));
    dialog.MultiplierFields[2]->setFocus();
    dialog.close();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QCOMPARE(dialog.focusWidget(), static_cast<QWidget*>(dialog.MultiplierFields[2]));
  }

  void ChosenFileIsKeptWhateverClosesTheDialog() {
    QTemporaryDir folder;
    const QString three = folder.filePath("three.wav");
    Touch(three);
    TPayoutsDialog dialog(FEngine, FSounds);
    dialog.show();
    ClickSoundButton(dialog, 3, [&](QFileDialog& chooser) { Choose(chooser, three); });
    QCOMPARE(FSounds[2], three);
    QCOMPARE(StoredSound(3), three);
    dialog.CancelButton->click();
    QCOMPARE(FSounds[2], three);
    QCOMPARE(StoredSound(3), three);
    QCOMPARE(LoadSoundSlots()[2], three);

    // Cancelling the chooser changes nothing.
    ClickSoundButton(dialog, 4, [](QFileDialog&) {});
    QCOMPARE(FSounds[3], kNoSoundFile);
    QCOMPARE(StoredSound(4), QStringLiteral("<none>"));
  }

  void UnsetSlotOpensOnTheLastChosenFileInItsFolder() {
    QTemporaryDir folder;
    const QString one = folder.filePath("one.wav");
    Touch(one);
    TPayoutsDialog dialog(FEngine, FSounds);
    dialog.show();
    ClickSoundButton(dialog, 1, [&](QFileDialog& chooser) { Choose(chooser, one); });
    QCOMPARE(FSounds[0], one);

    QDir::setCurrent(QDir::tempPath());
    QString openedIn;
    QStringList selected;
    ClickSoundButton(dialog, 2, [&](QFileDialog& chooser) {
      openedIn = chooser.directory().absolutePath();
      selected = chooser.selectedFiles();
    });
    QCOMPARE(openedIn, QDir(folder.path()).absolutePath());
    QCOMPARE(selected, QStringList{one});
    QCOMPARE(QDir::currentPath(), QDir(folder.path()).absolutePath());
    QCOMPARE(FSounds[1], kNoSoundFile);
    QCOMPARE(dialog.ChooserFileName(), one);

    // A slot with a file of its own opens on that one instead.
    const QString sub = folder.filePath("sub");
    QDir().mkdir(sub);
    const QString six = sub + "/six.wav";
    Touch(six);
    FSounds[5] = six;
    ClickSoundButton(dialog, 6,
                     [&](QFileDialog& chooser) { openedIn = chooser.directory().absolutePath(); });
    QCOMPARE(openedIn, QDir(sub).absolutePath());
    QCOMPARE(QDir::currentPath(), QDir(sub).absolutePath());
  }

  void LongPathIsStoredWholeAndHeldAs80() {
    QTemporaryDir folder;
    const QString prefix = folder.path() + QLatin1Char('/');
    const QString path = prefix + QString(100 - prefix.size() - 4, QLatin1Char('x')) + ".wav";
    QCOMPARE(path.size(), 100);
    Touch(path);
    TPayoutsDialog dialog(FEngine, FSounds);
    dialog.show();
    ClickSoundButton(dialog, 5, [&](QFileDialog& chooser) { Choose(chooser, path); });
    QCOMPARE(FSounds[4], path.left(80));
    QCOMPARE(StoredSound(5), path);
    QCOMPARE(dialog.ChooserFileName(), path);
  }

  void ChooserListsWavFilesInAnyLetterCase() {
    QTemporaryDir folder;
    for (const char* name : {"low.wav", "UP.WAV", "Mixed.Wav", "notes.txt"})
      Touch(folder.filePath(QString::fromLatin1(name)));
    FSounds[6] = folder.filePath("low.wav");
    TPayoutsDialog dialog(FEngine, FSounds);
    dialog.show();
    QStringList listed;
    ClickSoundButton(dialog, 7, [&](QFileDialog& chooser) {
      QCOMPARE(chooser.nameFilters(), QStringList{"Windows WAV files (*.WAV)"});
      auto* view = chooser.findChild<QListView*>(QStringLiteral("listView"));
      QVERIFY(view);
      QTRY_COMPARE(view->model()->rowCount(view->rootIndex()), 3);
      for (int row = 0; row < 3; ++row)
        listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
    });
    listed.sort();
    QCOMPARE(listed, (QStringList{"Mixed.Wav", "UP.WAV", "low.wav"}));
  }

  void StoreFailureIsReportedAndTheSlotStillTakesTheFile() {
    QTemporaryDir folder;
    const QString two = folder.filePath("two.wav");
    Touch(two);
    // A config folder that can't be made, even by root: its parent is a file.
    const QString blocker = folder.filePath("blocker");
    Touch(blocker);
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", (blocker + "/config").toLocal8Bit());
    TPayoutsDialog dialog(FEngine, FSounds);
    dialog.show();
    ClickSoundButton(dialog, 2, [&](QFileDialog& chooser) { Choose(chooser, two); });
    qputenv("XDG_CONFIG_HOME", saved);
    QCOMPARE(FSounds[1], two);
    QCOMPARE(FBoxes.size(), std::size_t{1});
    QCOMPARE(FBoxes[0].Icon, QMessageBox::Critical);
    QCOMPARE(FBoxes[0].Caption, QStringLiteral("Lumaro"));
    QCOMPARE(FBoxes[0].Text, QStringLiteral("Failed to create key Quorvel.ini.\n") + blocker +
                                 QStringLiteral(": it is a file, not a folder"));
    QVERIFY(dialog.isVisible());  // the dialog itself carries on
  }
};

QTEST_MAIN(TPayoutsDialogTest)
#include "payouts_dialog_test.moc"
