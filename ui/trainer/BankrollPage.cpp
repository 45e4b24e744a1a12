// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "BankrollPage.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <exception>

#include "Colors.h"
#include "MessageBoxes.h"
#include "RiskPlot.h"
#include "ViewTexts.h"
#include "game_odds.h"
#include "risk_report.h"

namespace {

constexpr long long kDefaultHands = 1000;
// About this many bars across the plot of the results, and figures read along the curve.
constexpr double kResultBars = 50;
constexpr int kCurveRows = 10;
// The curve is drawn through at most this many points.
constexpr long long kCurvePoints = 400;
// How often the page in sight looks at the game's total and bet again.
constexpr int kLookAgainMilliseconds = 500;

const QColor kReasonColour = ToQColor(clRedSuit);

QString Chance(double chance) {
  return QString::fromStdString(ChanceText(chance));
}

// Counts as the game writes numbers in every language: plain digits, no grouping.
QString Count(long long n) {
  return QString::number(n);
}

// A signed figure of bets or coins: "+12", "-3.5", "0".
QString Signed(double value, int decimals) {
  const QString figure = QString::number(value, 'f', decimals);
  if (figure.toDouble() == 0) return QStringLiteral("0");
  return value > 0 ? QStringLiteral("+") + figure : figure;
}

// Digits only: no sign, no point, no separators.
std::optional<long long> WholeNumber(const QString& text, long long limit) {
  const QString t = text.trimmed();
  if (t.isEmpty() || t.size() > 18)
    return t.size() > 18 ? std::optional<long long>(limit + 1) : std::nullopt;
  for (const QChar c : t)
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
  return t.toLongLong();
}

}  // namespace

TPayDistribution GamePayDistribution(const TDrawTables* jacksTables, const TGameTable& table) {
  if (table.IsJacks() && jacksTables) {
    const TPayTable jacks = PayTableOf(table);
    return PayDistributionOf(ComputeReturn(*jacksTables, jacks, 2), jacks);
  }
  TGamePays pays{table.Game, {}, {}};
  for (int line = 0; line < table.Game->LineCount(); ++line)
    pays.Pays.push_back(PaysOfMultiplier(table.Multipliers[static_cast<std::size_t>(line)]));
  return PayDistributionOf(ComputeReturn(*GameTables(*table.Game), UnitPaysOf(pays), 2));
}

TFieldValue BankrollFieldValue(const QString& text) {
  const auto value = WholeNumber(text, kMaxRiskBankroll);
  if (!value || *value < 1)
    return {std::nullopt,
            QCoreApplication::translate("TBankrollPage",
                                        "The bankroll is a whole number of bets, at least 1.")};
  if (*value > kMaxRiskBankroll)
    return {std::nullopt,
            QCoreApplication::translate("TBankrollPage", "The bankroll is at most %1 bets.")
                .arg(Count(kMaxRiskBankroll))};
  return {value, {}};
}

TFieldValue BetFieldValue(const QString& text) {
  const auto value = WholeNumber(text, kMaxBet);
  if (!value || *value < kMinBet || *value > kMaxBet)
    return {std::nullopt, QCoreApplication::translate(
                              "TBankrollPage", "The bet is a whole number of coins from %1 to %2.")
                              .arg(Count(kMinBet), Count(kMaxBet))};
  return {value, {}};
}

TFieldValue HandsFieldValue(const QString& text) {
  const auto value = WholeNumber(text, kMaxRiskHands);
  if (!value || *value < 1)
    return {std::nullopt, QCoreApplication::translate("TBankrollPage",
                                                      "The hands are a whole number, at least 1.")};
  if (*value > kMaxRiskHands)
    return {std::nullopt,
            QCoreApplication::translate("TBankrollPage", "At most %1 hands are counted.")
                .arg(Count(kMaxRiskHands))};
  return {value, {}};
}

QString ChanceWords(double chance) {
  if (!(chance > 0)) return QCoreApplication::translate("TBankrollPage", "no chance");
  if (chance >= 1) return QCoreApplication::translate("TBankrollPage", "certain");
  // Small chances as one in so many; the others as a share of ten, a hundred... close
  // enough to the figure and to what it leaves.
  // Beyond one in a billion the count of chances says nothing more (and 1 / chance may not fit
  // a whole number at all).
  if (chance < 1e-9) return QCoreApplication::translate("TBankrollPage", "almost no chance");
  if (chance < 0.2)
    return QCoreApplication::translate("TBankrollPage", "1 chance in %1")
        .arg(Count(std::llround(1 / chance)));
  const double rest = 1 - chance;
  for (long long of = 10; of <= 1000000; of *= 10) {
    const long long in = std::llround(chance * static_cast<double>(of));
    if (in < of && std::abs(static_cast<double>(in) / static_cast<double>(of) - chance) <=
                       0.05 * std::min(chance, rest))
      return QCoreApplication::translate("TBankrollPage", "%1 chances in %2")
          .arg(Count(in), Count(of));
  }
  return QCoreApplication::translate("TBankrollPage", "almost certain");
}

// ---------------------------------------------------------------------------------------------

TBankrollPage::TBankrollPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("BankrollPage"));
  BuildControls();
  ClearFigures(tr("Waiting for the game's odds..."));
}

TBankrollPage::~TBankrollPage() {
  // The worker posts to this object: it stops soon once told and must be done before we go.
  if (FCancel) FCancel->store(true);
  if (FWorker.joinable()) FWorker.join();
}

void TBankrollPage::BuildControls() {
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("BankrollScroll"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setFocusPolicy(Qt::NoFocus);
  auto* contents = new QWidget;
  FContents = contents;
  contents->setObjectName(QStringLiteral("BankrollContents"));
  scroll->setWidget(contents);
  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(scroll);

  const auto label = [contents](const char* name) {
    auto* l = new QLabel(contents);
    l->setObjectName(QString::fromLatin1(name));
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
  };
  const auto reason = [&](const char* name) {
    QLabel* l = label(name);
    QPalette palette = l->palette();
    palette.setColor(QPalette::WindowText, kReasonColour);
    l->setPalette(palette);
    l->hide();
    return l;
  };
  const auto edit = [contents](const char* name, const QString& accessible) {
    auto* e = new QLineEdit(contents);
    e->setObjectName(QString::fromLatin1(name));
    e->setAccessibleName(accessible);
    e->setFocusPolicy(Qt::TabFocus);  // reached by Tab; a click leaves the keyboard in the game
    e->setMaxLength(12);
    return e;
  };

  GameLabel = label("BankrollGameLabel");
  UseTotal = new QRadioButton(contents);
  UseTotal->setObjectName(QStringLiteral("UseTotal"));
  UseTotal->setFocusPolicy(Qt::TabFocus);
  UseTotal->setChecked(true);
  TypeBankroll = new QRadioButton(tr("Bets:"), contents);
  TypeBankroll->setObjectName(QStringLiteral("TypeBankroll"));
  TypeBankroll->setFocusPolicy(Qt::TabFocus);
  BankrollEdit = edit("BankrollEdit", tr("Bankroll in bets"));
  BankrollEdit->setEnabled(false);
  BankrollMoney = label("BankrollMoney");
  BankrollReason = reason("BankrollReason");
  BetEdit = edit("BetEdit", tr("Bet in coins"));
  BetReason = reason("BetReason");
  HandsEdit = edit("HandsEdit", tr("Hands"));
  HandsEdit->setText(QString::number(kDefaultHands));
  HandsReason = reason("HandsReason");

  auto* fields = new QGridLayout;
  auto* bankrollCaption = label("BankrollCaption");
  bankrollCaption->setText(tr("Bankroll:"));
  auto* betCaption = label("BetCaption");
  betCaption->setText(tr("Bet:"));
  betCaption->setBuddy(BetEdit);
  auto* handsCaption = label("HandsCaption");
  handsCaption->setText(tr("Hands:"));
  handsCaption->setBuddy(HandsEdit);
  auto* coins = label("BetCoins");
  coins->setText(tr("coins"));
  // Captions and units stand level with their fields.
  for (QLabel* l : {bankrollCaption, betCaption, handsCaption, coins, BankrollMoney})
    l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  fields->addWidget(bankrollCaption, 0, 0);
  fields->addWidget(UseTotal, 0, 1, 1, 2);
  fields->addWidget(TypeBankroll, 1, 1);
  auto* typed = new QHBoxLayout;
  typed->addWidget(BankrollEdit, 1);
  typed->addWidget(BankrollMoney, 2);
  fields->addLayout(typed, 1, 2);
  fields->addWidget(BankrollReason, 2, 1, 1, 2);
  fields->addWidget(betCaption, 3, 0);
  auto* bet = new QHBoxLayout;
  bet->addWidget(BetEdit, 1);
  bet->addWidget(coins, 2);
  fields->addLayout(bet, 3, 1, 1, 2);
  fields->addWidget(BetReason, 4, 1, 1, 2);
  fields->addWidget(handsCaption, 5, 0);
  fields->addWidget(HandsEdit, 5, 1, 1, 2);
  fields->addWidget(HandsReason, 6, 1, 1, 2);
  fields->setColumnStretch(2, 1);

  Progress = new QProgressBar(contents);
  Progress->setObjectName(QStringLiteral("BankrollProgress"));
  Progress->setAccessibleName(tr("Counting"));
  Progress->setRange(0, 100);
  Progress->hide();
  StatusLabel = label("BankrollStatus");
  RuinLabel = label("RuinLabel");
  AheadLabel = label("AheadLabel");
  EvenLabel = label("EvenLabel");
  BehindLabel = label("BehindLabel");
  ExpectedLabel = label("ExpectedLabel");
  LowLabel = label("LowLabel");
  MedianLabel = label("MedianLabel");
  HighLabel = label("HighLabel");
  DeviationLabel = label("DeviationLabel");
  // The chance of ruin is what the page is for: it stands out.
  RuinLabel->setTextFormat(Qt::PlainText);
  QFont bold = RuinLabel->font();
  bold.setBold(true);
  RuinLabel->setFont(bold);

  RuinPlot = new TRiskPlot(contents);
  RuinPlot->setObjectName(QStringLiteral("RuinPlot"));
  ResultPlot = new TRiskPlot(contents);
  ResultPlot->setObjectName(QStringLiteral("ResultPlot"));

  auto* column = new QVBoxLayout(contents);
  column->addWidget(GameLabel);
  column->addLayout(fields);
  column->addWidget(Progress);
  column->addWidget(StatusLabel);
  // The chances first, then the plots a player reads at a glance, then the spread.
  for (QLabel* l : {RuinLabel, AheadLabel, EvenLabel, BehindLabel}) column->addWidget(l);
  column->addWidget(RuinPlot);
  column->addWidget(ResultPlot);
  for (QLabel* l : {ExpectedLabel, LowLabel, MedianLabel, HighLabel, DeviationLabel})
    column->addWidget(l);
  column->addStretch(1);

  setTabOrder(UseTotal, TypeBankroll);
  setTabOrder(TypeBankroll, BankrollEdit);
  setTabOrder(BankrollEdit, BetEdit);
  setTabOrder(BetEdit, HandsEdit);
  setTabOrder(HandsEdit, RuinPlot);
  setTabOrder(RuinPlot, ResultPlot);

  const auto changed = [this] { RunGuarded(this, [this] { FieldsChanged(); }); };
  connect(UseTotal, &QRadioButton::toggled, this, [this, changed](bool useTotal) {
    BankrollEdit->setEnabled(!useTotal);
    changed();
  });
  connect(BankrollEdit, &QLineEdit::textEdited, this, changed);
  connect(BetEdit, &QLineEdit::textEdited, this, [this, changed] {
    FBetTyped = true;
    changed();
  });
  connect(HandsEdit, &QLineEdit::textEdited, this, changed);
  FLookAgain = new QTimer(this);
  FLookAgain->setInterval(kLookAgainMilliseconds);
  connect(FLookAgain, &QTimer::timeout, this, &TBankrollPage::GameWanted);
  FitToFont();
}

void TBankrollPage::FitToFont() {
  // Margins and spacing follow the font the page inherits, so they grow with the window.
  const int line = fontMetrics().lineSpacing();
  if (QLayout* l = FContents->layout()) {
    const int margin = std::max(2, line / 2);
    l->setContentsMargins(margin, margin, margin, margin);
    l->setSpacing(std::max(2, line / 4));
  }
  QFont bold = font();
  bold.setBold(true);
  RuinLabel->setFont(bold);
  for (QLineEdit* e : {BankrollEdit, BetEdit, HandsEdit})
    e->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000000")));
  RuinPlot->setMinimumHeight(line * 9);
  ResultPlot->setMinimumHeight(line * 9);
}

void TBankrollPage::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitToFont();
}

void TBankrollPage::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  emit GameWanted();
  FLookAgain->start();
  RunGuarded(this, [this] { CountIfWanted(); });
}

void TBankrollPage::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  FLookAgain->stop();
}

QWidget* TBankrollPage::FocusTarget() const {
  return UseTotal->isChecked() ? static_cast<QWidget*>(UseTotal) : BankrollEdit;
}

void TBankrollPage::ShowGame(const std::shared_ptr<const TDrawTables>& tables,
                             const TPayTable& table, std::int32_t total, std::int32_t bet) {
  ShowGame(tables, JacksTable(table), total, bet);
}

void TBankrollPage::ShowGame(const std::shared_ptr<const TDrawTables>& tables,
                             const TGameTable& table, std::int32_t total, std::int32_t bet) {
  FTables = tables;
  const bool same = FTable == table && FTotal == total && FGameBet == bet;
  FTable = table;
  FTotal = total;
  FGameBet = bet;
  if (!FBetTyped && BetEdit->text() != QString::number(bet)) BetEdit->setText(QString::number(bet));
  if (!same || !FWanted)
    FieldsChanged();
  else
    CountIfWanted();
}

TBankrollPage::TFields TBankrollPage::ReadFields() {
  TFields fields;
  const TFieldValue bet = BetFieldValue(BetEdit->text());
  fields.Bet = bet.Value;
  const TFieldValue hands = HandsFieldValue(HandsEdit->text());
  fields.Hands = hands.Value;
  QString bankrollReason;
  UseTotal->setText(tr("Use my total, %1 coins").arg(Count(FTotal)));
  if (UseTotal->isChecked()) {
    if (bet.Value) {
      const long long bets = FTotal / *bet.Value;
      if (bets < 1) {
        bankrollReason = tr("Your total of %1 coins is less than one bet.").arg(Count(FTotal));
      } else {
        fields.Bankroll = std::min<long long>(bets, kMaxRiskBankroll);
        // The typed bankroll starts from the total's, when the player turns to it.
        BankrollEdit->setText(QString::number(*fields.Bankroll));
      }
    }
  } else {
    const TFieldValue bankroll = BankrollFieldValue(BankrollEdit->text());
    fields.Bankroll = bankroll.Value;
    bankrollReason = bankroll.Reason;
  }
  BankrollMoney->setText(fields.Bankroll && fields.Bet
                             ? tr("= %1 coins").arg(Count(*fields.Bankroll * *fields.Bet))
                             : QString());
  // Beside its field, and said with it: the field's description is the reason.
  const auto say = [](QLabel* label, QWidget* field, const QString& why) {
    label->setText(why);
    label->setVisible(!why.isEmpty());
    if (field->accessibleDescription() != why) field->setAccessibleDescription(why);
  };
  say(BankrollReason, UseTotal->isChecked() ? static_cast<QWidget*>(UseTotal) : BankrollEdit,
      bankrollReason);
  if (UseTotal->isChecked())
    BankrollEdit->setAccessibleDescription(QString());
  else
    UseTotal->setAccessibleDescription(QString());
  say(BetReason, BetEdit, bet.Reason);
  say(HandsReason, HandsEdit, hands.Reason);
  return fields;
}

void TBankrollPage::FieldsChanged() {
  const TFields fields = ReadFields();
  if (!FTable) return;
  if (!fields.Bankroll || !fields.Bet || !fields.Hands) {
    FWanted.reset();
    if (FCancel) FCancel->store(true);
    ClearFigures(tr("The figures wait for the fields marked above."));
    return;
  }
  FBet = *fields.Bet;
  FWanted = TRiskKey{*FTable, *fields.Bankroll, *fields.Hands};
  // A count for other fields has nothing to give any more.
  if (FWorking && FCounting != FWanted && FCancel) FCancel->store(true);
  if (FWanted == FShownKey) {
    ShowFigures();
    return;
  }
  CountIfWanted();
  if (!FWorking && FWanted != FShownKey) {
    if (FFailed == FWanted)
      ClearFigures(tr("The figures could not be counted (%1).").arg(FError));
    else
      ClearFigures(tr("Waiting for the game's odds..."));
  }
}

bool TBankrollPage::Ready() const {
  return FWanted && FShownKey == FWanted && !FWorking;
}

void TBankrollPage::CountIfWanted() {
  if (!FWanted || FWorking || FShownKey == FWanted || FFailed == FWanted || !isVisible()) return;
  if (FPaysTable != FWanted->Table && FWanted->Table.IsJacks() && FTables.expired()) return;
  StartCount(*FWanted);
}

void TBankrollPage::StartCount(const TRiskKey& key) {
  std::shared_ptr<const TDrawTables> tables;
  std::shared_ptr<const TPayDistribution> known;
  if (FPaysTable == key.Table)
    known = FPays;
  else
    tables = FTables.lock();
  const std::uint64_t serial = ++FSerial;
  auto cancel = std::make_shared<std::atomic<bool>>(false);
  auto work = [this, serial, key, cancel, tables = std::move(tables),
               known = std::move(known)]() mutable {
    std::shared_ptr<const TPayDistribution> counted;
    std::optional<TSessionRisk> risk;
    std::string error;
    try {
      if (!known) {
        counted =
            std::make_shared<const TPayDistribution>(GamePayDistribution(tables.get(), key.Table));
        known = counted;
      }
      // The tables are the advisor's to let go: the worker keeps them no longer than it needs.
      tables.reset();
      int shown = -1;
      TRiskControl control;
      control.Cancel = cancel.get();
      control.Progress = [this, serial, &shown](long long done, long long total) {
        const int percent = static_cast<int>(100 * done / std::max(1LL, total));
        if (percent == shown) return;
        shown = percent;
        QMetaObject::invokeMethod(
            this,
            [this, serial, percent] {
              if (serial == FSerial) Progress->setValue(percent);
            },
            Qt::QueuedConnection);
      };
      risk = SessionRisk(*known, key.Bankroll, key.Hands, control);
    } catch (const std::exception& e) {
      error = e.what();
    } catch (...) {
      error = "unknown error";
    }
    QMetaObject::invokeMethod(
        this,
        [this, key, counted = std::move(counted), risk = std::move(risk), error] {
          CountDone(key, counted, risk, error);
        },
        Qt::QueuedConnection);
  };
  FCancel = cancel;
  FCounting = key;
  FWorking = true;
  try {
    FWorker = std::thread(std::move(work));
  } catch (...) {
    FWorking = false;
    FCounting.reset();
    throw;
  }
  Progress->setValue(0);
  Progress->show();
  StatusLabel->setText(FPaysTable == key.Table ? tr("Counting the figures...")
                                               : tr("Counting the game's odds..."));
}

void TBankrollPage::CountDone(const TRiskKey& key, std::shared_ptr<const TPayDistribution> pays,
                              std::optional<TSessionRisk> risk, const std::string& error) {
  RunGuarded(this, [&] {
    FWorker.join();
    FWorking = false;
    FCounting.reset();
    Progress->hide();
    if (pays) {
      FPaysTable = key.Table;
      FPays = std::move(pays);
    }
    if (!error.empty()) {
      FFailed = key;
      FError = QString::fromStdString(error);
    } else if (risk && key == FWanted) {
      FShownKey = key;
      FShown = std::move(risk);
    }
    // The fields may have changed meanwhile: what they ask for now.
    FieldsChanged();
    if (Ready()) emit FiguresShown();
  });
}

QString TBankrollPage::BetsText(double bets, int decimals) const {
  //: %1 a number of bets, %2 the same in coins, both signed: "-12.5 bets (-62 coins)"
  return tr("%1 bets (%2 coins)")
      .arg(Signed(bets, decimals), Signed(bets * static_cast<double>(FBet), 0));
}

void TBankrollPage::ShowGame() {
  const bool jacks = !FTable || FTable->IsJacks();
  const QString game = jacks ? QString() : ShownTerm(FTable->Game->Name);
  if (!FPays || FPaysTable != FTable) {
    if (jacks) {
      GameLabel->setText(tr("Jacks or Better with your multipliers"));
    } else {
      //: %1 the game's name: "Deuces Wild"
      GameLabel->setText(tr("%1 with your multipliers").arg(game));
    }
    return;
  }
  double pay = 0;
  for (const TPayChance& c : FPays->Chances)
    pay += static_cast<double>(c.Pay) * static_cast<double>(c.Numerator);
  pay /= static_cast<double>(FPays->Denominator);
  const QString percent = QString::number(100 * pay, 'f', 2);
  if (jacks) {
    //: %1 the return in per cent with two decimals: "99.54"
    GameLabel->setText(
        tr("Jacks or Better with your multipliers: %1% return under best play").arg(percent));
  } else {
    //: %1 the game's name: "Deuces Wild"; %2 the return in per cent with two decimals: "100.76"
    GameLabel->setText(
        tr("%1 with your multipliers: %2% return under best play").arg(game, percent));
  }
}

void TBankrollPage::ShowFigures() {
  ShowGame();
  if (!FShown) return;
  const TSessionRisk& s = *FShown;
  const int hands = static_cast<int>(s.Hands);
  //: %n the bankroll in bets, %1 the bet, %2 the bankroll in coins
  StatusLabel->setText(tr("A bankroll of %n bets of %1 coins (%2 coins), best play throughout:",
                          nullptr, static_cast<int>(s.Bankroll))
                           .arg(Count(FBet), Count(s.Bankroll * FBet)));
  //: %1 a chance in words ("1 chance in 12"), %2 the same in per cent
  RuinLabel->setText(tr("Losing the whole bankroll within %n hands: %1 (%2)", nullptr, hands)
                         .arg(ChanceWords(s.Ruin), Chance(s.Ruin)));
  AheadLabel->setText(tr("Ahead after %n hands: %1 (%2)", nullptr, hands)
                          .arg(ChanceWords(s.Ahead), Chance(s.Ahead)));
  EvenLabel->setText(
      tr("Even after %n hands: %1 (%2)", nullptr, hands).arg(ChanceWords(s.Even), Chance(s.Even)));
  BehindLabel->setText(tr("Behind after %n hands, ruin included: %1 (%2)", nullptr, hands)
                           .arg(ChanceWords(s.Behind), Chance(s.Behind)));
  ExpectedLabel->setText(tr("Expected result: %1").arg(BetsText(s.Expected, 1)));
  const long long ceiling = s.LowestResult + static_cast<long long>(s.ResultChances.size()) - 1;
  const auto percentile = [&](int i) {
    const TPercentile& p = s.Percentiles[static_cast<std::size_t>(i)];
    if (p.Result) return BetsText(static_cast<double>(*p.Result), 0);
    return tr("above %1").arg(BetsText(static_cast<double>(ceiling), 0));
  };
  LowLabel->setText(tr("1 session in 20 ends at %1 or lower (5th percentile)").arg(percentile(0)));
  MedianLabel->setText(tr("Half the sessions end at %1 or lower (median)").arg(percentile(1)));
  HighLabel->setText(
      tr("1 session in 20 ends at %1 or higher (95th percentile)").arg(percentile(2)));
  DeviationLabel->setText(
      tr("Standard deviation of the result: %1 bets (%2 coins)")
          .arg(QString::number(s.StandardDeviation, 'f', 1),
               QString::number(s.StandardDeviation * static_cast<double>(FBet), 'f', 0)));
  for (QLabel* l : {RuinLabel, AheadLabel, EvenLabel, BehindLabel, ExpectedLabel, LowLabel,
                    MedianLabel, HighLabel, DeviationLabel})
    l->show();
  ShowPlots(s);
}

void TBankrollPage::ClearFigures(const QString& why) {
  ShowGame();
  StatusLabel->setText(why);
  for (QLabel* l : {RuinLabel, AheadLabel, EvenLabel, BehindLabel, ExpectedLabel, LowLabel,
                    MedianLabel, HighLabel, DeviationLabel}) {
    l->clear();
    l->hide();
  }
  RuinPlot->SetTitles(tr("Chance of ruin against hands played"), tr("Hands played"), false);
  ResultPlot->SetTitles(tr("Chance of each result"), tr("Result in bets"), true);
  RuinPlot->SetMessage(why);
  ResultPlot->SetMessage(why);
}

void TBankrollPage::ShowPlots(const TSessionRisk& s) {
  // The chance of ruin hand by hand, and ten figures along it for the screen reader.
  const long long n = s.Hands;
  const long long step = std::max(1LL, (n + kCurvePoints - 1) / kCurvePoints);
  std::vector<QPointF> curve;
  for (long long h = 0; h <= n; h += step)
    curve.emplace_back(static_cast<double>(h), s.RuinByHand[static_cast<std::size_t>(h)]);
  if (curve.back().x() != static_cast<double>(n))
    curve.emplace_back(static_cast<double>(n), s.RuinByHand[static_cast<std::size_t>(n)]);
  std::vector<TPlotRow> rows;
  for (int k = 1; k <= kCurveRows; ++k) {
    const long long h = std::max(1LL, n * k / kCurveRows);
    if (!rows.empty() && rows.back().From == static_cast<double>(h)) continue;
    const double chance = s.RuinByHand[static_cast<std::size_t>(h)];
    rows.push_back({static_cast<double>(h), static_cast<double>(h),
                    tr("After %n hands: %1 chance of ruin", nullptr, static_cast<int>(h))
                        .arg(Chance(chance))});
  }
  RuinPlot->SetTitles(tr("Chance of ruin against hands played"), tr("Hands played"), false);
  RuinPlot->SetCurve(std::move(curve));
  RuinPlot->SetRows(std::move(rows));

  // The results in bars of a round width over all but the outer 0.2 % of the sessions that
  // kept a bet; those fall in the end bars. The ruined sessions have a bar of their own.
  const long long ruinAt = -s.Bankroll;
  std::vector<double> chances = s.ResultChances;
  const long long lowest = s.LowestResult;
  if (ruinAt >= lowest && ruinAt < lowest + static_cast<long long>(chances.size()))
    chances[static_cast<std::size_t>(ruinAt - lowest)] = 0;
  double kept = s.AboveChance;
  for (const double c : chances) kept += c;
  long long lo = lowest;
  long long hi = lowest + static_cast<long long>(chances.size()) - 1;
  double sum = 0;
  bool loFound = false;
  for (std::size_t i = 0; i < chances.size(); ++i) {
    sum += chances[i];
    const long long r = lowest + static_cast<long long>(i);
    if (!loFound && sum >= 0.002 * kept) {
      lo = r;
      loFound = true;
    }
    if (sum >= 0.998 * kept) {
      hi = r;
      break;
    }
  }
  const long long width =
      std::max(1LL, std::llround(NiceStep(static_cast<double>(hi - lo + 1) / kResultBars)));
  const auto binOf = [width](long long r) {
    return r >= 0 ? r / width : -((-r + width - 1) / width);
  };
  const long long firstBin = binOf(lo);
  const long long lastBin = binOf(hi);
  if (chances.empty()) {
    ResultPlot->SetMessage(QString());
    return;
  }
  std::vector<TPlotBar> bars;
  for (long long b = firstBin; b <= lastBin; ++b)
    bars.push_back({static_cast<double>(std::max(b * width, ruinAt + 1)),
                    static_cast<double>(b * width + width - 1), 0, false});
  for (std::size_t i = 0; i < chances.size(); ++i) {
    const long long r = lowest + static_cast<long long>(i);
    const long long b = std::clamp(binOf(r), firstBin, lastBin);
    bars[static_cast<std::size_t>(b - firstBin)].Chance += chances[i];
  }
  bars.back().Chance += s.AboveChance;

  rows.clear();
  for (std::size_t i = 0; i < bars.size(); ++i) {
    const TPlotBar& bar = bars[i];
    const QString from = Signed(bar.From, 0);
    const QString to = Signed(bar.To, 0);
    QString text;
    if (bars.size() > 1 && i == 0)
      text = tr("%1 bets or less: %2").arg(to, Chance(bar.Chance));
    else if (bars.size() > 1 && i + 1 == bars.size())
      text = tr("%1 bets or more: %2").arg(from, Chance(bar.Chance));
    else if (bar.From == bar.To)
      text = tr("%1 bets: %2").arg(from, Chance(bar.Chance));
    else
      text = tr("%1 to %2 bets: %3").arg(from, to, Chance(bar.Chance));
    rows.push_back({bar.From, bar.To, text});
  }
  // Ruin is drawn when it is likely enough to see or close to the other results.
  if (s.Ruin >= 0.001 || ruinAt + 3 * width >= firstBin * width) {
    bars.insert(bars.begin(), {static_cast<double>(ruinAt - width + 1), static_cast<double>(ruinAt),
                               s.Ruin, true});
    rows.insert(rows.begin(), {static_cast<double>(ruinAt - width + 1), static_cast<double>(ruinAt),
                               tr("Ruined, the whole bankroll lost: %1").arg(Chance(s.Ruin))});
  }
  ResultPlot->SetTitles(tr("Chance of each result after %n hands", nullptr, static_cast<int>(n)),
                        tr("Result in bets"), true);
  ResultPlot->SetBars(std::move(bars));
  ResultPlot->SetRows(std::move(rows));
}
