# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
"""The strategy advisor as a trainer, in the real game window: practice hands played with
keys only, the draw warning answered both ways, a mistake replayed from the history page,
and the mistake found again in the history after the game is started anew.

    trainer_play.py LUMARO

Run by accessible_play_test.sh (mode trainer) inside an X session with an accessibility bus; the game's
settings are in $XDG_CONFIG_HOME (the advisor stored open, practice on) and its hand history
in $XDG_DATA_HOME. The windows are read through AT-SPI and played with xdotool: Enter deals
and draws, B holds the best hold, Alt+D and Alt+C answer the warning, and the history's
Replay button gets a real click. Every wait polls; none is a fixed sleep.
"""

import subprocess
import sys

import pyatspi

from accessible_play import (Failure, Game, check, fresh, has_state, key, read_ini, showing,
                             text, wait_for, walk, describe_windows)

WARNING_TITLE = "Lumaro"
PRACTICE_LINE = "Practice hand: no money moves"
RANKS = {"Ace": "A", "Jack": "J", "Queen": "Q", "King": "K"}
SUITS = {"Spades": "\u2660", "Hearts": "\u2665", "Clubs": "\u2663", "Diamonds": "\u2666"}


def symbols(spoken):
    """"Queen of Hearts, 2 of Diamonds" as the history writes the cards: "Q♥ 2♦"."""
    cards = []
    for name in spoken:
        rank, _, suit = name.partition(" of ")
        cards.append(RANKS.get(rank, rank) + SUITS[suit])
    return " ".join(cards)


def plain(words):
    return " ".join((words or "").replace("\u00a0", " ").split())


class Trainer:
    def __init__(self, program):
        self.game = Game(program, None)
        # Its announcements are the keyboard test's business; the warning's objects vanish
        # while they are reported, which the listener would only complain about.
        pyatspi.Registry.deregisterEventListener(self.game._event, "object:state-changed:showing")
        self.advisor = wait_for("the advisor", self.game.find_advisor)
        # The tables are built and the return counted once this line shows a figure.
        wait_for("the advisor's return", lambda: self.label_starting("Return with best play: 9"))

    def label_starting(self, words):
        for obj in walk(fresh(self.advisor)):
            if obj.getRole() == pyatspi.ROLE_LABEL and plain(obj.name).startswith(words):
                return obj
        return None

    def warning(self):
        """The draw warning once it is up and has the keyboard."""
        box = self.game.find_window(WARNING_TITLE)
        return box if box is not None and has_state(box, pyatspi.STATE_ACTIVE) else None

    def settled(self):
        return showing(self.game.deal) and not showing(self.game.draw)

    def draw_and_see(self):
        """Enter on the dealt hand: the warning's text, or None when it drew at once."""
        self.game.keys("Return")
        wait_for("the warning or the drawn hand", lambda: self.warning() or self.settled())
        box = self.warning()
        if box is None:
            return None
        said = " ".join(plain(o.name) for o in walk(box) if o.getRole() == pyatspi.ROLE_LABEL)
        check("gives up" in said and "The best hold is" in said, "the warning says %r" % said)
        return said

    def change_hold_then_best(self, dealt):
        """Alt+C: back to the hand as it was; then B holds the best and Enter draws it."""
        key("alt+c")
        wait_for("the warning to close", lambda: self.game.find_window(WARNING_TITLE) is None)
        check(not self.settled() and self.game.names() == dealt and self.game.held() == "",
              "Change hold left the hand as %s, held %r" % (self.game.names(), self.game.held()))
        self.game.keys("b")
        wait_for("the best hold marked", lambda: self.game.held() != "")
        check(self.draw_and_see() is None, "a warning for the best hold")
        self.game.wait_settled()

    def history_tab(self):
        tab = wait_for("the History tab", lambda: next(
            (o for o in walk(fresh(self.advisor))
             if o.getRole() == pyatspi.ROLE_PAGE_TAB and o.name == "History"), None))
        actions = tab.queryAction()
        actions.doAction(0)
        return wait_for("the mistakes list", self.mistakes_table)

    def mistakes_table(self):
        for obj in walk(fresh(self.advisor)):
            if obj.getRole() == pyatspi.ROLE_TABLE and showing(obj):
                table = obj.queryTable()
                if table.nColumns >= 5 and table.getColumnDescription(2) == "Dealt":
                    return obj
        return None

    def mistake_rows(self, table):
        cells = table.queryTable()
        return [plain(cells.getAccessibleAt(row, 2).name) for row in range(cells.nRows)]


def play_practice(trainer):
    """Hands with nothing held until the warning has been answered both ways."""
    game = trainer.game
    total = text(game.total)
    hands, changed, mistake = 0, False, None
    while hands < 3 or not changed or mistake is None:
        check(hands < 40, "40 hands without a warning to answer both ways")
        game.keys("Return")
        dealt = game.wait_dealt()
        check(text(game.second).strip() == PRACTICE_LINE, "second line %r" % text(game.second))
        said = trainer.draw_and_see()
        if said is not None and not changed:
            trainer.change_hold_then_best(dealt)
            changed = True
            print("hand %d: %s; warned (%s), changed the hold to the best" %
                  (hands + 1, ", ".join(dealt), said))
        elif said is not None and mistake is None:
            key("alt+d")
            game.wait_settled()
            mistake = dealt
            print("hand %d: %s; warned, drew anyway: the mistake" % (hands + 1, ", ".join(dealt)))
        elif said is not None:
            trainer.change_hold_then_best(dealt)
            print("hand %d: %s; warned, changed the hold to the best" % (hands + 1, ", ".join(dealt)))
        else:
            game.wait_settled()  # drawing five was the best play
            print("hand %d: %s; drawing five was best" % (hands + 1, ", ".join(dealt)))
        hands += 1
        check(text(game.total) == total, "the total moved in practice: %r" % text(game.total))
        check(game.find_window(WARNING_TITLE) is None, "a warning left open")
    return hands, mistake


def replay(trainer, mistake):
    """The mistake's Replay on the history page: the same cards, a practice hand."""
    game = trainer.game
    table = trainer.history_tab()
    rows = wait_for("the mistake in the list", lambda: trainer.mistake_rows(table) or None)
    check(rows[0] == symbols(mistake), "newest mistake %r, played %r" % (rows[0], symbols(mistake)))
    button = table.queryTable().getAccessibleAt(0, 0).queryComponent()
    box = button.getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                    str(box.y + box.height // 2), "click", "1"], check=True)
    dealt = game.wait_dealt()
    check(dealt == mistake, "the replay dealt %s, not %s" % (dealt, mistake))
    check(text(game.second).strip() == PRACTICE_LINE, "second line %r" % text(game.second))
    total = text(game.total)
    check(trainer.draw_and_see() is not None, "no warning for the same mistake")
    trainer.change_hold_then_best(dealt)
    check(text(game.total) == total, "the replay moved the total")
    print("replayed %s from the history page, drew the best hold" % ", ".join(dealt))


def main():
    program = sys.argv[1]
    trainer = None
    try:
        trainer = Trainer(program)
        total = text(trainer.game.total)
        hands, mistake = play_practice(trainer)
        replay(trainer, mistake)
        trainer.game.keys("alt+F4")
        status = trainer.game.process.wait(timeout=60)
        check(status == 0, "the game ended with status %d" % status)
        check(read_ini("Total") == total, "saved total %s after practice" % read_ini("Total"))

        # A new game: the mistake is in the history view, and every practice hand counted.
        trainer = Trainer(program)
        table = trainer.history_tab()
        rows = wait_for("the history's mistakes", lambda: trainer.mistake_rows(table) or None)
        check(symbols(mistake) in rows, "mistake %r not among %r" % (symbols(mistake), rows))
        counted = "Practice: %d hand%s." % (hands + 1, "" if hands + 1 == 1 else "s")
        wait_for("the totals " + counted, lambda: trainer.label_starting("Played: 0 hands")
                 and counted in plain(trainer.label_starting("Played: 0 hands").name))
        print("after a new start: %r in the history, %s" % (symbols(mistake), counted))
        trainer.game.close()
    except Failure as failure:
        print("FAIL: %s" % failure)
        if trainer is not None:
            describe_windows(trainer.game)
        return 1
    finally:
        if trainer is not None and trainer.game.process.poll() is None:
            trainer.game.process.kill()
    print("trainer: 1 passed, 0 failed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
