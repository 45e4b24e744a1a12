// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#include "game_choice.h"

#include <QString>
#include <limits>

#include "settings_store.h"
#include "whole_number.h"

namespace {

const QString kGamesSection = QStringLiteral("Games");
const QString kCurrentKey = QStringLiteral("Current");
// More than any game has lines: a longer list is damage, not a table.
constexpr std::size_t kMostNumbers = 32;

bool IsPlainId(const std::string& id) {
  if (id.empty() || id.size() > 64) return false;
  for (const char c : id)
    if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')) return false;
  return true;
}

// Empty for a missing value and for one of a foreign type: neither is an id or a table.
std::string ReadText(const TSettingsStore& store, const QString& key) {
  try {
    return store.ReadTextValue(kGamesSection, key, QString()).toStdString();
  } catch (const ESettingsError&) {
    return {};
  }
}

std::optional<std::string> ReadCurrent(const TSettingsStore& store) {
  std::string id = ReadText(store, kCurrentKey);
  if (!IsPlainId(id)) return std::nullopt;
  return id;
}

std::optional<std::vector<std::int32_t>> ReadTable(const TSettingsStore& store,
                                                   const std::string& id) {
  if (!IsPlainId(id)) return std::nullopt;
  return ParseMultipliers(ReadText(store, QString::fromStdString(id)));
}

}  // namespace

std::string MultipliersText(const std::vector<std::int32_t>& multipliers) {
  std::string text;
  for (const std::int32_t m : multipliers) {
    if (!text.empty()) text += ' ';
    text += std::to_string(m);
  }
  return text;
}

std::optional<std::vector<std::int32_t>> ParseMultipliers(const std::string& text) {
  std::vector<std::int32_t> numbers;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] == ' ') {
      ++at;
      continue;
    }
    const std::size_t end = std::min(text.find(' ', at), text.size());
    const auto number = ParseSignedDecimal(std::string_view(text).substr(at, end - at), 0,
                                           std::numeric_limits<std::int32_t>::max());
    if (!number || numbers.size() == kMostNumbers) return std::nullopt;
    numbers.push_back(static_cast<std::int32_t>(*number));
    at = end;
  }
  if (numbers.empty()) return std::nullopt;
  return numbers;
}

std::optional<std::string> LoadCurrentGameId() {
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  auto id = ReadCurrent(store);
  store.CloseSettingsStore();
  return id;
}

std::optional<std::vector<std::int32_t>> LoadGameMultipliers(const std::string& id) {
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  auto table = ReadTable(store, id);
  store.CloseSettingsStore();
  return table;
}

void SaveGameChoice(const std::string& id, const std::vector<std::int32_t>& multipliers,
                    const std::string& jacksId) {
  TSettingsStore store = TSettingsStore::OpenSettingsStore();
  const auto current = ReadCurrent(store);
  // A player who never chose a game and still plays today's has nothing to store.
  if (current != id && !(!current && id == jacksId))
    store.WriteTextValue(kGamesSection, kCurrentKey, QString::fromStdString(id));
  if (id != jacksId && IsPlainId(id) && ReadTable(store, id) != multipliers)
    store.WriteTextValue(kGamesSection, QString::fromStdString(id),
                         QString::fromStdString(MultipliersText(multipliers)));
  store.CloseSettingsStore();
}

TGameTable StoredTableOf(const TGame& game) {
  if (const auto stored = LoadGameMultipliers(std::string(game.Id)))
    if (const auto table = TableFromMultipliers(game, *stored)) return *table;
  return DefaultTable(game);
}

std::optional<TGameTable> LoadChosenGame() {
  const auto id = LoadCurrentGameId();
  const TGame* game = id ? FindGame(*id) : nullptr;
  if (!game || game == &kJacksOrBetter) return std::nullopt;
  return StoredTableOf(*game);
}

void SaveChosenGame(const TGameTable& table) {
  const TGame& game = *table.Game;
  const std::vector<std::int32_t> lines(table.Multipliers.begin(),
                                        table.Multipliers.begin() + game.LineCount());
  SaveGameChoice(std::string(game.Id), lines, std::string(kJacksOrBetter.Id));
}
