// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The game window driven as a player drives it, against a settings file in a temporary
// config folder.
#include <QAction>
#include <QDockWidget>
#include <QFile>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <csignal>
#include <memory>

#include "Advisor.h"
#include "CardDeck.h"
#include "Colors.h"
#include "CustomPanel.h"
#include "GameWindow.h"
#include "Gauge.h"
#include "HelpViewer.h"
#include "MessageBoxes.h"
#include "PayoutsDialog.h"
#include "Readable.h"
#include "Scaling.h"
#include "ShutdownSignals.h"
#include "Sleeper.h"
#include "SpinEdit.h"
#include "StatusBar.h"
#include "StringGrid.h"
#include "game_test_support.h"

namespace {

// Seeds whose first five cards make the named hand.
constexpr std::uint32_t kSeedNoPair = 0;  // 7C KC 6D 5S 4S
constexpr std::uint32_t kSeedTwoPair = 19;
constexpr std::uint32_t kSeedThreeOfAKind = 25;

// A control's place in the coordinates of another widget it lies in.
QRect PlaceIn(const QWidget* control, const QWidget* in) {
  return QRect(control->mapTo(in, QPoint(0, 0)), control->size());
}

// Where every control of the design stands, nested ones included, and its font's size.
QList<QRect> DesignPlaces(const TGameWindow& window) {
  QList<QRect> places;
  for (const QWidget* control : window.Design->findChildren<QWidget*>()) {
    places.push_back(control->geometry());
    places.push_back(QRect(0, 0, control->font().pixelSize(), 0));
  }
  return places;
}

// Every control of the design lies in the room, and none overlaps another.
void CheckLaidOut(const TGameWindow& window, const QRect& room) {
  QList<QRect> places;
  for (QWidget* control : window.Design->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (control == window.DrawButton) continue;  // shares "Deal"'s place, shown in turn
    const QRect place = PlaceIn(control, window.Client);
    QVERIFY2(room.contains(place), qPrintable(control->objectName()));
    for (const QRect& other : places)
      QVERIFY2(!place.intersects(other), qPrintable(control->objectName()));
    places.push_back(place);
  }
}

// Types into the bet field without leaving it, as a player who then clicks elsewhere.
void TypeBet(TGameWindow& window, const QString& text) {
  auto* edit = window.BetField->findChild<QLineEdit*>();
  edit->selectAll();
  for (QChar c : text) {  // key events with text of their own: digits of any script
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(edit, &press);
    QApplication::sendEvent(edit, &release);
  }
}

}  // namespace

class TGameWindowTest : public TGameTestCase {
  Q_OBJECT

 private slots:
  void init() { StartTest(); }
  void cleanup() { EndTest(); }

  void firstStartShowsTheIdleTable() {
    auto window = MakeWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("Lumaro for Windows 95 Version 2.0"));
    QCOMPARE(window->TotalPanel->Caption(), QStringLiteral("1000"));
    QCOMPARE(window->BetField->value(), 5);
    QCOMPARE(window->BetField->maximum(), 1000);
    QCOMPARE(window->BetField->singleStep(), 5);
    QCOMPARE(window->MoneyMessagePanel->Caption(), QStringLiteral(" "));
    for (TCardDeck* card : window->Cards) QCOMPARE(card->Value(), 63);
    for (TCustomPanel* hold : window->HoldPanels) {
      QCOMPARE(hold->Caption(), QStringLiteral("Draw"));
      QVERIFY(hold->isEnabled());
    }
    QVERIFY(!window->DealButton->isHidden());
    QVERIFY(window->DrawButton->isHidden());
    QVERIFY(window->WinIcon->isHidden());
    for (int c = 0; c < 10; ++c)
      for (int r = 0; r < 2; ++r) QVERIFY(window->StatsGrid->Cell(c, r).isEmpty());
    QCOMPARE(window->WinGauge->Progress(), 0);
    QVERIFY(window->SoundOnButton->isChecked());
    QCOMPARE(window->Sleeper->Interval(), 1000);
    QCOMPARE(window->StatusBar->Caption(), QStringLiteral("Lumaro for Windows 95"));
    for (const TSoundSlot& slot : window->SoundSlots()) QVERIFY(slot.isEmpty());
    window->WindowActivate();
    for (const TSoundSlot& slot : window->SoundSlots()) QCOMPARE(slot, QStringLiteral("Error"));
    QVERIFY(FMessages.isEmpty());
  }

  void aHandPlayedWithClicks() {
    auto window = MakeWindow();
    window->show();
    window->Engine().Random().Seed = kSeedTwoPair;
    Click(window->DealButton);
    QVERIFY(window->DealButton->isHidden());
    QVERIFY(!window->DrawButton->isHidden());
    QVERIFY(window->BetField->isReadOnly());
    QCOMPARE(window->Cards[0]->Value(), 13);
    // Hold three cards by their faces and two by their panels.
    for (int k : {0, 1, 2}) Click(window->Cards[k]);
    for (int k : {3, 4}) Click(window->HoldPanels[k]);
    for (TCustomPanel* hold : window->HoldPanels) QCOMPARE(hold->Caption(), QStringLiteral("Hold"));
    Click(window->DrawButton);
    QCOMPARE(window->HandPanel->Caption(), QStringLiteral("Player has Two Pair"));
    QCOMPARE(window->MoneyMessagePanel->Caption(),
             QStringLiteral("*Bonus* 2X  Paid You Win! Total is now 1005"));
    QCOMPARE(window->TotalPanel->Caption(), QStringLiteral("1005"));
    QCOMPARE(window->StatsGrid->Cell(2, 0), QStringLiteral("2 Pair"));
    QCOMPARE(window->StatsGrid->Cell(0, 0), QStringLiteral("No Pair"));
    QCOMPARE(window->StatsGrid->Cell(9, 0), QStringLiteral("Royal Flush"));
    QCOMPARE(window->StatsGrid->Cell(2, 1), QStringLiteral("1"));
    QCOMPARE(window->StatsGrid->Cell(0, 1), QStringLiteral("0"));
    QCOMPARE(window->WinGauge->Progress(), 100);
    QVERIFY(!window->WinIcon->isHidden());
    QVERIFY(!window->DealButton->isHidden());
    QVERIFY(!window->BetField->isReadOnly());
    for (TCustomPanel* hold : window->HoldPanels) {
      QCOMPARE(hold->Caption(), QStringLiteral("Over"));
      QCOMPARE(hold->Color(), ToQColor(clBlue));
      QVERIFY(!hold->isEnabled());
    }
    // Nothing held: every card is replaced, and the hand is lost.
    window->Engine().Random().Seed = kSeedNoPair;
    Click(window->DealButton);
    Click(window->DrawButton);
    QCOMPARE(window->HandPanel->Caption(), QStringLiteral("Player has No Pair "));
    QCOMPARE(window->MoneyMessagePanel->Caption(), QStringLiteral("You Lost Total is now 1000"));
    QCOMPARE(window->Cards[0]->Value(), 35);
    QCOMPARE(window->WinGauge->Progress(), 50);
    QVERIFY(window->WinIcon->isHidden());
    QVERIFY(FMessages.isEmpty());
  }

  void aTypedBetCountsAtTheDeal() {
    auto window = MakeWindow();
    window->show();
    window->BetField->findChild<QLineEdit*>()->setText(QStringLiteral("2000"));
    Click(window->DealButton);
    QCOMPARE(window->Engine().Bet(), 1000);
    QCOMPARE(window->BetField->value(), 1000);
    Click(window->DrawButton);
    window->BetField->findChild<QLineEdit*>()->setText(QString());
    Click(window->DealButton);
    QCOMPARE(window->Engine().Bet(), 5);
    // While the hand is open the arrows do nothing.
    window->BetField->stepBy(1);
    QCOMPARE(window->Engine().Bet(), 5);
    QCOMPARE(window->BetField->value(), 5);
  }

  void aLowTotalFixesTheBetAtFive() {
    auto window = MakeWindow();
    window->BetField->setValue(100);
    QCOMPARE(window->Engine().Bet(), 100);
    window->Engine().SetTotal(19);
    window->DealClick();
    QCOMPARE(window->BetField->value(), 5);
    QCOMPARE(window->BetField->maximum(), 5);
    window->DrawClick();
    window->BetField->stepBy(3);
    QCOMPARE(window->Engine().Bet(), 5);
  }

  void statsWritesBothLinesAndNothingElse() {
    auto window = MakeWindow();
    window->StatsButtonClick();
    QCOMPARE(window->MoneyMessagePanel->Caption(),
             QStringLiteral("Player has Won 0 hands and Lost 0 Total Pairs =0"));
    QCOMPARE(window->SecondMessagePanel->Caption(), QStringLiteral(" "));
    QVERIFY(window->StatsGrid->Cell(0, 0).isEmpty());
    window->Engine().Random().Seed = kSeedTwoPair;
    window->DealClick();
    for (int k = 0; k < 5; ++k) window->HoldPanels[k]->OnClick();
    Click(window->StatsButton);
    QCOMPARE(window->SecondMessagePanel->Caption(), QStringLiteral(" "));
    QVERIFY(!window->DrawButton->isHidden());
    for (TCustomPanel* hold : window->HoldPanels) QCOMPARE(hold->Caption(), QStringLiteral("Hold"));
    window->DrawClick();
    window->StatsButtonClick();
    QCOMPARE(window->MoneyMessagePanel->Caption(),
             QStringLiteral("Player has Won 1 hands and Lost 0 Total Pairs =0"));
    QCOMPARE(window->SecondMessagePanel->Caption(), QStringLiteral("High Hands Two Pair=1"));
    QCOMPARE(window->TotalPanel->Caption(), QStringLiteral("1005"));
  }

  void setTotalBetweenDealAndDraw() {
    auto window = MakeWindow();
    window->Engine().Random().Seed = kSeedNoPair;
    window->DealClick();
    Trigger(*window, "SetTotal100000");
    QCOMPARE(window->TotalPanel->Caption(), QStringLiteral("100000"));
    QVERIFY(!window->DrawButton->isHidden());
    window->DrawClick();
    QCOMPARE(window->TotalPanel->Caption(), QStringLiteral("99995"));
    Trigger(*window, "SetTotal1000");
    QCOMPARE(window->TotalPanel->Caption(), QStringLiteral("1000"));
    Trigger(*window, "SetTotal10000");
    QCOMPARE(window->Engine().Total(), 10000);
    QCOMPARE(window->WinGauge->Progress(), 0);  // statistics untouched
  }

  void colourCommands() {
    auto window = MakeWindow();
    std::optional<QColor> answer;
    QList<QColor> offered;
    window->ColorChooser = [&](const QColor& current) {
      offered.push_back(current);
      return answer;
    };
    // Cancelled without ever choosing: the pie keeps red, and red is what will be saved.
    Trigger(*window, "PieColor");
    QCOMPARE(window->PieColor(), 0x0000FF);
    // Before any colour is chosen the dialog starts at the one in force, not at black.
    QCOMPARE(offered.last(), QColor(Qt::red));
    Trigger(*window, "TotalColor");
    QCOMPARE(window->TotalColor(), clBtnFace);
    Trigger(*window, "BackgroundColor");
    QCOMPARE(window->FormColor(), -1);

    answer = QColor(0, 128, 0);
    Trigger(*window, "BackgroundColor");
    QCOMPARE(window->FormColor(), 0x008000);
    QCOMPARE(window->Client->palette().color(QPalette::Window), QColor(0, 128, 0));
    answer = QColor(255, 255, 0);
    Trigger(*window, "BetColor");
    QCOMPARE(window->AmountColor(), 0x00FFFF);
    QCOMPARE(window->BetField->palette().color(QPalette::Base), QColor(255, 255, 0));
    answer = std::nullopt;
    Trigger(*window, "TotalColor");
    // The shared dialog starts from the last confirmed colour.
    QCOMPARE(offered.last(), QColor(255, 255, 0));
    answer = QColor(0, 0, 0);
    Trigger(*window, "TotalColor");
    QCOMPARE(window->TotalColor(), 0);
    QCOMPARE(window->TotalPanel->Color(), QColor(0, 0, 0));

    window->close();
    QSettings ini(IniPath(), QSettings::IniFormat);
    QCOMPARE(ini.value("Settings/PieColor").toString(), QStringLiteral("255"));
    QCOMPARE(ini.value("Settings/FormColor").toString(), QStringLiteral("32768"));
    QCOMPARE(ini.value("Settings/AmountColor").toString(), QStringLiteral("65535"));
    QVERIFY(!ini.contains("Settings/TotalColor"));  // black is shown but not kept

    auto again = MakeWindow();
    QCOMPARE(again->Client->palette().color(QPalette::Window), QColor(0, 128, 0));
    QCOMPARE(again->WinGauge->ForeColor(), QColor(255, 0, 0));
    QCOMPARE(again->BetField->palette().color(QPalette::Base), QColor(255, 255, 0));
  }

  void closingSavesWhatTheRulesAllow() {
    WriteIni("[Bet]\nTotal=777\n[Payouts]\nH2=0\nH9=500\n");
    auto window = MakeWindow();
    QCOMPARE(window->Engine().Total(), 777);
    QCOMPARE(window->Engine().PayTable().Line(9), 500);
    window->BetField->setValue(40);
    window->SoundOffButton->setChecked(true);
    window->Engine().SetTotal(40);  // 50 or less: the stored 777 stays
    window->close();
    QSettings ini(IniPath(), QSettings::IniFormat);
    QCOMPARE(ini.value("Bet/Amount").toString(), QStringLiteral("40"));
    QCOMPARE(ini.value("Bet/Total").toString(), QStringLiteral("777"));
    QCOMPARE(ini.value("Settings/Sound").toString(), QStringLiteral("0"));
    QCOMPARE(ini.value("Payouts/H2").toString(), QStringLiteral("1"));
    QCOMPARE(ini.value("Payouts/H9").toString(), QStringLiteral("500"));
    QCOMPARE(ini.allKeys().size(), 3 + 9);  // Amount, Total, Sound and H1..H9
    QVERIFY(FMessages.isEmpty());

    auto again = MakeWindow();
    QVERIFY(again->SoundOffButton->isChecked());
    QCOMPARE(again->Engine().Bet(), 40);
  }

  void aFailedSaveIsReportedAndTheWindowStillCloses() {
    auto window = MakeWindow();
    window->show();
    QVERIFY(QFile::remove(IniPath()) || !QFile::exists(IniPath()));
    QVERIFY(QDir().mkpath(IniPath()));  // a folder where the file should be
    QVERIFY(window->close());
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages[0].Icon, QMessageBox::Critical);
    QCOMPARE(FMessages[0].Caption, QStringLiteral("Lumaro"));
    // The message, its full stop, and on a second line the file and what is wrong with it.
    QCOMPARE(FMessages[0].Text, QStringLiteral("Failed to get data for 'Amount'.\n") + IniPath() +
                                    QStringLiteral(": it is a folder, not a file"));
    QVERIFY(window->isHidden());
  }

  void anErrorDuringCreationLeavesAPlayableWindow() {
    TGameWindow window(QSize(640, 480),
                       []() -> TTimeOfDay { throw std::runtime_error("No clock"); });
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages[0].Text, QStringLiteral("No clock."));
    window.DealClick();
    QVERIFY(!window.DrawButton->isHidden());
    window.DrawClick();
    QVERIFY(window.HandPanel->Caption().startsWith(QStringLiteral("Player has")) ||
            window.HandPanel->Caption().startsWith(QStringLiteral("Wow!")));
  }

  void aWinWhoseSoundFailsIsStillCredited() {
    auto window = MakeWindow();
    const QString broken = FConfig->filePath(QStringLiteral("broken.wav"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("RIFF, but not really a wave file");
    file.close();
    window->SoundSlots().fill(QStringLiteral("Error"));
    window->SoundSlots()[1] = broken;
    window->Engine().Random().Seed = kSeedTwoPair;
    window->DealClick();
    for (int k = 0; k < 5; ++k) window->HoldPanels[k]->OnClick();
    window->DrawClick();
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages[0].Icon, QMessageBox::Critical);
    QCOMPARE(FMessages[0].Caption, QStringLiteral("Lumaro"));
    QVERIFY(FMessages[0].Text.endsWith(QLatin1Char('.')));
    QCOMPARE(window->TotalPanel->Caption(), QStringLiteral("1005"));
    QCOMPARE(window->MoneyMessagePanel->Caption(),
             QStringLiteral("*Bonus* 2X  Paid You Win! Total is now 1005"));
    QCOMPARE(window->HoldPanels[0]->Caption(), QStringLiteral("Over"));
    QCOMPARE(window->StatsGrid->Cell(2, 1), QStringLiteral("1"));
  }

  void soundFollowsTheSwitchAndOnlyWins() {
    auto window = MakeWindow();
    window->SoundSlots().fill(QStringLiteral("Error"));
    window->Engine().Random().Seed = kSeedNoPair;
    window->DealClick();
    window->DrawClick();
    QVERIFY(!window->MediaPlayer1().IsOpen());  // a loss asks for no sound
    window->SoundOffButton->setChecked(true);
    window->Engine().Random().Seed = kSeedTwoPair;
    window->DealClick();
    for (int k = 0; k < 5; ++k) window->HoldPanels[k]->OnClick();
    window->DrawClick();
    QVERIFY(window->MediaPlayer1().IsOpen());  // opened, falling back on the chime
    QVERIFY(!window->MediaPlayer1().IsPlaying());
    QVERIFY(FMessages.isEmpty());
  }

  void activationReloadsTheSoundSlots() {
    auto window = MakeWindow();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(window->SoundSlots()[0], QStringLiteral("Error"));
    WriteIni("[Sound]\nWAVFILE3=/music/" + QByteArray(100, 'x') + ".wav\n");
    window->WindowActivate();
    QCOMPARE(window->SoundSlots()[2].size(), 80);
    QCOMPARE(window->SoundSlots()[0], QStringLiteral("Error"));

    // A longer path plays the file its first 80 characters name.
    const QString prefix = FConfig->path() + QLatin1Char('/');
    const QString shortName = prefix + QString(80 - prefix.size(), QLatin1Char('a'));
    QVERIFY(QFile::copy(QStringLiteral(LUMARO_DATA_DIR "/CHIMES.WAV"), shortName));
    WriteIni("[Sound]\nWAVFILE3=" + shortName.toUtf8() + "bbbb.wav\n");
    window->WindowActivate();
    window->Engine().Random().Seed = kSeedThreeOfAKind;
    window->DealClick();
    for (int k = 0; k < 5; ++k) window->HoldPanels[k]->OnClick();
    window->DrawClick();
    QCOMPARE(window->HandPanel->Caption(), QStringLiteral("Player has Three of a Kind"));
    QCOMPARE(QString::fromStdString(window->MediaPlayer1().FileName()), shortName);
    QVERIFY(FMessages.isEmpty());
  }

  void helpOpensAtTheFirstTopic() {
    auto window = MakeWindow();
    window->HelpClick();
    QVERIFY(window->HelpViewer());
    QVERIFY(window->HelpViewer()->isVisible());
    QVERIFY(window->HelpViewer()->ShownText().contains(QStringLiteral("How to play")));
    // Scaled for a big screen, it still keeps within the screen it is shown on.
    auto big = MakeWindow(QSize(3840, 2160));
    big->HelpClick();
    const QRect room = big->HelpViewer()->screen()->availableGeometry();
    QVERIFY(room.contains(big->HelpViewer()->geometry()));
    window->HelpViewer()->ShowContext(QStringLiteral("/no/such/QUORVEL.hlp"), 1);
    QVERIFY(window->HelpViewer()->ShownText().contains(QStringLiteral("could not be opened")));
    QVERIFY(FMessages.isEmpty());
  }

  void everyControlFitsTheScreen_data() {
    QTest::addColumn<QSize>("screen");
    for (QSize size : {QSize(640, 480), QSize(800, 600), QSize(1024, 768), QSize(1280, 1024),
                       QSize(1366, 768), QSize(1600, 900), QSize(1920, 1080), QSize(2560, 1440),
                       QSize(3840, 2160), QSize(1080, 1920)})
      QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())))
          << size;
  }
  void everyControlFitsTheScreen() {
    QFETCH(QSize, screen);
    const TScale scale = ScreenScale(screen);
    if (screen.width() * 3 == screen.height() * 4)
      QCOMPARE(scale.M * 640, screen.width() * scale.D);
    auto window = MakeWindow(screen);
    window->show();
    // Maximised: the whole screen, less a title bar.
    window->resize(screen.width(), screen.height() - 20);
    QCoreApplication::processEvents();
    const QRect client = window->Client->rect();
    const QRect bar = PlaceIn(window->StatusBar, window->Client);
    QCOMPARE(bar.bottom(), client.bottom());
    QCOMPARE(bar.width(), client.width());
    const QRect room(0, 0, client.width(), bar.top());
    QCOMPARE(window->Design->x(), (room.width() - window->Design->width()) / 2);
    QCOMPARE(window->Design->y(), (room.height() - window->Design->height()) / 2);
    CheckLaidOut(*window, room);
    // Every bet up to 1000 is readable whole.
    window->BetField->setValue(1000);
    const QLineEdit* betText = window->BetField->findChild<QLineEdit*>();
    QVERIFY(betText->fontMetrics().horizontalAdvance(betText->text()) <= betText->width() - 4);
    // The statistics show five whole columns, and nothing of the next.
    const TStringGrid* grid = window->StatsGrid;
    int whole = 0;
    for (int col = 0; col < grid->ColCount(); ++col) {
      const QRect cell = grid->CellRect(col, 0);
      if (cell.isEmpty()) continue;
      QVERIFY(cell.right() < grid->viewport()->width());
      ++whole;
    }
    QCOMPARE(whole, 5);
    QVERIFY(grid->viewport()->width() - 5 * (grid->DefaultColWidth() + 1) < 5);

    // The strategy advisor docked beside the game, or a page of the window: none of the
    // game's controls under it, and they take their places back exactly when it closes.
    const QList<QRect> before = DesignPlaces(*window);
    window->StrategyAdvisorClick();
    QCoreApplication::processEvents();
    const QRect dock(window->AdvisorDock->mapToGlobal(QPoint(0, 0)), window->AdvisorDock->size());
    if (window->AdvisorDock->isVisible() && window->Design->isVisible())
      for (QWidget* control : window->Design->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        QVERIFY2(!QRect(control->mapToGlobal(QPoint(0, 0)), control->size()).intersects(dock),
                 qPrintable(control->objectName()));
    window->StrategyAdvisorClick();
    QCoreApplication::processEvents();
    QCOMPARE(DesignPlaces(*window), before);

    // Shrunk as far as it goes, the window still keeps the status bar off the controls.
    window->showNormal();
    window->resize(1, 1);
    QCoreApplication::processEvents();
    QVERIFY(PlaceIn(window->StatusBar, window->Client).top() >= window->Design->height());

    TPayoutsDialog dialog(window->Engine(), window->SoundSlots(), nullptr, screen);
    for (QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      QVERIFY2(dialog.rect().contains(control->geometry()), qPrintable(control->objectName()));
  }

  void textOnTheBackgroundStaysReadable() {
    auto window = MakeWindow();
    const QWidget* texts[] = {window->BetLabel, window->TotalLabel, window->SoundOnButton,
                              window->SoundOffButton};
    for (const QColor background :
         {QColor(0x20, 0x20, 0x20), QColor(Qt::black), QColor(0, 0, 128), QColor(128, 128, 128),
          QColor(Qt::yellow), QColor(Qt::green), QColor(Qt::white)}) {
      window->ColorChooser = [background](const QColor&) { return background; };
      Trigger(*window, "BackgroundColor");
      for (const QWidget* text : texts)
        QVERIFY2(ContrastRatio(text->palette().color(QPalette::WindowText), background) >= 4.5,
                 qPrintable(text->objectName() + QLatin1Char(' ') + background.name()));
    }
    // The hold panels in each of their colours.
    window->DealClick();
    Click(window->HoldPanels[0]);
    window->DrawClick();
    Click(window->Cards[1]);
    Click(window->Cards[2]);
    Click(window->Cards[2]);
    for (const TCustomPanel* hold : window->HoldPanels)
      QVERIFY2(ContrastRatio(hold->FontColor(), hold->Color()) >= 4.5, qPrintable(hold->Caption()));

    // The total's and the bet's digits on any colour of their boxes; the design's blue and
    // navy where they read.
    QCOMPARE(window->TotalPanel->FontColor(), QColor(Qt::blue));
    for (const QColor box : {QColor(0, 0, 128), QColor(Qt::black), QColor(0x20, 0x20, 0x20),
                             QColor(Qt::blue), QColor(Qt::white), QColor(Qt::yellow)}) {
      window->ColorChooser = [box](const QColor&) { return box; };
      Trigger(*window, "TotalColor");
      Trigger(*window, "BetColor");
      QVERIFY2(ContrastRatio(window->TotalPanel->FontColor(), box) >= 4.5, qPrintable(box.name()));
      QVERIFY2(ContrastRatio(window->BetField->palette().color(QPalette::Text), box) >= 4.5,
               qPrintable(box.name()));
    }
    QCOMPARE(window->TotalPanel->FontColor(), QColor(Qt::blue));  // yellow takes the blue
  }

  void theToolkitsOwnPartsGrowWithTheGame() {
    const QFont design = QApplication::font();
    QStyle* desktop = QApplication::style();
    const int indicator = desktop->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth);
    ScaleApplication(design, QSize(640, 480));
    QCOMPARE(QApplication::style(), desktop);
    QCOMPARE(QApplication::font(), design);
    auto small = MakeWindow();
    const int menuHeight = small->menuBar()->sizeHint().height();
    small->HelpClick();
    const int margin = small->HelpViewer()->layout()->contentsMargins().left();
    small.reset();
    const auto boxIcon = [] {
      return QMessageBox(QMessageBox::Information, QString(), QString()).iconPixmap().width();
    };
    const int icon = boxIcon();

    ScaleApplication(design, QSize(2560, 1440));
    QCOMPARE(QApplication::font().pointSizeF(), design.pointSizeF() * 3);
    QCOMPARE(QApplication::style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth), indicator * 3);
    auto window = MakeWindow(QSize(2560, 1440));
    QVERIFY(window->menuBar()->sizeHint().height() >= 2 * menuHeight);
    window->HelpClick();
    QCOMPARE(window->HelpViewer()->layout()->contentsMargins().left(), margin * 3);
    window.reset();
    QCOMPARE(boxIcon(), icon * 3);

    ScaleApplication(design, QSize(640, 480));
    QCOMPARE(QApplication::font(), design);
    QCOMPARE(QApplication::style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth), indicator);

    // Drawn small beside the advisor, the game keeps radio indicators one can tell apart.
    TScaledStyle shrunk(TScale{11, 20});
    QCOMPARE(shrunk.pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, nullptr),
             std::min(indicator, 11));
    QVERIFY(shrunk.pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, nullptr) <
            QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  }

  void aTypedBetCountsWhereverTheBetIsRead() {
    auto window = MakeWindow();
    window->show();
    TypeBet(*window, QStringLiteral("35"));
    Click(window->StatsButton);
    QCOMPARE(window->Engine().Bet(), 35);
    QCOMPARE(window->BetField->text(), QStringLiteral("35"));
    TypeBet(*window, QStringLiteral("40"));
    Click(window->Cards[2]);
    QCOMPARE(window->Engine().Bet(), 40);
    TypeBet(*window, QStringLiteral("45"));
    Click(window->HoldPanels[1]);
    QCOMPARE(window->Engine().Bet(), 45);
    TypeBet(*window, QStringLiteral("50"));
    Trigger(*window, "SetTotal1000");
    QCOMPARE(window->Engine().Bet(), 50);
    TypeBet(*window, QStringLiteral("55"));
    window->close();
    QCOMPARE(QSettings(IniPath(), QSettings::IniFormat).value("Bet/Amount").toString(),
             QStringLiteral("55"));
  }

  void aDoubleClickOnAPanelCountsOnce() {
    auto window = MakeWindow();
    window->DealClick();
    // What a window system sends for a double click: press, release, double click, release.
    for (QWidget* target :
         {static_cast<QWidget*>(window->HoldPanels[0]), static_cast<QWidget*>(window->Cards[1])}) {
      const QPoint centre = target->rect().center();
      QTest::mouseClick(target, Qt::LeftButton, {}, centre);
      QTest::mouseDClick(target, Qt::LeftButton, {}, centre);
      QTest::mouseRelease(target, Qt::LeftButton, {}, centre);
    }
    QCOMPARE(window->HoldPanels[0]->Caption(), QStringLiteral("Hold"));
    QCOMPARE(window->HoldPanels[1]->Caption(), QStringLiteral("Hold"));
  }

  void aMissingAudioDeviceIsReportedOncePerRun() {
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no_such_audio_driver");
    auto window = MakeWindow();
    window->SoundSlots().fill(QStringLiteral("Error"));
    const auto winTwoPair = [&] {
      window->Engine().Random().Seed = kSeedTwoPair;
      window->DealClick();
      for (int k = 0; k < 5; ++k) window->HoldPanels[k]->OnClick();
      window->DrawClick();
    };
    window->SoundOffButton->setChecked(true);
    winTwoPair();
    QVERIFY(FMessages.isEmpty());
    window->SoundOnButton->setChecked(true);
    winTwoPair();
    winTwoPair();
    qputenv("SDL_AUDIODRIVER", driver);
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages[0].Icon, QMessageBox::Critical);
    QCOMPARE(window->TotalPanel->Caption(), QStringLiteral("1015"));  // every win credited
  }

  void numbersReadBackInEveryLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::newRow("Arabic digits") << QStringLiteral("ar_EG");
    QTest::newRow("grouping") << QStringLiteral("de_DE");
  }
  void numbersReadBackInEveryLocale() {
    QFETCH(QString, locale);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    auto window = MakeWindow();
    window->show();
    window->BetField->stepBy(3);
    QCOMPARE(window->Engine().Bet(), 20);
    window->DealClick();
    QCOMPARE(window->Engine().Bet(), 20);
    window->DrawClick();
    TypeBet(*window, QLocale(locale).toString(1000).remove(QLocale(locale).groupSeparator()));
    window->DealClick();
    QCOMPARE(window->Engine().Bet(), 1000);
    QCOMPARE(window->BetField->TextValue(), 1000);

    TPayTable odd;
    odd.H = {5, 4, 3, 9, 8, 99, 42, 999, 500};
    window->Engine().SetPayTable(odd);
    TPayoutsDialog dialog(window->Engine(), window->SoundSlots());
    dialog.show();
    dialog.OkClick();
    QCOMPARE(window->Engine().PayTable(), odd);
    QLocale::setDefault(before);
  }

  void aSignalClosesTheOpenDialogAndSavesTheSession() {
    auto window = MakeWindow();
    TPayoutsDialog dialog(window->Engine(), window->SoundSlots(), window.get());
    window->SetPayoutsDialog(&dialog);
    TShutdownSignals shutdown(window.get());
    window->show();
    window->BetField->stepBy(4);
    QTimer::singleShot(50, [] { std::raise(SIGTERM); });
    window->PayoutsOptionsClick();  // returns once the signal has dismissed the dialog
    QVERIFY(!dialog.isVisible());
    QTRY_VERIFY(window->isHidden());
    QCOMPARE(window->Engine().PayTable(), TPayTable{});
    QCOMPARE(QSettings(IniPath(), QSettings::IniFormat).value("Bet/Amount").toString(),
             QStringLiteral("25"));
    QVERIFY(FMessages.isEmpty());  // Cancel's own box is not waited for
  }

  void scalingToTheScreen_data() {
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QRect>("cash");
    QTest::addColumn<int>("cashFont");
    QTest::addColumn<QRect>("card");
    QTest::newRow("640x480") << QSize(640, 480) << QRect(136, 8, 441, 35) << 15
                             << QRect(136, 152, 71, 96);
    // Wider than 4:3: the height decides, so that everything fits.
    QTest::newRow("640x200") << QSize(640, 200) << QRect(57, 3, 183, 15) << 6
                             << QRect(57, 63, 29, 40);
    QTest::newRow("800x600") << QSize(800, 600) << QRect(170, 10, 551, 44) << 19
                             << QRect(170, 190, 89, 120);
    QTest::newRow("1280x1024") << QSize(1280, 1024) << QRect(272, 16, 882, 70) << 30
                               << QRect(272, 304, 142, 192);
    QTest::newRow("600x400") << QSize(600, 400) << QRect(113, 7, 368, 29) << 13
                             << QRect(113, 127, 60, 80);
  }
  void scalingToTheScreen() {
    QFETCH(QSize, screen);
    QFETCH(QRect, cash);
    QFETCH(int, cashFont);
    QFETCH(QRect, card);
    auto window = MakeWindow(screen);
    QCOMPARE(window->MoneyMessagePanel->geometry(), cash);
    QCOMPARE(window->MoneyMessagePanel->font().pixelSize(), cashFont);
    QCOMPARE(window->Cards[0]->geometry(), card);
    const TScale scale = ScreenScale(screen);
    QCOMPARE(window->Cards[0]->Stretch(), scale.M != scale.D);
    // Fonts are scaled once, by the screen's ratio, never multiplied again.
    QCOMPARE(window->Client->font().pixelSize(), MulDivRound(13, scale.M, scale.D));
    QVERIFY(window->StatsGrid->DefaultColWidth() >= MulDivRound(90, scale.M, scale.D));
    // The bet's font gives up what it must for "1000" to show whole.
    QVERIFY(window->BetField->font().pixelSize() <= MulDivRound(19, scale.M, scale.D));
  }
};

QTEST_MAIN(TGameWindowTest)
#include "game_window_test.moc"
