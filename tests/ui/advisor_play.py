# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
"""The strategy advisor in the game's own window, read and reached as a screen reader user
and a keyboard user do: a hand dealt with Enter, the ranked holds read with their values,
F6 into the advisor and back, the cards drawn large enough.

    advisor_play.py LUMARO LEAST_CARD_WIDTH

Run by accessible_play_test.sh (modes advisor and advisor-small) inside an X session with an
accessibility bus; the advisor is stored open. Beside the game (1024 x 768) or as a page of
the window (640 x 480), the advisor is part of the game's window, no window of its own.
Every wait polls; none is a fixed sleep.
"""

import sys

import pyatspi

from accessible_play import (Failure, Game, check, fresh, has_state, showing, wait_for, walk,
                             describe_windows)

HOLDS = "Holds, best first"


def focused_in(root):
    for obj in walk(fresh(root)):
        if has_state(obj, pyatspi.STATE_FOCUSED):
            return obj
    return None


def width(obj):
    return obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width


def play(program, least_card):
    game = Game(program, None)
    try:
        # As a page of the window the advisor is out of sight until F6 brings it.
        advisor = wait_for("the advisor", lambda: game.find_advisor(shown=False))
        windows = [fresh(game.app).getChildAtIndex(i) for i in range(game.app.childCount)]
        shown = [w.name for w in windows if w is not None and showing(w)]
        check(shown == [game.frame.name], "the game's windows are %r" % shown)
        holds = wait_for("the ranked holds", lambda: next(
            (o for o in walk(fresh(game.frame)) if o.name == HOLDS), None))
        check(holds.getRole() == pyatspi.ROLE_LIST, "the holds are a %s" % holds.getRoleName())
        check(fresh(holds).childCount == 0, "holds listed before the deal")

        cards = [width(card) for card in game.cards]
        check(min(cards) >= least_card, "cards %r pixels wide, fewer than %d" % (cards, least_card))

        game.keys("Return")
        dealt = game.wait_dealt()
        wait_for("Draw to have the keyboard", lambda: has_state(game.draw, pyatspi.STATE_FOCUSED))
        # F6: into the advisor, its ranked holds with their values.
        game.keys("F6")
        wait_for("the ranked holds to have the keyboard",
                 lambda: has_state(holds, pyatspi.STATE_FOCUSED))
        into = focused_in(advisor)
        check(showing(advisor), "the advisor out of sight with the keyboard in it")
        rows = wait_for("the holds after the deal", lambda: [
            fresh(holds).getChildAtIndex(i).name for i in range(holds.childCount)] or None)
        check(len(rows) >= 5, "%d holds listed" % len(rows))
        check(", best" in rows[0] and " per coin" in rows[0], "first hold %r" % rows[0])
        check(all(" per coin" in row for row in rows), "holds %r" % rows)
        check(any("costs" in row for row in rows[1:]), "no hold that costs: %r" % rows)
        for row in rows:
            if not row.startswith("Discard everything"):
                check(row.startswith("Hold ") and any(card in row for card in dealt),
                      "hold %r names none of %r" % (row, dealt))
        print("dealt %s; F6 to %s %r; holds read: %s" %
              (", ".join(dealt), into.getRoleName(), into.name, "; ".join(rows[:3])))
        # And back: the game has the keyboard again, where it was.
        game.keys("F6")
        wait_for("the keyboard back on Draw", lambda: has_state(game.draw, pyatspi.STATE_FOCUSED))
        game.keys("Return")
        game.wait_settled()
        game.close()
        return 0
    except Failure as failure:
        print("FAIL: %s" % failure)
        describe_windows(game)
        game.process.kill()
        return 1


if __name__ == "__main__":
    sys.exit(play(sys.argv[1], int(sys.argv[2])))
