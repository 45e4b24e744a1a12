// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Lumaro developers
#pragma once
// The advisor's sentences in the player's language. The analysis writes them in English for
// its command-line tool, whose output scripts read; the window says the same things from the
// same numbers through Qt's translations, in English word for word as the analysis does.

#include <QString>
#include <cstdint>
#include <string>

#include "advice.h"

// A card as the advisor writes it: "10♥", "A♠", the joker by its name.
QString CardSymbolShown(int code);
// The held cards as symbols, "7♣ 6♦ 5♠", or "nothing".
QString HeldCardsShown(const THandCards& cards, std::uint8_t mask);

QString ReturnComputingShown();
// "Return with best play: 92.70 %".
QString ReturnLineShown(const std::string& percent);
QString ReturnUnavailableShown(const QString& error);

QString CurrentHoldShown(const THandAdvice& advice, std::uint8_t heldMask);
QString VerdictShown(const THandAdvice& advice, std::uint8_t heldMask);
// The verdict on a mistake from its pieces, as VerdictText takes them.
QString VerdictShown(const QString& held, double heldCoins, const QString& best, double bestCoins,
                     double cost);
QString DealtHandShown(const THandAdvice& advice);
QString DrawWarningShown(const THandAdvice& advice, std::uint8_t heldMask);

// The session box's four lines.
QString SessionHandsShown(const TAdvisorSession& session);
QString SessionBestHoldsShown(const TAdvisorSession& session);
QString SessionCostShown(const TAdvisorSession& session);
QString SessionReturnShown(const TAdvisorSession& session);
