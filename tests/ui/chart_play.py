# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
"""The strategy advisor's Chart page in the real game window against lumaro-analyze: for five
dealt hands the line the page marks is the line `lumaro-analyze strategy --hand` names for
the same cards and pay table.

    chart_play.py LUMARO LUMARO_ANALYZE PAYTABLE [GAME NAME]

Run by accessible_play_test.sh (modes chart and chart-deuces) inside an X session with an
accessibility bus; the game's settings are in $XDG_CONFIG_HOME (the advisor stored open, the
pay table PAYTABLE, and for another game than Jacks or Better that game, id GAME, chosen with
its table). For another game the page's title names it, its first lines are the ones
lumaro-analyze prints for that game, and the chart is saved as a PDF through the page's
button and the file dialog (the marks of dealt hands are checked for Jacks or Better). The windows are read through AT-SPI; the Chart tab gets a real
click and the hands are dealt and drawn with Enter (xdotool). Every wait polls; none is a
fixed sleep.
"""

import json
import os
import re
import subprocess
import sys

import pyatspi

from accessible_play import (Game, act, check, click_page_tab, fresh, key, run_game, showing,
                             type_text, walk, wait_for)

HANDS = 5
# The lines read through the list and compared with the analyzer's, from the top.
FIRST_LINES = 6
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


def analyzer_chart(analyzer, paytable, chosen, cards=None):
    command = [analyzer, "strategy", "--paytable", paytable, "--json"]
    if chosen:
        command += ["--game", chosen[0]]
    if cards:
        command += ["--hand", " ".join(cards)]
    run = subprocess.run(command, capture_output=True, text=True, check=False)
    check(run.returncode == 0, "lumaro-analyze failed: " + run.stderr.strip())
    return json.loads(run.stdout)


def analyzer_line(analyzer, paytable, chosen, cards):
    doc = analyzer_chart(analyzer, paytable, chosen, cards)
    line = doc["hands"][0]["line"]
    return line, doc["lines"][line - 1]["pattern"]


def check_lines(page, analyzer, paytable, chosen):
    """The page's title names the game, and its first lines, as a screen reader reads them,
    are the analyzer's for the game and table."""
    game_id, name = chosen
    title = "%s: chart for %s" % (name, paytable)
    wait_for("the title %r" % title, lambda: page.label("^" + re.escape(title) + "$"))
    expected = [line["pattern"] for line in analyzer_chart(analyzer, paytable, chosen)["lines"]]
    rows = []
    for obj in walk(fresh(page.lines)):
        said = re.match(r"Line (\d+): (.*?)\. Example: ", plain(obj.name))
        if said:
            rows.append((int(said.group(1)), said.group(2)))
    rows.sort()
    check(len(rows) >= FIRST_LINES, "the list reads %d lines" % len(rows))
    for number, words in rows[:FIRST_LINES]:
        check(words == expected[number - 1],
              "line %d reads %r, lumaro-analyze --game %s prints %r" %
              (number, words, game_id, expected[number - 1]))
        print("line %d: %s" % (number, words))


def pdf_title(path):
    """The document's title as the PDF's information dictionary holds it."""
    with open(path, "rb") as pdf:
        data = pdf.read()
    check(data.startswith(b"%PDF-") and b"%%EOF" in data[-64:], "%s is no PDF file" % path)
    found = re.search(rb"/Title\s*(<[0-9A-Fa-f\s]*>|\((?:\\.|[^\\)])*\))", data)
    check(found is not None, "the PDF has no title")
    raw = found.group(1)
    if raw.startswith(b"<"):
        raw = bytes.fromhex(raw[1:-1].decode("ascii"))
    else:
        raw = re.sub(rb"\\(.)", rb"\1", raw[1:-1])
    if raw.startswith(b"\xfe\xff"):
        return raw[2:].decode("utf-16-be")
    return raw.decode("latin-1")


def save_pdf(game, page, name):
    """"Save as PDF..." pressed, a file name typed into the file dialog: the chart is written."""
    # The session's own folder, removed with it.
    path = os.path.join(os.getcwd(), "deuces-chart.pdf")
    button = next(o for o in walk(fresh(page.advisor)) if o.name == "Save as PDF\u2026")
    act(button, "Press")
    wait_for("the file dialog", lambda: game.find_window("Save the chart as PDF"))
    # The suggested name is selected in the dialog's file name field: typed over.
    key("ctrl+a")
    type_text(path)
    key("Return")
    wait_for("the PDF file", lambda: os.path.exists(path) and os.path.getsize(path) > 1000)
    wait_for("the PDF written whole", lambda: pdf_title(path) is not None)
    title = pdf_title(path)
    check(title == "Lumaro strategy chart for %s" % name, "the PDF's title is %r" % title)
    print("pdf: %s, %d bytes, titled %r" % (path, os.path.getsize(path), title))


def play_hands(game, analyzer, paytable, chosen):
    page = ChartPage(game)
    if chosen:
        # The chart of the game chosen, read and written; the marks are Jacks or Better's test.
        check_lines(page, analyzer, paytable, chosen)
        save_pdf(game, page, chosen[1])
        game.close()
        return
    for hand in range(HANDS):
        # Only the new deal's mark counts: the page must name these cards.
        game.keys("Return")
        dealt = game.wait_dealt()
        cards = [card_text(c) for c in dealt]
        number, words = wait_for("the marked line", lambda: page.marked(dealt))
        expected, pattern = analyzer_line(analyzer, paytable, chosen, cards)
        check(number == expected and words == pattern,
              "%s: the page marks line %d (%s), lumaro-analyze names line %d (%s)" %
              (" ".join(cards), number, words, expected, pattern))
        print("hand %d: %s: line %d, %s" % (hand + 1, " ".join(cards), number, words))
        game.keys("Return")
        game.wait_settled()
    game.close()


def main():
    program, analyzer, paytable = sys.argv[1:4]
    chosen = tuple(sys.argv[4:6]) if len(sys.argv) > 5 else None
    status = run_game(lambda: Game(program, None),
                      lambda game: play_hands(game, analyzer, paytable, chosen))
    if status == 0 and chosen:
        print("chart of %s: the page and lumaro-analyze agree, the PDF is written" % chosen[1])
    elif status == 0:
        print("chart: %d hands, the page and lumaro-analyze agree" % HANDS)
    return status


if __name__ == "__main__":
    sys.exit(main())
