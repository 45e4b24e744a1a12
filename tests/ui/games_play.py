# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
"""Another game than Jacks or Better in the real game window.

    games_play.py deuces|choose LUMARO SETTLE_ORACLE

Run by accessible_play_test.sh (modes games-deuces, games-choose) inside an X session with an
accessibility bus; the game's settings are in $XDG_CONFIG_HOME.

deuces: Deuces Wild chosen in [Games]; 20 hands played with keys only, holding the deuces and
    the cards of any rank dealt more than once. After every draw the final cards are read as a
    screen reader reads them and settle_oracle works out, from the engine's evaluator and the
    game's table, what the total must be: the total shown, the hand's caption and the grid's
    count of its column must agree.
choose: Advanced > Choose Game opened from the keyboard, Joker Poker chosen there by its name,
    confirmed with Enter: the next hands are Joker Poker's and the choice is stored.
Every wait polls; none is a fixed sleep.
"""

import configparser
import os
import subprocess
import sys

import pyatspi

from accessible_play import (Game, check, fresh, has_state, key, menu_item, run_game, showing,
                             text, wait_for, walk)

BET = 5


def settle(oracle, final, total):
    run = subprocess.run([oracle, "|".join(final), str(BET), str(total)],
                         capture_output=True, text=True, check=False)
    check(run.returncode == 0, "settle_oracle failed: " + run.stderr.strip())
    return dict(line.split("=", 1) for line in run.stdout.splitlines())


def holds_for(names):
    """The deuces and every card whose rank came more than once: positions 1..5."""
    ranks = [name.split(" of ")[0] for name in names]
    return [str(k + 1) for k, rank in enumerate(ranks) if rank == "2" or ranks.count(rank) > 1]


def grid_counts(game):
    table = game.grid.queryTable()
    return ([table.getAccessibleAt(0, c).name for c in range(table.nColumns)],
            [table.getAccessibleAt(1, c).name for c in range(table.nColumns)])


def stored():
    ini = configparser.ConfigParser(interpolation=None)
    ini.optionxform = str
    ini.read(os.path.join(os.environ["XDG_CONFIG_HOME"], "Quorvel.ini"))
    return ini


def play_hand(game, oracle):
    total = int(text(game.total))
    game.keys("Return")
    dealt = game.wait_dealt()
    wait_for("the focus on Draw", lambda: has_state(game.draw, pyatspi.STATE_FOCUSED))
    held = holds_for(dealt)
    if held:
        game.keys(*held)
        wait_for("cards %s held" % "".join(held), lambda: game.held() == "".join(held))
    game.keys("Return")
    game.wait_settled()
    final = game.names()
    expected = settle(oracle, final, total)
    check(text(game.total) == expected["total"],
          "%s: total %s after %d, the engine and the table give %s"
          % (", ".join(final), text(game.total), total, expected["total"]))
    check(text(game.hand) == expected["hand"],
          "%s: caption %r, expected %r" % (", ".join(final), text(game.hand), expected["hand"]))
    return final, expected


def play_deuces(game, oracle):
    counts = None
    for hand in range(20):
        final, expected = play_hand(game, oracle)
        check(expected["game"] == "deuces-wild", "the oracle plays %s" % expected["game"])
        headings, now = wait_for("the grid", lambda: grid_counts(game) if grid_counts(game)[1][0] else None)
        check(len(headings) == 11 and headings[0] == "No Win" and headings[-1] == "Natural Royal Flush",
              "Deuces Wild's grid headings: %s" % headings)
        column = int(expected["column"])
        before = counts or ["0"] * len(now)
        check(int(now[column]) == int(before[column]) + 1 and
              sum(map(int, now)) == sum(map(int, before)) + 1,
              "hand %d counted in %s, grid %s after %s" % (hand + 1, headings[column], now, before))
        counts = now
        print("hand %2d: %s: %s, total %s" % (hand + 1, ", ".join(final), expected["line"],
                                             expected["total"]))
    game.close()
    ini = stored()
    check(ini.get("Games", "Current", fallback=None) == "deuces-wild", "the stored game")
    check(ini.get("Games", "deuces-wild", fallback=None) == "0 1 1 2 4 8 14 24 199 799",
          "Deuces Wild's stored table: %s" % ini.get("Games", "deuces-wild", fallback=None))
    check(ini.get("Payouts", "H1", fallback=None) == "0", "today's game keeps its H1")


def play_choose(game, oracle):
    # A hand of today's game first: the new game starts a new session.
    final, expected = play_hand(game, oracle)
    check(expected["game"] == "jacks", "today's game before the choice")
    game.keys("alt+a")
    wait_for("the Advanced menu", lambda: menu_item(game, "Choose Game\u2026"))
    key("Down", "Down", "Down", "Return")  # after Payouts Options and Strategy Advisor
    dialog = wait_for("the Choose Game dialog", lambda: active(game, "Choose Game"))
    games = wait_for("the list of games", lambda: next(
        (o for o in walk(dialog) if o.getRole() in (pyatspi.ROLE_TREE, pyatspi.ROLE_TREE_TABLE,
                                                     pyatspi.ROLE_LIST, pyatspi.ROLE_TABLE)
         and o.name == "Games"), None))
    wait_for("the list's focus", lambda: has_state(games, pyatspi.STATE_FOCUSED)
             or any(has_state(o, pyatspi.STATE_FOCUSED) for o in walk(games)))
    # Typing a name's first letters goes to it, as in every list.
    key("j", "o", "k")
    wait_for("Joker Poker selected", lambda: any(
        o.name.startswith("Joker Poker") and has_state(o, pyatspi.STATE_SELECTED)
        for o in walk(fresh(games))))
    names = [o.name for o in walk(games) if o.name]
    check(all(game in names for game in ("Jacks or Better", "Deuces Wild", "Joker Poker",
                                         "Double Double Bonus Poker", "my own table", "9/6")),
          "the games and their tables read %s" % names[:12])
    key("Return")
    wait_for("the dialog to close", lambda: not game.find_window("Choose Game"))
    wait_for("a new session", lambda: text(game.money).strip() == "" and
             all(n == "Lumaro title card" for n in game.names()))
    final, expected = play_hand(game, oracle)
    check(expected["game"] == "joker-poker", "the game after the choice: %s" % expected["game"])
    headings, _ = grid_counts(game)
    check(len(headings) == 12 and "Kings or Better" not in headings[1:2],
          "Joker Poker's grid: %s" % headings)
    check(stored().get("Games", "Current", fallback=None) == "joker-poker", "the choice is stored")
    print("chose Joker Poker from the keyboard; then %s: %s" % (", ".join(final), expected["line"]))
    game.close()


def active(game, name):
    window = game.find_window(name)
    return window if window is not None and has_state(window, pyatspi.STATE_ACTIVE) else None


def main():
    mode, program, oracle = sys.argv[1:4]
    play = play_deuces if mode == "deuces" else play_choose
    status = run_game(lambda: Game(program, None), lambda game: play(game, oracle))
    if status == 0:
        print("games %s: 1 passed, 0 failed" % mode)
    return status


if __name__ == "__main__":
    sys.exit(main())
