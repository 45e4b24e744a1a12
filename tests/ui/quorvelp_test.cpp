// The game window driven as a player drives it, against a settings file in a temporary
// config folder.
#include "Quorvelp.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <csignal>
#include <memory>

#include "CardDeck.h"
#include "Colors.h"
#include "CustomPanel.h"
#include "Gauge.h"
#include "HelpViewer.h"
#include "MessageBoxes.h"
#include "Scaling.h"
#include "Setpyoff.h"
#include "ShutdownSignals.h"
#include "Sleeper.h"
#include "SpinEdit.h"
#include "Statbaru.h"
#include "StringGrid.h"

namespace {

// Seeds whose first five cards make the named hand.
constexpr std::uint32_t kSeedNoPair = 0;  // 7C KC 6D 5S 4S
constexpr std::uint32_t kSeedTwoPair = 19;
constexpr std::uint32_t kSeedThreeOfAKind = 25;

struct TMessage {
  QMessageBox::Icon Icon;
  QString Caption;
  QString Text;
};

TTimeOfDay Midnight() {
  return {0, 0, 0, 0};
}

// A control's place in the coordinates of another widget it lies in.
QRect PlaceIn(const QWidget* control, const QWidget* in) {
  return QRect(control->mapTo(in, QPoint(0, 0)), control->size());
}

// Types into the bet field without leaving it, as a player who then clicks elsewhere.
void TypeBet(TForm1& form, const QString& text) {
  auto* edit = form.Bet->findChild<QLineEdit*>();
  edit->selectAll();
  for (QChar c : text) {  // key events with text of their own: digits of any script
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(edit, &press);
    QApplication::sendEvent(edit, &release);
  }
}

}  // namespace

class TForm1Test : public QObject {
  Q_OBJECT

  std::unique_ptr<QTemporaryDir> FConfig;
  QList<TMessage> FMessages;

  QString IniPath() const { return FConfig->filePath(QStringLiteral("Quorvel.ini")); }
  void WriteIni(const QByteArray& text) {
    QFile file(IniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
  }
  static std::unique_ptr<TForm1> MakeForm(QSize screen = QSize(640, 480)) {
    return std::make_unique<TForm1>(screen, Midnight);
  }
  static void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center()); }
  static void Trigger(TForm1& form, const char* action) {
    auto* a = form.findChild<QAction*>(QString::fromLatin1(action));
    QVERIFY(a);
    a->trigger();
  }

 private slots:
  void init() {
    FConfig = std::make_unique<QTemporaryDir>();
    qputenv("XDG_CONFIG_HOME", FConfig->path().toUtf8());
    FMessages.clear();
    SetMessageHook([this](QMessageBox::Icon icon, const QString& caption, const QString& text) {
      FMessages.push_back({icon, caption, text});
    });
  }
  void cleanup() { SetMessageHook(nullptr); }

  void firstStartShowsTheIdleTable() {
    auto form = MakeForm();
    QCOMPARE(form->windowTitle(), QStringLiteral("Lumaro for Windows 95 Version 2.0"));
    QCOMPARE(form->Panel5->Caption(), QStringLiteral("1000"));
    QCOMPARE(form->Bet->value(), 5);
    QCOMPARE(form->Bet->maximum(), 1000);
    QCOMPARE(form->Bet->singleStep(), 5);
    QCOMPARE(form->Cash->Caption(), QStringLiteral(" "));
    for (TCardDeck* card : form->CardDecks) QCOMPARE(card->Value(), 63);
    for (TCustomPanel* hold : form->HoldPanels) {
      QCOMPARE(hold->Caption(), QStringLiteral("Draw"));
      QVERIFY(hold->isEnabled());
    }
    QVERIFY(!form->Shuffle->isHidden());
    QVERIFY(form->Second->isHidden());
    QVERIFY(form->Image1->isHidden());
    for (int c = 0; c < 10; ++c)
      for (int r = 0; r < 2; ++r) QVERIFY(form->StringGrid1->Cell(c, r).isEmpty());
    QCOMPARE(form->Gauge1->Progress(), 0);
    QVERIFY(form->RadioButton1->isChecked());
    QCOMPARE(form->Sleeper1->Interval(), 1000);
    QCOMPARE(form->EStatusBar1->Caption(), QStringLiteral("Lumaro for Windows 95"));
    for (const TSoundSlot& slot : form->SoundSlots()) QVERIFY(slot.isEmpty());
    form->FormActivate();
    for (const TSoundSlot& slot : form->SoundSlots()) QCOMPARE(slot, QStringLiteral("Error"));
    QVERIFY(FMessages.isEmpty());
  }

  void aHandPlayedWithClicks() {
    auto form = MakeForm();
    form->show();
    form->Engine().Random().Seed = kSeedTwoPair;
    Click(form->Shuffle);
    QVERIFY(form->Shuffle->isHidden());
    QVERIFY(!form->Second->isHidden());
    QVERIFY(form->Bet->isReadOnly());
    QCOMPARE(form->CardDecks[0]->Value(), 13);
    // Hold three cards by their faces and two by their panels.
    for (int k : {0, 1, 2}) Click(form->CardDecks[k]);
    for (int k : {3, 4}) Click(form->HoldPanels[k]);
    for (TCustomPanel* hold : form->HoldPanels) QCOMPARE(hold->Caption(), QStringLiteral("Hold"));
    Click(form->Second);
    QCOMPARE(form->Panel2->Caption(), QStringLiteral("Player has Two Pair"));
    QCOMPARE(form->Cash->Caption(), QStringLiteral("*Bonus* 2X  Paid You Win! Total is now 1005"));
    QCOMPARE(form->Panel5->Caption(), QStringLiteral("1005"));
    QCOMPARE(form->StringGrid1->Cell(2, 0), QStringLiteral("2 Pair"));
    QCOMPARE(form->StringGrid1->Cell(0, 0), QStringLiteral("No Pair"));
    QCOMPARE(form->StringGrid1->Cell(9, 0), QStringLiteral("Royal Flush"));
    QCOMPARE(form->StringGrid1->Cell(2, 1), QStringLiteral("1"));
    QCOMPARE(form->StringGrid1->Cell(0, 1), QStringLiteral("0"));
    QCOMPARE(form->Gauge1->Progress(), 100);
    QVERIFY(!form->Image1->isHidden());
    QVERIFY(!form->Shuffle->isHidden());
    QVERIFY(!form->Bet->isReadOnly());
    for (TCustomPanel* hold : form->HoldPanels) {
      QCOMPARE(hold->Caption(), QStringLiteral("Over"));
      QCOMPARE(hold->Color(), ToQColor(clBlue));
      QVERIFY(!hold->isEnabled());
    }
    // Nothing held: every card is replaced, and the hand is lost.
    form->Engine().Random().Seed = kSeedNoPair;
    Click(form->Shuffle);
    Click(form->Second);
    QCOMPARE(form->Panel2->Caption(), QStringLiteral("Player has No Pair "));
    QCOMPARE(form->Cash->Caption(), QStringLiteral("You Lost Total is now 1000"));
    QCOMPARE(form->CardDecks[0]->Value(), 35);
    QCOMPARE(form->Gauge1->Progress(), 50);
    QVERIFY(form->Image1->isHidden());
    QVERIFY(FMessages.isEmpty());
  }

  void aTypedBetCountsAtTheDeal() {
    auto form = MakeForm();
    form->show();
    form->Bet->findChild<QLineEdit*>()->setText(QStringLiteral("2000"));
    Click(form->Shuffle);
    QCOMPARE(form->Engine().Bet(), 1000);
    QCOMPARE(form->Bet->value(), 1000);
    Click(form->Second);
    form->Bet->findChild<QLineEdit*>()->setText(QString());
    Click(form->Shuffle);
    QCOMPARE(form->Engine().Bet(), 5);
    // While the hand is open the arrows do nothing.
    form->Bet->stepBy(1);
    QCOMPARE(form->Engine().Bet(), 5);
    QCOMPARE(form->Bet->value(), 5);
  }

  void aLowTotalFixesTheBetAtFive() {
    auto form = MakeForm();
    form->Bet->setValue(100);
    QCOMPARE(form->Engine().Bet(), 100);
    form->Engine().SetTotal(19);
    form->ShuffleClick();
    QCOMPARE(form->Bet->value(), 5);
    QCOMPARE(form->Bet->maximum(), 5);
    form->SecondClick();
    form->Bet->stepBy(3);
    QCOMPARE(form->Engine().Bet(), 5);
  }

  void statsWritesBothLinesAndNothingElse() {
    auto form = MakeForm();
    form->SpeedButton5Click();
    QCOMPARE(form->Cash->Caption(),
             QStringLiteral("Player has Won 0 hands and Lost 0 Total Pairs =0"));
    QCOMPARE(form->Panel4->Caption(), QStringLiteral(" "));
    QVERIFY(form->StringGrid1->Cell(0, 0).isEmpty());
    form->Engine().Random().Seed = kSeedTwoPair;
    form->ShuffleClick();
    for (int k = 0; k < 5; ++k) form->HoldPanels[k]->OnClick();
    Click(form->SpeedButton5);
    QCOMPARE(form->Panel4->Caption(), QStringLiteral(" "));
    QVERIFY(!form->Second->isHidden());
    for (TCustomPanel* hold : form->HoldPanels) QCOMPARE(hold->Caption(), QStringLiteral("Hold"));
    form->SecondClick();
    form->SpeedButton5Click();
    QCOMPARE(form->Cash->Caption(),
             QStringLiteral("Player has Won 1 hands and Lost 0 Total Pairs =0"));
    QCOMPARE(form->Panel4->Caption(), QStringLiteral("High Hands Two Pair=1"));
    QCOMPARE(form->Panel5->Caption(), QStringLiteral("1005"));
  }

  void setTotalBetweenDealAndDraw() {
    auto form = MakeForm();
    form->Engine().Random().Seed = kSeedNoPair;
    form->ShuffleClick();
    Trigger(*form, "N1000001");
    QCOMPARE(form->Panel5->Caption(), QStringLiteral("100000"));
    QVERIFY(!form->Second->isHidden());
    form->SecondClick();
    QCOMPARE(form->Panel5->Caption(), QStringLiteral("99995"));
    Trigger(*form, "N10001");
    QCOMPARE(form->Panel5->Caption(), QStringLiteral("1000"));
    Trigger(*form, "N100001");
    QCOMPARE(form->Engine().Total(), 10000);
    QCOMPARE(form->Gauge1->Progress(), 0);  // statistics untouched
  }

  void colourCommands() {
    auto form = MakeForm();
    std::optional<QColor> answer;
    QList<QColor> offered;
    form->ColorChooser = [&](const QColor& current) {
      offered.push_back(current);
      return answer;
    };
    // Cancelled without ever choosing: the pie keeps red, and red is what will be saved.
    Trigger(*form, "Piechart1");
    QCOMPARE(form->PieColor(), 0x0000FF);
    Trigger(*form, "Total1");
    QCOMPARE(form->TotalColor(), clBtnFace);
    Trigger(*form, "Background1");
    QCOMPARE(form->FormColor(), -1);

    answer = QColor(0, 128, 0);
    Trigger(*form, "Background1");
    QCOMPARE(form->FormColor(), 0x008000);
    QCOMPARE(form->Client->palette().color(QPalette::Window), QColor(0, 128, 0));
    answer = QColor(255, 255, 0);
    Trigger(*form, "Amount1");
    QCOMPARE(form->AmountColor(), 0x00FFFF);
    QCOMPARE(form->Bet->palette().color(QPalette::Base), QColor(255, 255, 0));
    answer = std::nullopt;
    Trigger(*form, "Total1");
    // The shared dialog starts from the last confirmed colour.
    QCOMPARE(offered.last(), QColor(255, 255, 0));
    answer = QColor(0, 0, 0);
    Trigger(*form, "Total1");
    QCOMPARE(form->TotalColor(), 0);
    QCOMPARE(form->Panel5->Color(), QColor(0, 0, 0));

    form->close();
    QSettings ini(IniPath(), QSettings::IniFormat);
    QCOMPARE(ini.value("Settings/PieColor").toString(), QStringLiteral("255"));
    QCOMPARE(ini.value("Settings/FormColor").toString(), QStringLiteral("32768"));
    QCOMPARE(ini.value("Settings/AmountColor").toString(), QStringLiteral("65535"));
    QVERIFY(!ini.contains("Settings/TotalColor"));  // black is shown but not kept

    auto again = MakeForm();
    QCOMPARE(again->Client->palette().color(QPalette::Window), QColor(0, 128, 0));
    QCOMPARE(again->Gauge1->ForeColor(), QColor(255, 0, 0));
    QCOMPARE(again->Bet->palette().color(QPalette::Base), QColor(255, 255, 0));
  }

  void closingSavesWhatTheRulesAllow() {
    WriteIni("[Bet]\nTotal=777\n[Payouts]\nH2=0\nH9=500\n");
    auto form = MakeForm();
    QCOMPARE(form->Engine().Total(), 777);
    QCOMPARE(form->Engine().PayTable().Line(9), 500);
    form->Bet->setValue(40);
    form->RadioButton2->setChecked(true);
    form->Engine().SetTotal(40);  // 50 or less: the stored 777 stays
    form->close();
    QSettings ini(IniPath(), QSettings::IniFormat);
    QCOMPARE(ini.value("Bet/Amount").toString(), QStringLiteral("40"));
    QCOMPARE(ini.value("Bet/Total").toString(), QStringLiteral("777"));
    QCOMPARE(ini.value("Settings/Sound").toString(), QStringLiteral("0"));
    QCOMPARE(ini.value("Payouts/H2").toString(), QStringLiteral("1"));
    QCOMPARE(ini.value("Payouts/H9").toString(), QStringLiteral("500"));
    QCOMPARE(ini.allKeys().size(), 3 + 9);  // Amount, Total, Sound and H1..H9
    QVERIFY(FMessages.isEmpty());

    auto again = MakeForm();
    QVERIFY(again->RadioButton2->isChecked());
    QCOMPARE(again->Engine().Bet(), 40);
  }

  void aFailedSaveIsReportedAndTheWindowStillCloses() {
    auto form = MakeForm();
    form->show();
    QVERIFY(QFile::remove(IniPath()) || !QFile::exists(IniPath()));
    QVERIFY(QDir().mkpath(IniPath()));  // a folder where the file should be
    QVERIFY(form->close());
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages[0].Icon, QMessageBox::Critical);
    QCOMPARE(FMessages[0].Caption, QStringLiteral("Lumaro"));
    QVERIFY(FMessages[0].Text.endsWith(QLatin1Char('.')));
    QVERIFY(form->isHidden());
  }

  void anErrorDuringCreationLeavesAPlayableWindow() {
    TForm1 form(QSize(640, 480), []() -> TTimeOfDay { throw std::runtime_error("No clock"); });
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages[0].Text, QStringLiteral("No clock."));
    form.ShuffleClick();
    QVERIFY(!form.Second->isHidden());
    form.SecondClick();
    QVERIFY(form.Panel2->Caption().startsWith(QStringLiteral("Player has")) ||
            form.Panel2->Caption().startsWith(QStringLiteral("Wow!")));
  }

  void aWinWhoseSoundFailsIsStillCredited() {
    auto form = MakeForm();
    const QString broken = FConfig->filePath(QStringLiteral("broken.wav"));
    QFile file(broken);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("RIFF, but not really a wave file");
    file.close();
    form->SoundSlots().fill(QStringLiteral("Error"));
    form->SoundSlots()[1] = broken;
    form->Engine().Random().Seed = kSeedTwoPair;
    form->ShuffleClick();
    for (int k = 0; k < 5; ++k) form->HoldPanels[k]->OnClick();
    form->SecondClick();
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages[0].Icon, QMessageBox::Critical);
    QCOMPARE(FMessages[0].Caption, QStringLiteral("Lumaro"));
    QVERIFY(FMessages[0].Text.endsWith(QLatin1Char('.')));
    QCOMPARE(form->Panel5->Caption(), QStringLiteral("1005"));
    QCOMPARE(form->Cash->Caption(), QStringLiteral("*Bonus* 2X  Paid You Win! Total is now 1005"));
    QCOMPARE(form->HoldPanels[0]->Caption(), QStringLiteral("Over"));
    QCOMPARE(form->StringGrid1->Cell(2, 1), QStringLiteral("1"));
  }

  void soundFollowsTheSwitchAndOnlyWins() {
    auto form = MakeForm();
    form->SoundSlots().fill(QStringLiteral("Error"));
    form->Engine().Random().Seed = kSeedNoPair;
    form->ShuffleClick();
    form->SecondClick();
    QVERIFY(!form->MediaPlayer1().IsOpen());  // a loss asks for no sound
    form->RadioButton2->setChecked(true);
    form->Engine().Random().Seed = kSeedTwoPair;
    form->ShuffleClick();
    for (int k = 0; k < 5; ++k) form->HoldPanels[k]->OnClick();
    form->SecondClick();
    QVERIFY(form->MediaPlayer1().IsOpen());  // opened, falling back on the chime
    QVERIFY(!form->MediaPlayer1().IsPlaying());
    QVERIFY(FMessages.isEmpty());
  }

  void activationReloadsTheSoundSlots() {
    auto form = MakeForm();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    QCOMPARE(form->SoundSlots()[0], QStringLiteral("Error"));
    WriteIni("[Sound]\nWAVFILE3=/music/" + QByteArray(100, 'x') + ".wav\n");
    form->FormActivate();
    QCOMPARE(form->SoundSlots()[2].size(), 80);
    QCOMPARE(form->SoundSlots()[0], QStringLiteral("Error"));

    // A longer path plays the file its first 80 characters name.
    const QString prefix = FConfig->path() + QLatin1Char('/');
    const QString shortName = prefix + QString(80 - prefix.size(), QLatin1Char('a'));
    QVERIFY(QFile::copy(QStringLiteral(LUMARO_DATA_DIR "/CHIMES.WAV"), shortName));
    WriteIni("[Sound]\nWAVFILE3=" + shortName.toUtf8() + "bbbb.wav\n");
    form->FormActivate();
    form->Engine().Random().Seed = kSeedThreeOfAKind;
    form->ShuffleClick();
    for (int k = 0; k < 5; ++k) form->HoldPanels[k]->OnClick();
    form->SecondClick();
    QCOMPARE(form->Panel2->Caption(), QStringLiteral("Player has Three of a Kind"));
    QCOMPARE(QString::fromStdString(form->MediaPlayer1().FileName()), shortName);
    QVERIFY(FMessages.isEmpty());
  }

  void helpOpensAtTheFirstTopic() {
    auto form = MakeForm();
    form->HelpClick();
    QVERIFY(form->HelpViewer());
    QVERIFY(form->HelpViewer()->isVisible());
    QVERIFY(form->HelpViewer()->ShownText().contains(QStringLiteral("How to play")));
    // Scaled for a big screen, it still keeps within the screen it is shown on.
    auto big = MakeForm(QSize(3840, 2160));
    big->HelpClick();
    const QRect room = big->HelpViewer()->screen()->availableGeometry();
    QVERIFY(room.contains(big->HelpViewer()->geometry()));
    QVERIFY(big->HelpViewer()->font().pointSizeF() > form->HelpViewer()->font().pointSizeF());
    form->HelpViewer()->ShowContext(QStringLiteral("/no/such/QUORVEL.hlp"), 1);
    QVERIFY(form->HelpViewer()->ShownText().contains(QStringLiteral("could not be opened")));
    QVERIFY(FMessages.isEmpty());
  }

  void everyControlFitsTheScreen_data() {
    QTest::addColumn<QSize>("screen");
    for (QSize size :
         {QSize(640, 480), QSize(800, 600), QSize(1024, 768), QSize(1280, 1024), QSize(1366, 768),
          QSize(1600, 900), QSize(1920, 1080), QSize(2560, 1440), QSize(3840, 2160)})
      QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())))
          << size;
  }
  void everyControlFitsTheScreen() {
    QFETCH(QSize, screen);
    const TScale scale = ScreenScale(screen);
    if (screen.width() * 3 == screen.height() * 4)
      QCOMPARE(scale.M * 640, screen.width() * scale.D);
    auto form = MakeForm(screen);
    form->show();
    // Maximised, less a title bar: as wide as the screen.
    form->resize(screen.width(), form->height());
    QCoreApplication::processEvents();
    const QRect client = form->Client->rect();
    const QRect bar = PlaceIn(form->EStatusBar1, form->Client);
    QCOMPARE(bar.bottom(), client.bottom());
    QCOMPARE(bar.width(), client.width());
    QCOMPARE(form->Design->x(), (client.width() - form->Design->width()) / 2);
    QList<QRect> places;
    for (QWidget* control : form->Design->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (control == form->Second) continue;  // shares "Deal"'s place, shown in turn
      const QRect place = PlaceIn(control, form->Client);
      QVERIFY2(client.contains(place) && place.bottom() < bar.top(),
               qPrintable(control->objectName()));
      for (const QRect& other : places)
        QVERIFY2(!place.intersects(other), qPrintable(control->objectName()));
      places.push_back(place);
    }
    // Every bet up to 1000 is readable whole.
    form->Bet->setValue(1000);
    const QLineEdit* betText = form->Bet->findChild<QLineEdit*>();
    QVERIFY(betText->fontMetrics().horizontalAdvance(betText->text()) <= betText->width() - 4);

    // Shrunk as far as it goes, the window still keeps the status bar off the controls.
    form->showNormal();
    form->resize(1, 1);
    QCoreApplication::processEvents();
    QVERIFY(PlaceIn(form->EStatusBar1, form->Client).top() >= form->Design->height());

    Tsetpay dialog(form->Engine(), form->SoundSlots(), nullptr, screen);
    for (QWidget* control : dialog.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
      QVERIFY2(dialog.rect().contains(control->geometry()), qPrintable(control->objectName()));
  }

  void aTypedBetCountsWhereverTheBetIsRead() {
    auto form = MakeForm();
    form->show();
    TypeBet(*form, QStringLiteral("35"));
    Click(form->SpeedButton5);
    QCOMPARE(form->Engine().Bet(), 35);
    QCOMPARE(form->Bet->text(), QStringLiteral("35"));
    TypeBet(*form, QStringLiteral("40"));
    Click(form->CardDecks[2]);
    QCOMPARE(form->Engine().Bet(), 40);
    TypeBet(*form, QStringLiteral("45"));
    Click(form->HoldPanels[1]);
    QCOMPARE(form->Engine().Bet(), 45);
    TypeBet(*form, QStringLiteral("50"));
    Trigger(*form, "N10001");
    QCOMPARE(form->Engine().Bet(), 50);
    TypeBet(*form, QStringLiteral("55"));
    form->close();
    QCOMPARE(QSettings(IniPath(), QSettings::IniFormat).value("Bet/Amount").toString(),
             QStringLiteral("55"));
  }

  void aDoubleClickOnAPanelCountsOnce() {
    auto form = MakeForm();
    form->ShuffleClick();
    // What a window system sends for a double click: press, release, double click, release.
    for (QWidget* target :
         {static_cast<QWidget*>(form->HoldPanels[0]), static_cast<QWidget*>(form->CardDecks[1])}) {
      const QPoint centre = target->rect().center();
      QTest::mouseClick(target, Qt::LeftButton, {}, centre);
      QTest::mouseDClick(target, Qt::LeftButton, {}, centre);
      QTest::mouseRelease(target, Qt::LeftButton, {}, centre);
    }
    QCOMPARE(form->HoldPanels[0]->Caption(), QStringLiteral("Hold"));
    QCOMPARE(form->HoldPanels[1]->Caption(), QStringLiteral("Hold"));
  }

  void aMissingAudioDeviceIsReportedOncePerRun() {
    const QByteArray driver = qgetenv("SDL_AUDIODRIVER");
    qputenv("SDL_AUDIODRIVER", "no_such_audio_driver");
    auto form = MakeForm();
    form->SoundSlots().fill(QStringLiteral("Error"));
    const auto winTwoPair = [&] {
      form->Engine().Random().Seed = kSeedTwoPair;
      form->ShuffleClick();
      for (int k = 0; k < 5; ++k) form->HoldPanels[k]->OnClick();
      form->SecondClick();
    };
    form->RadioButton2->setChecked(true);
    winTwoPair();
    QVERIFY(FMessages.isEmpty());
    form->RadioButton1->setChecked(true);
    winTwoPair();
    winTwoPair();
    qputenv("SDL_AUDIODRIVER", driver);
    QCOMPARE(FMessages.size(), 1);
    QCOMPARE(FMessages[0].Icon, QMessageBox::Critical);
    QCOMPARE(form->Panel5->Caption(), QStringLiteral("1015"));  // every win credited
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
    auto form = MakeForm();
    form->show();
    form->Bet->stepBy(3);
    QCOMPARE(form->Engine().Bet(), 20);
    form->ShuffleClick();
    QCOMPARE(form->Engine().Bet(), 20);
    form->SecondClick();
    TypeBet(*form, QLocale(locale).toString(1000).remove(QLocale(locale).groupSeparator()));
    form->ShuffleClick();
    QCOMPARE(form->Engine().Bet(), 1000);
    QCOMPARE(form->Bet->TextValue(), 1000);

    TPayTable odd;
    odd.H = {5, 4, 3, 9, 8, 99, 42, 999, 500};
    form->Engine().SetPayTable(odd);
    Tsetpay dialog(form->Engine(), form->SoundSlots());
    dialog.show();
    dialog.OKBtnClick();
    QCOMPARE(form->Engine().PayTable(), odd);
    QLocale::setDefault(before);
  }

  void aSignalClosesTheOpenDialogAndSavesTheSession() {
    auto form = MakeForm();
    Tsetpay dialog(form->Engine(), form->SoundSlots(), form.get());
    form->SetPayoutsDialog(&dialog);
    TShutdownSignals shutdown(form.get());
    form->show();
    form->Bet->stepBy(4);
    QTimer::singleShot(50, [] { std::raise(SIGTERM); });
    form->AdjustPayouts1Click();  // returns once the signal has dismissed the dialog
    QVERIFY(!dialog.isVisible());
    QTRY_VERIFY(form->isHidden());
    QCOMPARE(form->Engine().PayTable(), TPayTable{});
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
    auto form = MakeForm(screen);
    QCOMPARE(form->Cash->geometry(), cash);
    QCOMPARE(form->Cash->font().pixelSize(), cashFont);
    QCOMPARE(form->CardDecks[0]->geometry(), card);
    const TScale scale = ScreenScale(screen);
    QCOMPARE(form->CardDecks[0]->Stretch(), scale.M != scale.D);
    // Fonts are scaled once, by the screen's ratio, never multiplied again.
    QCOMPARE(form->Client->font().pixelSize(), MulDivRound(13, scale.M, scale.D));
    QCOMPARE(form->StringGrid1->DefaultColWidth(), MulDivRound(90, scale.M, scale.D));
    // The bet's font gives up what it must for "1000" to show whole.
    QVERIFY(form->Bet->font().pixelSize() <= MulDivRound(19, scale.M, scale.D));
  }
};

QTEST_MAIN(TForm1Test)
#include "quorvelp_test.moc"
