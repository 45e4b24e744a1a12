// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "history_report.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>
#include <ostream>
#include <vector>

#include "printable_text.h"

namespace {

constexpr const char* kProgram = "lumaro-analyze";

QString FromView(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Padded(const QString& text, qsizetype width) {
  return text.leftJustified(width, QLatin1Char(' '));
}

QString PadLeft(const QString& text, qsizetype width) {
  return text.rightJustified(width, QLatin1Char(' '));
}

QJsonValue Json(std::int64_t count) {
  return QJsonValue(static_cast<qint64>(count));
}

std::ostream& operator<<(std::ostream& out, const QString& text) {
  return out << text.toStdString();
}

struct TSummary {
  THistoryTotals Totals;
  std::vector<THistorySession> Sessions;
  std::vector<THistorySituation> Situations;
  QString Note;
};

QString TotalsText(const THistoryTotals& t) {
  return QStringLiteral(
             "Played hands: %1 in %2, best play %3, cost %4 coins (%5 per "
             "100 hands)\nPractice hands: %6\n")
      .arg(t.Hands)
      .arg(CountText(t.Sessions, "session", "sessions"), BestRateText(t.BestRate()),
           CostText(t.Cost), CostText(t.CostPer100Hands()))
      .arg(t.PracticeHands);
}

void PrintText(const QString& filePath, const std::string& sinceText, const TGame* game,
               const TSummary& s, std::ostream& out) {
  out << "Hand history: " << ShownPath(filePath) << "\n";
  if (!s.Note.isEmpty()) out << "Note: " << s.Note << "\n";
  if (game) out << "Game: " << FromView(game->Name) << " (" << FromView(game->Id) << ")\n";
  if (!sinceText.empty()) out << "Sessions started on or after " << sinceText << " (local time)\n";
  out << "\n" << TotalsText(s.Totals) << "\n";

  out << "Sessions, newest first:\n";
  if (s.Sessions.empty())
    out << "  none\n";
  else
    out << "  " << Padded(QStringLiteral("Started"), 18) << Padded(QStringLiteral("Kind"), 9)
        << PadLeft(QStringLiteral("Hands"), 9) << PadLeft(QStringLiteral("Best play"), 11)
        << PadLeft(QStringLiteral("Cost/100"), 10) << "  Game\n";
  for (const THistorySession& session : s.Sessions)
    out << "  " << Padded(SessionStartText(session.Start), 18)
        << Padded(session.Practice ? QStringLiteral("practice") : QStringLiteral("played"), 9)
        << PadLeft(QString::number(session.Hands), 9)
        << PadLeft(BestRateText(session.BestRate()), 11)
        << PadLeft(CostText(session.CostPer100Hands()), 10) << "  "
        << RecordedGameName(session.Game) << "\n";

  out << "\nMost costly situations (played hands; held, best instead):\n";
  if (s.Situations.empty()) out << "  none\n";
  qsizetype named = 4;
  qsizetype held = 4;
  qsizetype best = 4;
  for (const THistorySituation& situation : s.Situations) {
    named = std::max(named, RecordedGameName(situation.Game).size());
    held = std::max(held, PatternText(situation.HeldPattern).size());
    best = std::max(best, PatternText(situation.BestPattern).size());
  }
  if (!s.Situations.empty())
    out << "  " << Padded(QStringLiteral("Game"), named + 2)
        << Padded(QStringLiteral("Held"), held + 2) << Padded(QStringLiteral("Best"), best + 2)
        << PadLeft(QStringLiteral("Count"), 7) << PadLeft(QStringLiteral("Cost"), 11)
        << PadLeft(QStringLiteral("Average"), 9) << "\n";
  for (const THistorySituation& situation : s.Situations)
    out << "  " << Padded(RecordedGameName(situation.Game), named + 2)
        << Padded(PatternText(situation.HeldPattern), held + 2)
        << Padded(PatternText(situation.BestPattern), best + 2)
        << PadLeft(QString::number(situation.Count), 7) << PadLeft(CostText(situation.Cost), 11)
        << PadLeft(CostText(situation.AverageCost()), 9) << "\n";
}

void PrintJson(const QString& filePath, const std::string& sinceText, const TGame* game,
               const TSummary& s, std::ostream& out) {
  const THistoryTotals& t = s.Totals;
  QJsonObject totals{{QStringLiteral("sessions"), Json(t.Sessions)},
                     {QStringLiteral("hands"), Json(t.Hands)},
                     {QStringLiteral("best_holds"), Json(t.BestHolds)},
                     {QStringLiteral("best_play_rate"), t.BestRate()},
                     {QStringLiteral("cost"), t.Cost},
                     {QStringLiteral("cost_per_100_hands"), t.CostPer100Hands()},
                     {QStringLiteral("practice_hands"), Json(t.PracticeHands)}};
  QJsonArray sessions;
  for (const THistorySession& session : s.Sessions)
    sessions.append(QJsonObject{{QStringLiteral("start"), Json(session.Start)},
                                {QStringLiteral("start_local"), SessionStartText(session.Start)},
                                {QStringLiteral("last_hand"), Json(session.LastTime)},
                                {QStringLiteral("practice"), session.Practice},
                                {QStringLiteral("game"), QString::fromStdString(session.Game)},
                                {QStringLiteral("game_name"), RecordedGameName(session.Game)},
                                {QStringLiteral("hands"), Json(session.Hands)},
                                {QStringLiteral("best_holds"), Json(session.BestHolds)},
                                {QStringLiteral("best_play_rate"), session.BestRate()},
                                {QStringLiteral("cost"), session.Cost},
                                {QStringLiteral("cost_per_100_hands"), session.CostPer100Hands()}});
  QJsonArray situations;
  for (const THistorySituation& situation : s.Situations)
    situations.append(
        QJsonObject{{QStringLiteral("game"), QString::fromStdString(situation.Game)},
                    {QStringLiteral("game_name"), RecordedGameName(situation.Game)},
                    {QStringLiteral("held"), QString::fromStdString(situation.HeldPattern)},
                    {QStringLiteral("best"), QString::fromStdString(situation.BestPattern)},
                    {QStringLiteral("count"), Json(situation.Count)},
                    {QStringLiteral("cost"), situation.Cost},
                    {QStringLiteral("average_cost"), situation.AverageCost()}});
  const QJsonObject document{
      {QStringLiteral("file"), QDir::toNativeSeparators(filePath)},
      {QStringLiteral("since"),
       sinceText.empty() ? QJsonValue() : QJsonValue(QString::fromStdString(sinceText))},
      {QStringLiteral("note"), s.Note.isEmpty() ? QJsonValue() : QJsonValue(s.Note)},
      {QStringLiteral("game"), game ? QJsonValue(FromView(game->Id)) : QJsonValue()},
      {QStringLiteral("totals"), totals},
      {QStringLiteral("sessions"), sessions},
      {QStringLiteral("costly_situations"), situations}};
  out << QJsonDocument(document).toJson(QJsonDocument::Indented).toStdString();
}

}  // namespace

QString SessionStartText(std::int64_t seconds) {
  return QDateTime::fromSecsSinceEpoch(seconds).toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString BestRateText(double rate) {
  return QString::number(rate * 100.0, 'f', 1) + QStringLiteral(" %");
}

QString CostText(double coins) {
  return QString::number(coins, 'f', 2);
}

QString CountText(std::int64_t count, const char* one, const char* many) {
  return QString::number(count) + QLatin1Char(' ') + QString::fromLatin1(count == 1 ? one : many);
}

QString PatternText(const std::string& pattern) {
  // A kind of hold the game found no words for.
  return pattern.empty() ? QCoreApplication::translate("THistoryPage", "unnamed")
                         : QString::fromStdString(pattern);
}

QString RecordedGameName(const std::string& id) {
  const TGame* game = FindGame(id);
  return game ? FromView(game->Name) : QString::fromStdString(PrintableText(id));
}

int PrintHistorySummary(const QString& filePath, std::optional<std::int64_t> since,
                        const std::string& sinceText, bool json, std::ostream& out,
                        std::ostream& err, const TGame* game) {
  THandHistory history(THandHistory::omReadOnly, filePath);
  if (history.State() == THistoryState::Unavailable) {
    err << kProgram << ": the hand history " << ShownPath(filePath)
        << " can't be read: " << history.Problem() << "\n";
    return 1;
  }
  TSummary summary;
  if (history.State() == THistoryState::Missing)
    summary.Note = QStringLiteral(
        "no hands recorded yet: the game makes this file when it "
        "records its first hand");
  const std::int64_t from = since.value_or(0);
  summary.Totals = history.Totals(from, game);
  summary.Sessions = history.Sessions(from, -1, game);
  summary.Situations = history.CostlySituations(from, 10, game);
  if (const std::optional<QString> report = history.TakeReport()) {
    err << kProgram << ": " << *report << "\n";
    return 1;
  }
  if (json)
    PrintJson(filePath, sinceText, game, summary, out);
  else
    PrintText(filePath, sinceText, game, summary, out);
  return 0;
}
