# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
"""The strategy advisor's Chart page in the real game window against lumaro-analyze: for five
dealt hands the line the page marks is the line `lumaro-analyze strategy --hand` names for
the same cards and pay table.

    chart_play.py LUMARO LUMARO_ANALYZE PAYTABLE

Run by accessible_play_test.sh (mode chart) inside an X session with an accessibility bus;
the game's settings are in $XDG_CONFIG_HOME (the advisor stored open, the pay table
PAYTABLE). The windows are read through AT-SPI; the Chart tab gets a real click and the hands
are dealt and drawn with Enter (xdotool). Every wait polls; none is a fixed sleep.
"""

import json
import re
import subprocess
import sys

import pyatspi

from accessible_play import (Game, check, click_page_tab, fresh, run_game, showing, walk,
                             wait_for)

HANDS = 5
RANKS = {"Ace": "A", "Jack": "J", "Queen": "Q", "King": "K"}
SUITS = {"Spades": "\u2660", "Hearts": "\u2665", "Clubs": "\u2663", "Diamonds": "\u2666"}


def plain(words):
    return " ".join((words or "").replace("\u00a0", " ").split())


def card_text(spoken):
    """"Queen of Hearts" as the analyzer reads cards: "QH"."""
    rank, _, suit = spoken.partition(" of ")
    return RANKS.get(rank, rank) + suit[0]


def card_symbols(spoken):
    """"Queen of Hearts" as the page writes it: "Q\u2665"."""
    rank, _, suit = spoken.partition(" of ")
    return RANKS.get(rank, rank) + SUITS[suit]


class ChartPage:
    def __init__(self, game):
        self.game = game
        self.advisor = wait_for("the advisor", game.find_advisor)
        click_page_tab(self.advisor, "Chart")
        # Built in the background once in sight: its return shows when it is there.
        self.returns = wait_for("the chart's return", lambda: self.label(r"^Chart: \d"))
        self.lines = wait_for("the chart's lines", lambda: next(
            (o for o in walk(fresh(self.advisor)) if o.name == "Chart lines" and showing(o)),
            None))

    def label(self, pattern):
        for obj in walk(fresh(self.advisor)):
            if obj.getRole() == pyatspi.ROLE_LABEL and re.search(pattern, plain(obj.name)):
                return obj
        return None

    def marked(self, dealt):
        """The line number the page marks for these cards, and its words, once shown."""
        cards = re.escape(" ".join(card_symbols(c) for c in dealt))
        hand = self.label(r"^Dealt %s: line \d+$" % cards)
        if hand is None:
            return None
        number = int(re.search(r"line (\d+)$", plain(hand.name)).group(1))
        said = re.match(r"Marked: line (\d+), (.*)$", plain(fresh(self.lines).description))
        check(said is not None and int(said.group(1)) == number,
              "the list says %r, the page %r" % (fresh(self.lines).description, hand.name))
        return number, said.group(2)


def analyzer_line(analyzer, paytable, cards):
    run = subprocess.run([analyzer, "strategy", "--paytable", paytable, "--json", "--hand",
                          " ".join(cards)], capture_output=True, text=True, check=False)
    check(run.returncode == 0, "lumaro-analyze failed: " + run.stderr.strip())
    doc = json.loads(run.stdout)
    line = doc["hands"][0]["line"]
    return line, doc["lines"][line - 1]["pattern"]


def play_hands(game, analyzer, paytable):
    page = ChartPage(game)
    for hand in range(HANDS):
        # Only the new deal's mark counts: the page must name these cards.
        game.keys("Return")
        dealt = game.wait_dealt()
        cards = [card_text(c) for c in dealt]
        number, words = wait_for("the marked line", lambda: page.marked(dealt))
        expected, pattern = analyzer_line(analyzer, paytable, cards)
        check(number == expected and words == pattern,
              "%s: the page marks line %d (%s), lumaro-analyze names line %d (%s)" %
              (" ".join(cards), number, words, expected, pattern))
        print("hand %d: %s: line %d, %s" % (hand + 1, " ".join(cards), number, words))
        game.keys("Return")
        game.wait_settled()
    game.close()


def main():
    program, analyzer, paytable = sys.argv[1:4]
    status = run_game(lambda: Game(program, None),
                      lambda game: play_hands(game, analyzer, paytable))
    if status == 0:
        print("chart: %d hands, the page and lumaro-analyze agree" % HANDS)
    return status


if __name__ == "__main__":
    sys.exit(main())
