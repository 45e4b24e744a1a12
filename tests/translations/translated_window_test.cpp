// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
// The game built in every language, offscreen, with the translations the build made: the
// engine's texts say in English exactly what the engine composes; each language's file loads
// and is used; no menu has two items on one accelerator; and every caption of the window and
// its dialogs, the strategy advisor's pages (docked beside the game, or one of the window's two
// pages where they don't fit side by side), the menu bar and every text the engine can show,
// fits its control at 640 x 480 and at 1920 x 1080, or is at least no wider than the English it
// stands for. The walk covers whatever widgets the windows hold, so texts added later are
// measured as well.
#include <QAbstractButton>
#include <QCheckBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QStyle>
#include <QTabBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <algorithm>
#include <map>
#include <memory>
#include <span>

#include "AdvicePage.h"
#include "AdviceTexts.h"
#include "Advisor.h"
#include "CustomPanel.h"
#include "GameWindow.h"
#include "HelpViewer.h"
#include "MessageBoxes.h"
#include "PatternTexts.h"
#include "PayoutsDialog.h"
#include "Scaling.h"
#include "StringGrid.h"
#include "Translations.h"
#include "ViewTexts.h"
#include "game.h"
#include "game_table.h"
#include "strategy_report.h"

namespace {

const QString kFolder = QStringLiteral(LUMARO_TRANSLATIONS_DIR);

QStringList Languages() {
  return QStringLiteral(LUMARO_LANGUAGES).split(QLatin1Char(','));
}

QString Plain(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return text;
}

// The letter after a single "&", lower-cased; none when the text has no accelerator.
QChar Accelerator(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] == QLatin1Char('&')) {
      ++i;
      continue;
    }
    return text[i + 1].toLower();
  }
  return {};
}

// What a control's text needs, and the room it has, in one direction.
struct TNeed {
  QString Text;
  int Needed = 0;
  int Room = 0;
  bool Height = false;  // a word-wrapped text: heights, not widths
  double Points = 0;    // the font it is drawn in, which a caption may have shrunk to fit
};

int PanelRoom(const TCustomPanel* panel) {
  // Border, then up to two bevels on each side.
  return panel->width() - 2 * (panel->BorderWidth() + 2 * panel->BevelWidth());
}

// The texts of one widget the player reads, with what they need.
std::vector<TNeed> Needs(const QWidget* w) {
  std::vector<TNeed> needs;
  const QFontMetrics metrics = w->fontMetrics();
  const double points = w->font().pointSizeF();
  if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty()) {
    if (label->wordWrap())
      needs.push_back(
          {label->text(), label->heightForWidth(label->width()), label->height(), true, points});
    else
      needs.push_back({label->text(), label->sizeHint().width(), label->width(), false, points});
  } else if (qobject_cast<const QRadioButton*>(w) || qobject_cast<const QCheckBox*>(w)) {
    const auto* button = static_cast<const QAbstractButton*>(w);
    if (!button->text().isEmpty())
      needs.push_back({button->text(), button->sizeHint().width(), button->width(), false, points});
  } else if (const auto* button = qobject_cast<const QAbstractButton*>(w);
             button && !button->text().isEmpty()) {
    // The text and a little room for the bevel; the style's own minimum width is no need.
    const int frame = w->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, w);
    needs.push_back({button->text(),
                     metrics.horizontalAdvance(Plain(button->text())) + 2 * frame + 2,
                     button->width(), false, points});
  } else if (const auto* group = qobject_cast<const QGroupBox*>(w);
             group && !group->title().isEmpty()) {
    needs.push_back({group->title(), metrics.horizontalAdvance(Plain(group->title())) + 16,
                     group->width(), false, points});
  } else if (const auto* panel = qobject_cast<const TCustomPanel*>(w);
             panel && !panel->Caption().trimmed().isEmpty()) {
    needs.push_back({panel->Caption(), metrics.horizontalAdvance(panel->Caption()),
                     PanelRoom(panel), false, points});
  } else if (const auto* bar = qobject_cast<const QMenuBar*>(w)) {
    // Every title in the bar, with the page switch in its corner: none pushed into the
    // overflow menu.
    QStringList titles;
    for (const QAction* action : bar->actions()) titles << action->text();
    needs.push_back({titles.join(QLatin1Char(' ')), bar->sizeHint().width(), bar->window()->width(),
                     false, points});
  } else if (const auto* tabs = qobject_cast<const QTabBar*>(w); tabs && tabs->count() > 0) {
    // All tabs whole, without scroll buttons.
    QStringList titles;
    for (int i = 0; i < tabs->count(); ++i) titles << tabs->tabText(i);
    needs.push_back(
        {titles.join(QLatin1Char(' ')), tabs->sizeHint().width(), tabs->width(), false, points});
  } else if (const auto* dock = qobject_cast<const QDockWidget*>(w);
             dock && !dock->windowTitle().isEmpty()) {
    // The title beside the dock's float and close buttons.
    const int button =
        w->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, w) +
        2 * w->style()->pixelMetric(QStyle::PM_DockWidgetTitleBarButtonMargin, nullptr, w);
    needs.push_back({dock->windowTitle(),
                     metrics.horizontalAdvance(dock->windowTitle()) + 2 * button + 8, dock->width(),
                     false, points});
  } else if (const auto* grid = qobject_cast<const TStringGrid*>(w)) {
    for (int c = 0; c < grid->ColCount(); ++c)
      for (int r = 0; r < grid->RowCount(); ++r)
        if (!grid->Cell(c, r).isEmpty())
          needs.push_back({grid->Cell(c, r), metrics.horizontalAdvance(grid->Cell(c, r)) + 4,
                           grid->DefaultColWidth(), false, points});
  }
  return needs;
}

// The windows of the game as a player meets them, built in the language installed now.
struct TWindows {
  std::unique_ptr<TGameWindow> Game;
  std::unique_ptr<TPayoutsDialog> Payouts;
  std::unique_ptr<THelpViewer> Help;
  // A second game window with the strategy advisor open and each of its pages made.
  std::unique_ptr<TGameWindow> Advised;

  explicit TWindows(const QSize& screen) {
    Game = std::make_unique<TGameWindow>(screen, [] { return TTimeOfDay{0, 0, 0, 0}; });
    Payouts = std::make_unique<TPayoutsDialog>(Game->Engine(), Game->SoundSlots(), nullptr, screen);
    Help = std::make_unique<THelpViewer>(screen);
    Help->ShowContext(QString(), 1);  // the viewer's own text: the file is not found
    Help->hide();
    // A hand settled, so the grid, the panels and the messages hold texts.
    Game->DealClick();
    Game->DrawClick();
    Game->StatsButtonClick();
    // Shown, as the player sees it: the dock and the pages are laid out only in a shown window.
    Advised = std::make_unique<TGameWindow>(screen, [] { return TTimeOfDay{0, 0, 0, 0}; });
    Advised->show();
    LayOut(Advised.get());
    Advised->StrategyAdvisorClick();
    Advised->DealClick();
    TAdvisor* advisor = Advised->Advisor();
    for (int page = advisor->PageTabs->count() - 1; page >= 0; --page)
      advisor->PageTabs->setCurrentIndex(page);
    // The advice page's texts at their widest: every hold listed, practice and its warning on.
    advisor->Advice->ShowAll->setChecked(true);
    advisor->Advice->Practice->setChecked(true);
    advisor->Advice->WarnBeforeDraw->setChecked(true);
    LayOut(Advised.get());
    // Each page laid out in the room the advisor gives it, shown or not, so its texts are
    // measured where they would stand.
    for (int page = 0; page < advisor->Pages->count(); ++page) {
      QWidget* shown = advisor->Pages->widget(page);
      shown->setGeometry(advisor->Pages->contentsRect());
      LayOut(shown);
    }
  }

  // The layouts' pending work done now, and only that: no queued result of the advisor's
  // workers is taken in, so both languages measure the same state.
  static void LayOut(QWidget* root) {
    for (int pass = 0; pass < 2; ++pass) {
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
      if (QLayout* layout = root->layout()) layout->activate();
      for (QWidget* w : root->findChildren<QWidget*>())
        if (QLayout* layout = w->layout()) layout->activate();
    }
  }
  std::vector<QWidget*> Roots() const {
    return {Game.get(), Payouts.get(), Help.get(), Advised.get()};
  }
};

// In a shown window, hidden by it, not only as a page of the advisor not chosen now (whose
// texts count: the player chooses it with a click). The windows never shown are measured whole.
bool Hidden(const QWidget* w) {
  if (!w->window()->isVisible()) return false;
  for (const QWidget* p = w; p && !p->isWindow(); p = p->parentWidget())
    if (p->isHidden() && !qobject_cast<const QStackedWidget*>(p->parentWidget())) return true;
  return false;
}

QString Where(const QWidget* w) {
  QStringList path;
  for (const QWidget* p = w; p; p = p->parentWidget())
    path.prepend(p->objectName().isEmpty() ? QString::fromLatin1(p->metaObject()->className())
                                           : p->objectName());
  return path.join(QLatin1Char('/'));
}

// Each sentence the engine can show, with numbers as wide as a long game makes them, and the
// panel of the game window that shows it.
struct TShownSentence {
  TWording Wording;
  TCustomPanel* TGameWindow::*Panel;
};

std::vector<TShownSentence> EngineTexts() {
  std::vector<TShownSentence> texts;
  const auto add = [&texts](TWording wording, TCustomPanel* TGameWindow::*panel) {
    texts.push_back({std::move(wording), panel});
  };
  for (int id = 0; id < kSentenceCount; ++id) {
    const auto sentence = static_cast<TSentenceId>(id);
    const TSentence wide{sentence, {1000, 1000000, 0}, 1000};
    if (sentence >= snNoPair && sentence <= snRoyalFlush)
      add({wide}, &TGameWindow::HandPanel);
    else if ((sentence >= snLost && sentence <= snBonus) ||
             (sentence >= snPracticeCost && sentence <= snSummary))
      add({wide}, &TGameWindow::MoneyMessagePanel);
    else if (sentence == snPracticeHand)
      add({wide}, &TGameWindow::SecondMessagePanel);
  }
  // The high hands line with every hand come up, with and without two pair.
  TPlayStats stats;
  stats.CategoryCount.fill(12);
  add(stats.HighHandsWording(), &TGameWindow::SecondMessagePanel);
  stats.CategoryCount[hcTwoPair] = 0;
  add(stats.HighHandsWording(), &TGameWindow::SecondMessagePanel);
  // Every game's hands after the draw, each named by its pay line.
  for (const TGame* game : kGames)
    for (int o = 0; o < game->OutcomeCount(); ++o)
      add({OutcomeSaying(*game, o)}, &TGameWindow::HandPanel);
  return texts;
}

}  // namespace

class TTranslatedWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir FHome;
  QFont FDesignFont;

 private slots:
  void initTestCase() {
    qputenv("XDG_CONFIG_HOME", FHome.path().toUtf8());
    qputenv("XDG_DATA_HOME", FHome.path().toUtf8());
    SetMessageHook([](QMessageBox::Icon, const QString&, const QString&) {});
    // As the program starts: one face for everything, scaled with the screen.
    FDesignFont = QFont(QStringLiteral("Liberation Sans"), QApplication::font().pointSize());
    FDesignFont.setStyleHint(QFont::SansSerif);
  }
  void cleanupTestCase() {
    SetMessageHook(nullptr);
    ScaleApplication(FDesignFont, QSize(640, 480));
  }

  void englishIsWhatTheEngineComposes() {
    for (int id = 0; id < kSentenceCount; ++id)
      for (const std::int64_t n : {std::int64_t{0}, std::int64_t{-2}, std::int64_t{2147483648}}) {
        const TSentence sentence{static_cast<TSentenceId>(id), {n, n + 7, n - 3}, n + 1};
        QCOMPARE(ShownText(sentence), QString::fromStdString(EnglishText(sentence)));
      }
    for (int c = 0; c < kHandCategoryCount; ++c)
      QCOMPARE(GridHeading(c),
               QString::fromUtf8(kGridHeadings[static_cast<std::size_t>(c)].data()));
    // Every game's names, said after the draw and in the high hands line, are the engine's.
    for (const TGame* game : kGames) {
      for (int o = 0; o < game->OutcomeCount(); ++o) {
        const TWording said{OutcomeSaying(*game, o)};
        QCOMPARE(ShownText(said), QString::fromStdString(EnglishText(said)));
      }
      TPlayStats stats;
      stats.CategoryCount.fill(3);
      QCOMPARE(ShownText(stats.HighHandsWording(*game)),
               QString::fromStdString(EnglishText(stats.HighHandsWording(*game))));
    }
  }

  // Each game's name, its pay lines' names and its statistics headings are given to the
  // translators: a game added without them would show English in every language.
  void everyGamesNamesAreTranslated() {
    const auto marked = [](std::span<const char* const> texts, std::string_view text) {
      return std::any_of(texts.begin(), texts.end(),
                         [text](const char* t) { return std::string_view(t) == text; });
    };
    for (const TGame* game : kGames) {
      QVERIFY2(marked(TranslatedNames(), game->Name), game->Name.data());
      for (int k = 0; k < game->LineCount(); ++k)
        QVERIFY2(marked(TranslatedNames(), game->LineName(k)), game->LineName(k).data());
      for (int c = 0; c < game->ColumnCount(); ++c) {
        const std::string_view heading = ColumnHeading(*game, c);
        QVERIFY2(marked(TranslatedHeadings(), heading) ||
                     std::find(kGridHeadings.begin(), kGridHeadings.end(), heading) !=
                         kGridHeadings.end(),
                 heading.data());
      }
    }
    for (const QString& language : Languages()) {
      const TInstalledLanguage installed(language, kFolder);
      QVERIFY2(ShownTerm(kDeucesWild.LineName(9)) != QStringLiteral("Natural Royal Flush"),
               qPrintable(language));
      QVERIFY2(ShownHeading(ColumnHeading(kDeucesWild, 0)) != QStringLiteral("No Win"),
               qPrintable(language));
    }
  }

  // The advisor's sentences, said by the window from the advice's numbers, are in English the
  // analysis's own, for a best hold and for a costly one.
  void englishAdviceIsTheAnalysis() {
    THandAdvice advice;
    advice.Cards = {11, 24, 37, 50, 10};  // J♠ J♥ J♣ J♦ 10♠
    advice.Bet = 25;
    for (int k = 0; k < 32; ++k) {
      advice.Holds[static_cast<std::size_t>(k)].Mask = static_cast<std::uint8_t>(31 - k);
      advice.Holds[static_cast<std::size_t>(k)].Draws = 7;
      advice.Holds[static_cast<std::size_t>(k)].PaySum = 200 - 3 * k;
    }
    TAdvisorSession session;
    QCOMPARE(SessionReturnShown(session), QString::fromStdString(session.ReturnText()));
    for (const std::uint8_t held : {std::uint8_t{31}, std::uint8_t{0}, std::uint8_t{6}}) {
      QCOMPARE(HeldCardsShown(advice.Cards, held),
               QString::fromStdString(HeldCardsText(advice.Cards, held)));
      QCOMPARE(CurrentHoldShown(advice, held),
               QString::fromStdString(CurrentHoldText(advice, held)));
      QCOMPARE(VerdictShown(advice, held), QString::fromStdString(VerdictText(advice, held)));
      QCOMPARE(DrawWarningShown(advice, held),
               QString::fromStdString(DrawWarningText(advice, held)));
      session.AddHand(advice, held, 995);
    }
    QCOMPARE(DealtHandShown(advice), QString::fromStdString(DealtHandText(advice)));
    QCOMPARE(ReturnLineShown("92.70"), QString::fromStdString(ReturnLineText("92.70")));
    QCOMPARE(ReturnComputingShown(), QString::fromLatin1(kReturnComputingText));
    QCOMPARE(SessionHandsShown(session), QString::fromStdString(session.HandsText()));
    QCOMPARE(SessionBestHoldsShown(session), QString::fromStdString(session.BestHoldsText()));
    QCOMPARE(SessionCostShown(session), QString::fromStdString(session.CostText()));
    QCOMPARE(SessionReturnShown(session), QString::fromStdString(session.ReturnText()));
  }

  // The window names holds from their patterns as the analysis does, word for word: every
  // pattern, every group of leaves a chart line can name, and the notes on a family's order.
  void englishHoldNamesAreTheAnalysis() {
    TStrategyChart chart;
    for (int id = 0; id < PatternCount(); ++id) {
      const auto pattern = static_cast<TPatternId>(id);
      QCOMPARE(ShownPatternName(pattern), QString::fromStdString(PatternName(pattern)));
      QCOMPARE(ShownStoredPattern(PatternName(pattern)),
               QString::fromStdString(PatternName(pattern)));
      if (!IsFamily(pattern)) continue;
      const std::vector<TPatternId> leaves = LeavesOf(pattern);
      const std::uint32_t groups = std::min<std::uint32_t>(1u << leaves.size(), 1u << 12);
      for (std::uint32_t mask = 1; mask < groups; ++mask) {
        std::vector<TPatternId> group;
        for (std::size_t i = 0; i < leaves.size(); ++i)
          if (mask & (1u << i)) group.push_back(leaves[i]);
        QCOMPARE(ShownGroupName(group), QString::fromStdString(GroupName(group)));
      }
      TChartLine line;
      line.Leaves = leaves;
      line.Text = GroupName(leaves);
      line.OrderMatters = true;
      chart.Lines.push_back(line);
    }
    QStringList notes;
    for (const std::string& note : FamilyOrderNotes(chart)) notes << QString::fromStdString(note);
    QCOMPARE(ShownFamilyOrderNotes(chart), notes);
    QCOMPARE(ShownStoredPattern({}), QStringLiteral("unnamed"));
    // A hold whatever its penalty cards, as a mistake stores it.
    QCOMPARE(ShownStoredPattern("Q J suited"), QStringLiteral("Q J suited"));
  }

  // The same for every game's own words: the wild-card games' and the bonus games'.
  void everyGamesHoldNamesAreTheAnalysis() {
    for (const TGame* game : kGames) {
      const THoldWords& words = HoldWordsOf(*game);
      TStrategyChart chart;
      chart.Words = &words;
      for (int id = 0; id < words.PatternCount(); ++id) {
        const auto pattern = static_cast<TPatternId>(id);
        const QString english = QString::fromStdString(words.PatternName(pattern));
        QCOMPARE(ShownPatternName(words, pattern), english);
        // A family of no leaves has no name to show or store.
        if (english.isEmpty()) continue;
        QCOMPARE(ShownStoredPattern(words.PatternName(pattern)), english);
        if (!words.IsFamily(pattern)) continue;
        const std::vector<TPatternId> leaves = words.LeavesOf(pattern);
        const std::uint32_t groups = std::min<std::uint32_t>(1u << leaves.size(), 1u << 10);
        for (std::uint32_t mask = 1; mask < groups; ++mask) {
          std::vector<TPatternId> group;
          for (std::size_t i = 0; i < leaves.size(); ++i)
            if (mask & (1u << i)) group.push_back(leaves[i]);
          QCOMPARE(ShownGroupName(words, group), QString::fromStdString(words.GroupName(group)));
        }
        // A family but one or two of its leaves, which a line may name by those left out.
        for (std::size_t i = 0; i < leaves.size(); ++i)
          for (std::size_t j = i; j < leaves.size(); ++j) {
            std::vector<TPatternId> group;
            for (std::size_t k = 0; k < leaves.size(); ++k)
              if (k != i && k != j) group.push_back(leaves[k]);
            if (group.empty()) continue;
            QCOMPARE(ShownGroupName(words, group), QString::fromStdString(words.GroupName(group)));
          }
        TChartLine line;
        line.Leaves = leaves;
        line.Text = words.PatternName(pattern);
        line.OrderMatters = true;
        chart.Lines.push_back(line);
      }
      QStringList notes;
      for (const std::string& note : FamilyOrderNotes(chart)) notes << QString::fromStdString(note);
      QCOMPARE(ShownFamilyOrderNotes(chart), notes);
    }
  }

  // In German every name of every game's words is put together from translated pieces: none
  // falls back to the English whole, which a piece without a translation would make it.
  void everyGamesHoldNamesAreTranslated() {
    const TInstalledLanguage installed(QStringLiteral("de"), kFolder);
    QVERIFY(installed.Installed());
    for (const TGame* game : kGames) {
      const THoldWords& words = HoldWordsOf(*game);
      for (int id = 0; id < words.PatternCount(); ++id) {
        const auto pattern = static_cast<TPatternId>(id);
        const std::string english = words.PatternName(pattern);
        if (english.empty()) continue;
        QVERIFY2(ShownPatternName(words, pattern) != QString::fromStdString(english),
                 (std::string(game->Name) + ": " + english).c_str());
      }
    }
    // A name no translation knows a piece of is shown as the analysis writes it.
    QCOMPARE(ShownStoredPattern("two deuces: a hold no chart names yet"),
             QStringLiteral("two deuces: a hold no chart names yet"));
  }

  void eachLanguageLoadsAndIsUsed() {
    for (const QString& language : Languages()) {
      const TInstalledLanguage installed(language, kFolder);
      QVERIFY2(installed.Installed(), qPrintable(language));
      // The engine's texts are found in the context the window asks in, and so are the dialogs'.
      const TSentence lost{snLost, {995}};
      QVERIFY2(ShownText(lost) != QString::fromStdString(EnglishText(lost)), qPrintable(language));
      QVERIFY2(ShownText(lost).contains(QStringLiteral("995")), qPrintable(language));
      TGameEngine engine;
      TSoundSlots sounds;
      const TPayoutsDialog dialog(engine, sounds);
      QVERIFY2(dialog.windowTitle() != QStringLiteral("Set Winning Payouts and Sounds"),
               qPrintable(language));
    }
    QVERIFY(!TInstalledLanguage(QStringLiteral("xx"), kFolder).Installed());
    QCOMPARE(ShownText(TSentence{snLost, {995}}), QStringLiteral("You Lost Total is now 995"));
  }

  void noMenuSharesAnAccelerator() {
    for (const QString& language : QStringList{QString()} + Languages()) {
      const TInstalledLanguage installed(language, kFolder);
      TWindows windows(QSize(640, 480));
      for (QWidget* root : windows.Roots()) {
        // The menu bar's titles open by Alt and their accelerator, or their first letter when
        // they have none (the game's keys do so).
        for (const QMenuBar* bar : root->findChildren<QMenuBar*>()) {
          std::map<QChar, QString> keys;
          for (const QAction* action : bar->actions()) {
            const QString title = action->text();
            QChar key = Accelerator(title);
            if (key.isNull() && !title.isEmpty()) key = title[0].toLower();
            QVERIFY2(keys.emplace(key, title).second,
                     qPrintable(language + QStringLiteral(": menu titles ") + keys[key] +
                                QStringLiteral(" and ") + title));
          }
        }
        for (const QMenu* menu : root->findChildren<QMenu*>()) {
          std::map<QChar, QString> keys;
          for (const QAction* action : menu->actions()) {
            const QChar key = Accelerator(action->text());
            if (key.isNull()) continue;
            QVERIFY2(keys.emplace(key, action->text()).second,
                     qPrintable(language + QStringLiteral(": in ") + menu->title() +
                                QStringLiteral(", ") + keys[key] + QStringLiteral(" and ") +
                                action->text()));
          }
        }
        // Nor do two buttons or labels of one window.
        std::map<QChar, QString> keys;
        for (const QWidget* w : root->findChildren<QWidget*>()) {
          if (w->window() != root) continue;
          QString text;
          if (const auto* button = qobject_cast<const QAbstractButton*>(w)) text = button->text();
          if (const auto* label = qobject_cast<const QLabel*>(w)) text = label->text();
          const QChar key = Accelerator(text);
          if (key.isNull()) continue;
          QVERIFY2(keys.emplace(key, text).second,
                   qPrintable(language + QStringLiteral(": ") + Where(w) + QStringLiteral(" ") +
                              keys[key] + QStringLiteral(" and ") + text));
        }
      }
    }
  }

  void everyCaptionFitsItsControl_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QSize>("screen");
    for (const QString& language : Languages())
      for (const QSize screen : {QSize(640, 480), QSize(1920, 1080)})
        QTest::newRow(qPrintable(
            QStringLiteral("%1 %2x%3").arg(language).arg(screen.width()).arg(screen.height())))
            << language << screen;
  }
  void everyCaptionFitsItsControl() {
    QFETCH(QString, language);
    QFETCH(QSize, screen);
    ScaleApplication(FDesignFont, screen);
    const TWindows english(screen);
    const TInstalledLanguage installed(language, kFolder);
    const TWindows translated(screen);
    QStringList problems;
    const auto englishRoots = english.Roots();
    const auto translatedRoots = translated.Roots();
    for (std::size_t r = 0; r < englishRoots.size(); ++r) {
      const QList<QWidget*> en = englishRoots[r]->findChildren<QWidget*>();
      const QList<QWidget*> xx = translatedRoots[r]->findChildren<QWidget*>();
      QCOMPARE(xx.size(), en.size());
      for (qsizetype i = 0; i < en.size(); ++i) {
        QCOMPARE(xx[i]->metaObject()->className(), en[i]->metaObject()->className());
        if (Hidden(xx[i])) continue;
        const std::vector<TNeed> enNeeds = Needs(en[i]);
        const std::vector<TNeed> xxNeeds = Needs(xx[i]);
        if (enNeeds.size() != xxNeeds.size()) continue;  // a text only one language shows
        for (std::size_t k = 0; k < xxNeeds.size(); ++k) {
          const TNeed& a = enNeeds[k];
          const TNeed& b = xxNeeds[k];
          if (a.Text == b.Text) continue;
          // Where the English itself overflows (a design's text), no wider than the English.
          if (b.Needed > std::max(b.Room, a.Needed))
            problems << QStringLiteral("%1: \"%2\" needs %3 of %4 %5 (the English \"%6\" %7)")
                            .arg(Where(xx[i]), b.Text)
                            .arg(b.Needed)
                            .arg(b.Room)
                            .arg(b.Height ? QStringLiteral("pixels high") : QStringLiteral("wide"),
                                 a.Text)
                            .arg(a.Needed);
          // Nor fitted only by a font shrunk more than the English one.
          if (b.Points + 0.5 < a.Points)
            problems << QStringLiteral("%1: \"%2\" shrunk to %3 points, the English to %4")
                            .arg(Where(xx[i]), b.Text)
                            .arg(b.Points)
                            .arg(a.Points);
        }
      }
    }
    // The engine's texts, each in the panel that shows it.
    for (const TShownSentence& text : EngineTexts()) {
      const TCustomPanel* panel = translated.Game.get()->*text.Panel;
      const QString shown = ShownText(text.Wording);
      const int needed = panel->fontMetrics().horizontalAdvance(shown);
      const int englishNeeded =
          panel->fontMetrics().horizontalAdvance(QString::fromStdString(EnglishText(text.Wording)));
      if (needed > std::max(PanelRoom(panel), englishNeeded))
        problems << QStringLiteral("%1: \"%2\" needs %3 of %4 (the English %5)")
                        .arg(Where(panel), shown)
                        .arg(needed)
                        .arg(PanelRoom(panel))
                        .arg(englishNeeded);
    }
    for (const TSentenceId caption : {snHoldDraw, snHoldHold, snHoldOver}) {
      const TCustomPanel* panel = translated.Game->HoldPanels[0];
      const QString shown = ShownText(TSentence{caption});
      QVERIFY2(panel->fontMetrics().horizontalAdvance(shown) <= PanelRoom(panel),
               qPrintable(shown));
    }
    // Every game's headings in the grid's columns, no wider than their English where that
    // is wider.
    for (const TGame* game : kGames)
      for (int c = 0; c < game->ColumnCount(); ++c) {
        const TStringGrid* grid = translated.Game->StatsGrid;
        const std::string_view heading = ColumnHeading(*game, c);
        const int needed = grid->fontMetrics().horizontalAdvance(ShownHeading(heading)) + 4;
        const int english =
            grid->fontMetrics().horizontalAdvance(QString::fromUtf8(heading.data())) + 4;
        if (needed > std::max(grid->DefaultColWidth(), english))
          problems << QStringLiteral("%1 grid heading \"%2\" needs %3")
                          .arg(QString::fromUtf8(game->Name.data()), ShownHeading(heading))
                          .arg(needed);
      }
    for (int c = 0; c < kHandCategoryCount; ++c) {
      const TStringGrid* grid = translated.Game->StatsGrid;
      const int needed = grid->fontMetrics().horizontalAdvance(GridHeading(c)) + 4;
      const int english =
          grid->fontMetrics().horizontalAdvance(QString::fromUtf8(kGridHeadings[c].data())) + 4;
      if (needed > std::max(grid->DefaultColWidth(), english))
        problems << QStringLiteral("grid heading \"%1\" needs %2").arg(GridHeading(c)).arg(needed);
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
  }
};

QTEST_MAIN(TTranslatedWindowTest)
#include "translated_window_test.moc"
