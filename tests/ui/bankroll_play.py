# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
"""The strategy advisor's Bankroll page in the real game window, read as a screen reader
reads it, against lumaro-analyze: the chances it says for the player's total and for typed
hands are those `lumaro-analyze risk` counts, its plots read as lists of figures, and a bad
field's reason is heard with the field.

    bankroll_play.py LUMARO LUMARO_ANALYZE PAYTABLE BANKROLL

Run by accessible_play_test.sh (mode bankroll) inside an X session with an accessibility
bus; the game's settings are in $XDG_CONFIG_HOME (the advisor stored open, a total of
BANKROLL bets of the stored bet, the pay table PAYTABLE). The Bankroll tab gets a real click
and the hands are typed with xdotool. Every wait polls; none is a fixed sleep.
"""

import json
import re
import subprocess
import sys

import pyatspi

from accessible_play import (Game, check, click_page_tab, fresh, key, run_game, showing,
                             type_text, walk, wait_for)

RUIN_PLOT = "Chance of ruin against hands played"


def plain(words):
    return " ".join((words or "").replace("\u00a0", " ").split())


def percent(words):
    """The last per cent figure in the words, as a chance."""
    figures = re.findall(r"(\d+(?:\.\d+)?(?:e[-+]\d+)?)%", words)
    check(figures, "no per cent in %r" % words)
    return float(figures[-1]) / 100


class BankrollPage:
    def __init__(self, game):
        self.advisor = wait_for("the advisor", game.find_advisor)
        click_page_tab(self.advisor, "Bankroll")

    def find(self, role, pattern):
        for obj in walk(fresh(self.advisor)):
            if obj.getRole() == role and re.search(pattern, plain(obj.name)) and showing(obj):
                return obj
        return None

    def label(self, pattern):
        found = self.find(pyatspi.ROLE_LABEL, pattern)
        return plain(found.name) if found else None

    def figures(self, hands):
        """The chances the page says for this many hands, once counted."""
        after = r"after %d hands" % hands
        ruin = wait_for("the chance of ruin in %d hands" % hands,
                        lambda: self.label(r"^Losing the whole bankroll within %d hands: " % hands))
        return {"ruin": percent(ruin),
                "ahead": percent(self.label(r"^Ahead " + after)),
                "even": percent(self.label(r"^Even " + after)),
                "behind": percent(self.label(r"^Behind " + after))}

    def rows(self, name):
        plot = wait_for("the plot " + name, lambda: self.find(pyatspi.ROLE_LIST, "^" + name))
        return [plain(fresh(plot).getChildAtIndex(i).name) for i in range(plot.childCount)]

    def type_into(self, name, chars):
        field = wait_for("the field " + name, lambda: self.find(pyatspi.ROLE_TEXT, "^%s$" % name))
        field.queryComponent().grabFocus()
        wait_for(name + " to have the keyboard",
                 lambda: fresh(field).getState().contains(pyatspi.STATE_FOCUSED))
        key("ctrl+a")
        type_text(chars)
        return field


def analyzer(program, paytable, bankroll, hands):
    run = subprocess.run([program, "risk", "--paytable", paytable, "--bankroll", str(bankroll),
                          "--hands", str(hands), "--json"], capture_output=True, text=True,
                         check=False)
    check(run.returncode == 0, "lumaro-analyze failed: " + run.stderr.strip())
    return json.loads(run.stdout)


def agree(page, counted, hands):
    for name, chance in page.items():
        # The page writes three significant digits of the chance or of what it leaves.
        close = abs(chance - counted[name]) <= 0.006 * min(counted[name], 1 - counted[name]) + 1e-9
        check(close, "%d hands, %s: the page says %.6g, lumaro-analyze %.6g" %
              (hands, name, chance, counted[name]))


def read_page(game, program, paytable, bankroll):
    page = BankrollPage(game)
    # The player's total over the bet in force.
    wait_for("a bankroll of %d bets" % bankroll,
             lambda: page.label(r"^A bankroll of %d bets " % bankroll))
    for hands in (1000, 1600):
        if hands != 1000:
            page.type_into("Hands", str(hands))
        said = page.figures(hands)
        agree(said, analyzer(program, paytable, bankroll, hands), hands)
        print("%d bets, %d hands: %s" % (bankroll, hands, ", ".join(
            "%s %.4g%%" % (k, 100 * v) for k, v in said.items())))

    curve = page.rows(RUIN_PLOT)
    check(len(curve) == 10 and curve[-1].startswith("After 1600 hands: "),
          "the curve reads %r" % curve)
    check(abs(percent(curve[-1]) - said["ruin"]) < 1e-9, "the curve ends at %r" % curve[-1])
    bars = page.rows("Chance of each result after 1600 hands")
    check(bars[0].startswith("Ruined") and abs(percent(bars[0]) - said["ruin"]) < 1e-9,
          "the first bar reads %r" % bars[0])
    total = sum(percent(bar) for bar in bars)
    check(abs(total - 1) < 0.01, "the bars add up to %.4f: %r" % (total, bars))
    print("plots read: %s ... %s; %d bars, first %s" % (curve[0], curve[-1], len(bars), bars[0]))

    # A bad field: its reason beside it, and with it for the screen reader.
    field = page.type_into("Hands", "0")
    why = "The hands are a whole number, at least 1."
    wait_for("the reason beside Hands", lambda: page.label("^" + re.escape(why) + "$"))
    wait_for("the reason with Hands", lambda: fresh(field).description == why)
    print("hands 0: %r" % why)
    game.close()


def main():
    program, analyze, paytable, bankroll = sys.argv[1:5]
    status = run_game(lambda: Game(program, None),
                      lambda game: read_page(game, analyze, paytable, int(bankroll)))
    if status == 0:
        print("bankroll: the page and lumaro-analyze agree")
    return status


if __name__ == "__main__":
    sys.exit(main())
