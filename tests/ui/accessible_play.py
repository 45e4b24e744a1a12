# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
"""The real game window read and played as a screen reader user or a keyboard user does.

    accessible_play.py screen-reader|keyboard LUMARO DEAL_ORACLE

Run by accessible_play_test.sh inside an X session with an accessibility bus; the game's
settings are in $XDG_CONFIG_HOME. Everything is read through AT-SPI, the interface Linux
screen readers use (pyatspi); "screen-reader" plays through the controls' accessible
actions, "keyboard" with keys only (xdotool). The outcome of the hand is checked against
the engine's own (deal_oracle). Every wait polls; none is a fixed sleep.
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 60.0  # seconds for any one thing to happen: generous for a sanitizer build
FRAME_TITLE = "Lumaro for Windows 95 Version 2.0"
TITLE_CARD = "Lumaro title card"
ADVISOR_NAME = "Strategy Advisor"
ADVISOR_NAMESAKES = (pyatspi.ROLE_FRAME, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PAGE_TAB)


class Failure(Exception):
    pass


def check(condition, message):
    if not condition:
        raise Failure(message)


def ms_since_midnight():
    return int(time.time() * 1000) % 86_400_000


def pump():
    """Delivers the accessibility events that have arrived."""
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe() until it gives something true; objects may vanish meanwhile."""
    deadline = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = probe()
        except (GLib.Error, RuntimeError, LookupError, AttributeError):
            value = None
        if value:
            return value
        if time.monotonic() > deadline:
            raise Failure("timed out waiting for " + what)
        time.sleep(0.05)


def fresh(obj):
    obj.clear_cache()  # the library keeps names and states: read what the game says now
    return obj


def walk(obj):
    yield obj
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def walk_game(obj):
    """The window's objects but the strategy advisor's."""
    if obj.name == ADVISOR_NAME and obj.getRole() not in ADVISOR_NAMESAKES:
        return
    yield obj
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None:
            yield from walk_game(child)


def has_state(obj, state):
    return fresh(obj).getState().contains(state)


def showing(obj):
    return has_state(obj, pyatspi.STATE_SHOWING)


def text(obj):
    try:
        return fresh(obj).queryText().getText(0, -1)
    except NotImplementedError:  # no text of its own
        return None


def left(obj):
    return obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x


def top(obj):
    return obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).y


def act(obj, name):
    actions = obj.queryAction()
    for i in range(actions.nActions):
        if actions.getName(i) == name:
            actions.doAction(i)
            return
    raise Failure("%s %r has no action %s" % (obj.getRoleName(), obj.name, name))


def click_page_tab(advisor, name):
    """A real click on the advisor's tab of this name, once it is there."""
    tab = wait_for("the %s tab" % name, lambda: next(
        (o for o in walk(fresh(advisor))
         if o.getRole() == pyatspi.ROLE_PAGE_TAB and o.name == name), None))
    box = tab.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(box.x + box.width // 2),
                    str(box.y + box.height // 2), "click", "1"], check=True)


def key(*keys):
    subprocess.run(["xdotool", "key", *keys], check=True)


def type_text(chars):
    subprocess.run(["xdotool", "type", "--delay", "50", chars], check=True)


class Game:
    """The running game and the accessible objects of its window."""

    def __init__(self, program, oracle):
        self.oracle = oracle
        self.announced = []
        pyatspi.Registry.registerEventListener(self._event, "object:state-changed:showing")
        self.started = ms_since_midnight()
        self.process = subprocess.Popen([program])
        self.app = wait_for("the game on the accessibility bus", self._find_app)
        self.frame = wait_for("the game window", lambda: self.find_window(FRAME_TITLE))
        # The game seeded its generator before its window came up.
        self.up = ms_since_midnight()
        self.cards = wait_for("five cards", lambda: self._all(pyatspi.ROLE_CHECK_BOX, 5))
        self.cards.sort(key=left)
        self.holds = wait_for(
            "five hold panels",
            lambda: [o for o in self._all(pyatspi.ROLE_PUSH_BUTTON)
                     if o.description.startswith("Hold or draw card")])
        self.holds.sort(key=left)
        check(len(self.holds) == 5, "%d hold panels" % len(self.holds))
        buttons = self._all(pyatspi.ROLE_PUSH_BUTTON)
        self.deal = next(o for o in buttons if o.name == "Deal")
        self.draw = next(o for o in buttons if o.description == "Draw Additional Cards")
        self.stats = next(o for o in buttons if o.name == "Stats")
        self.bet = next(o for o in self._all(pyatspi.ROLE_SPIN_BUTTON) if o.name == "Bet")
        labels = self._all(pyatspi.ROLE_LABEL)
        self.total = next(o for o in labels if o.name == "Total" and text(o) not in (None, "Total"))
        # The money line, the second line and the yellow hand panel, from the top.
        wide = [o for o in labels if o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).width > 300]
        wide.sort(key=top)
        check(len(wide) == 3, "%d wide message panels" % len(wide))
        self.money, self.second, self.hand = wide
        self.grid = next(o for o in self._all(pyatspi.ROLE_TABLE) if o.name == "Statistics")
        self.gauge = self._all(pyatspi.ROLE_PROGRESS_BAR, 1)[0]

    def _event(self, event):
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            self.announced.append(event.source.name)

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.get_process_id() == self.process.pid:
                return app
        return None

    def _all(self, role, count=None):
        """The game's own objects of the role: the advisor docked in the window is not the
        game's table."""
        found = [o for o in walk_game(self.frame) if o.getRole() == role]
        return found if count is None or len(found) == count else None

    def find_window(self, name):
        for i in range(fresh(self.app).childCount):
            window = self.app.getChildAtIndex(i)
            if window is not None and window.name == name and showing(window):
                return window
        return None

    def find_advisor(self, shown=True):
        """The strategy advisor docked in the game's window; as a page of it, also while the
        game's page is shown (shown=False). Its menu command and page tab have its name too."""
        for obj in walk(fresh(self.frame)):
            if (obj.name == ADVISOR_NAME and obj.getRole() not in ADVISOR_NAMESAKES
                    and (not shown or showing(obj))):
                return obj
        return None

    def names(self):
        return [fresh(card).name for card in self.cards]

    def held(self):
        return "".join(str(k + 1) for k, card in enumerate(self.cards)
                       if has_state(card, pyatspi.STATE_CHECKED))

    def wait_dealt(self):
        wait_for("Draw after the deal", lambda: showing(self.draw) and not showing(self.deal))
        return wait_for("the dealt cards",
                        lambda: (lambda n: n if TITLE_CARD not in n else None)(self.names()))

    def wait_settled(self):
        wait_for("Deal after the draw", lambda: showing(self.deal) and not showing(self.draw))
        return wait_for("the result", lambda: text(self.money).strip())

    def wait_announced(self, words):
        return wait_for("an announcement of %r" % words,
                        lambda: next((a for a in self.announced if words in a), None))

    def expected(self, dealt, held, bet=None):
        """The engine's outcome of a first hand dealt as this one was, with these holds."""
        run = subprocess.run(
            [self.oracle, str(self.started), str(self.up), "|".join(dealt), held or "-"]
            + ([str(bet)] if bet else []),
            capture_output=True, text=True, check=False)
        check(run.returncode == 0, "deal_oracle failed: " + run.stderr.strip())
        return dict(line.split("=", 1) for line in run.stdout.splitlines())

    def check_outcome(self, outcome):
        check(self.names() == outcome["final"].split("|"),
              "cards after the draw %s, the engine drew %s" % (self.names(), outcome["final"]))
        check(text(self.hand) == outcome["hand"], "hand %r, expected %r" % (text(self.hand), outcome["hand"]))
        check(text(self.money) == outcome["money"],
              "message %r, expected %r" % (text(self.money), outcome["money"]))
        check(fresh(self.money).name == outcome["money"].strip(), "the message line's name")
        check(text(self.total) == outcome["total"] and fresh(self.total).name == "Total",
              "Total %r, expected %r" % (text(self.total), outcome["total"]))
        # The announcement a screen reader speaks without the focus on the message.
        said = self.wait_announced(outcome["money"].strip())
        check(outcome["hand"].strip() in said, "the announcement %r lacks the hand" % said)
        # One hand counted in the grid: the column headed by the hand's category holds 1.
        table = self.grid.queryTable()
        counts = {table.getAccessibleAt(0, c).name: table.getAccessibleAt(1, c).name
                  for c in range(table.nColumns)}
        check(table.nRows == 2 and table.nColumns == 10, "the grid is not 10 x 2")
        check(sorted(counts.values()) == ["0"] * 9 + ["1"], "grid counts %s" % counts)
        won = not outcome["money"].startswith("You Lost")
        percent = fresh(self.gauge).description
        check(percent == ("100%" if won else "0%"), "gauge %s after a %s" % (percent, "win" if won else "loss"))
        try:
            actions = self.gauge.queryAction().nActions
        except NotImplementedError:
            actions = 0
        check(actions == 0, "the gauge offers %d actions (it only shows)" % actions)

    def keys(self, *keys):
        """Keys for the game window, once it has the keyboard again (a dialog may just
        have closed)."""
        wait_for("the game window to be active", lambda: has_state(self.frame, pyatspi.STATE_ACTIVE))
        key(*keys)

    def close(self):
        self.process.terminate()  # the game saves and ends on SIGTERM as on its close box
        status = self.process.wait(timeout=TIMEOUT)
        check(status == 0, "the game ended with status %d" % status)


def read_ini(key):
    path = os.path.join(os.environ["XDG_CONFIG_HOME"], "Quorvel.ini")
    with open(path, encoding="utf-8") as ini:
        for line in ini:
            if line.startswith(key + "="):
                return line.split("=", 1)[1].strip()
    return None


def play_by_screen_reader(game):
    """Deal, hold two cards and draw, all through the controls' accessible actions."""
    check(text(game.bet) == "5" and text(game.total) == "5000",
          "the stored bet and total: %r, %r" % (text(game.bet), text(game.total)))
    check(all(name == TITLE_CARD for name in game.names()), "title cards before the deal")
    act(game.deal, "Press")
    dealt = game.wait_dealt()
    game.wait_announced("Dealt " + ", ".join(dealt))
    # One card held through its own action, one through its hold panel's.
    act(game.cards[1], "Toggle")
    act(game.holds[3], "Press")
    wait_for("cards 2 and 4 held", lambda: game.held() == "24")
    check(fresh(game.cards[1]).description == "held", "a held card says so")
    check(fresh(game.cards[0]).description == "", "a card to draw says nothing")
    # Each panel's name says its card; its text is the caption the table shows.
    check([fresh(h).name for h in game.holds] ==
          ["Card 1: draw", "Card 2: hold", "Card 3: draw", "Card 4: hold", "Card 5: draw"],
          "hold panels %s" % [h.name for h in game.holds])
    check([text(h) for h in game.holds] == ["Draw", "Hold", "Draw", "Hold", "Draw"],
          "hold panel captions %s" % [text(h) for h in game.holds])
    names = [o.name for o in game._all(pyatspi.ROLE_PUSH_BUTTON) if showing(o)]
    check(len(names) == len(set(names)), "buttons that share a name: %s" % names)
    outcome = game.expected(dealt, "24")
    act(game.draw, "Press")
    game.wait_settled()
    game.check_outcome(outcome)
    print("screen reader: dealt %s, held 2 and 4, drew %s: %s" %
          (", ".join(dealt), outcome["final"].replace("|", ", "), text(game.money)))
    game.close()
    check(read_ini("Total") == outcome["total"], "saved total %s" % read_ini("Total"))


def active_window(game, name):
    """The named window of the game once it is up and has the keyboard."""
    window = game.find_window(name)
    return window if window is not None and has_state(window, pyatspi.STATE_ACTIVE) else None


def play_by_keyboard(game):
    """A whole session with keys only: the bet, a hand, the statistics, every menu."""
    wait_for("the bet field's focus", lambda: has_state(game.bet, pyatspi.STATE_FOCUSED))
    type_text("50")  # replaces the 5: the field selected it when it took the focus
    wait_for("the typed bet", lambda: text(game.bet) == "50")
    game.keys("Return")
    dealt = game.wait_dealt()
    wait_for("the focus on Draw", lambda: has_state(game.draw, pyatspi.STATE_FOCUSED))
    game.keys("1", "3")
    wait_for("cards 1 and 3 held", lambda: game.held() == "13")
    # In the bet field, read-only during the hand, a digit is a hold too.
    game.keys("shift+Tab")
    wait_for("the focus back on the bet", lambda: has_state(game.bet, pyatspi.STATE_FOCUSED))
    game.keys("5")
    wait_for("card 5 held", lambda: game.held() == "135")
    game.keys("KP_5")
    wait_for("card 5 back to draw", lambda: game.held() == "13")
    check(text(game.bet) == "50", "the bet changed during the hand: %r" % text(game.bet))
    outcome = game.expected(dealt, "13", bet=50)
    game.keys("KP_Enter")
    game.wait_settled()
    wait_for("the focus on Deal", lambda: has_state(game.deal, pyatspi.STATE_FOCUSED))
    game.check_outcome(outcome)
    print("keyboard: bet 50, dealt %s, held 1 and 3, drew %s: %s" %
          (", ".join(dealt), outcome["final"].replace("|", ", "), text(game.money)))

    # Tab from Deal reaches Stats; Space presses it.
    game.keys("Tab")
    wait_for("the focus on Stats", lambda: has_state(game.stats, pyatspi.STATE_FOCUSED))
    game.keys("space")
    wait_for("the statistics", lambda: text(game.money).startswith("Player has Won"))
    # Then the cards, one by one.
    for card in game.cards:
        game.keys("Tab")
        wait_for("the focus on " + card.name, lambda card=card: has_state(card, pyatspi.STATE_FOCUSED))

    # F10 opens the first menu; its second entry sets the total to 10000.
    game.keys("F10")
    wait_for("the Set Total menu", lambda: menu_item(game, "10000"))
    key("Down", "Down", "Return")
    wait_for("the total of 10000", lambda: text(game.total) == "10000")
    game.wait_announced("Total 10000")  # the message lines say nothing of it
    # Escape out of a menu gives the keyboard back: the next Enter deals, and the one after
    # draws, never choosing the closed menu's first entry (a total of 1000).
    game.keys("alt+s")
    wait_for("the Set Total menu", lambda: menu_item(game, "1000"))
    key("Escape")
    wait_for("the menu to close", lambda: not menu_item(game, "1000"))
    game.keys("Return")
    game.wait_dealt()
    game.keys("Return")
    game.wait_settled()
    check(text(game.total) != "1000", "Escape, Enter and Enter set the total to 1000")
    total = text(game.total)
    # The help, opened with Alt and its first letter, closed with Escape.
    game.keys("alt+h")
    wait_for("the help", lambda: active_window(game, "Lumaro Help"))
    key("Escape")
    wait_for("the help to close", lambda: not game.find_window("Lumaro Help"))
    # Payouts Options: Escape is its Cancel, whose message Return dismisses.
    game.keys("alt+a")
    wait_for("the Advanced menu", lambda: menu_item(game, "Payouts Options"))
    key("Down", "Return")
    dialog = wait_for("the payouts dialog",
                      lambda: active_window(game, "Set Winning Payouts and Sounds"))
    fields = [o.name for o in walk(dialog) if o.getRole() == pyatspi.ROLE_SPIN_BUTTON]
    check(fields[0] == "Jacks or Better" and fields[-1] == "Royal Flush" and len(fields) == 9,
          "payout fields named %s" % fields)
    key("Escape")
    wait_for("the Cancel message", lambda: active_window(game, "Information"))
    key("Return")
    wait_for("the payouts dialog to close",
             lambda: not game.find_window("Information")
             and not game.find_window("Set Winning Payouts and Sounds"))
    # A colour dialog from the Colors menu, closed with Escape.
    game.keys("alt+c")
    wait_for("the Colors menu", lambda: menu_item(game, "Piechart"))
    key("Down", "Return")
    wait_for("a colour dialog", lambda: colour_dialog(game))
    key("Escape")
    wait_for("the colour dialog to close", lambda: not colour_dialog(game, active=False))

    # The close box's key: the session is saved.
    game.keys("alt+F4")
    status = game.process.wait(timeout=TIMEOUT)
    check(status == 0, "the game ended with status %d" % status)
    check(read_ini("Amount") == "50", "saved bet %s" % read_ini("Amount"))
    check(read_ini("Total") == total, "saved total %s, not %s" % (read_ini("Total"), total))


def menu_item(game, name):
    """The named entry of a menu that is open."""
    for obj in walk(game.app):
        if obj.getRole() == pyatspi.ROLE_MENU_ITEM and obj.name == name and showing(obj):
            return obj
    return None


def colour_dialog(game, active=True):
    """Whatever window besides the game's is up (and active): the colour dialog."""
    for i in range(fresh(game.app).childCount):
        window = game.app.getChildAtIndex(i)
        if (window is not None and window.name not in (FRAME_TITLE, "") and showing(window)
                and (not active or has_state(window, pyatspi.STATE_ACTIVE))):
            return window
    return None


def describe_windows(game):
    """What a failure report needs: the game's windows and which one has the keyboard."""
    try:
        for i in range(fresh(game.app).childCount):
            window = game.app.getChildAtIndex(i)
            if window is not None:
                states = fresh(window).getState().getStates()
                print("window %r %s: %s" % (window.name, window.getRoleName(),
                                            ",".join(pyatspi.stateToString(s) for s in states)))
        active = subprocess.run(["xdotool", "getactivewindow", "getwindowname"],
                                capture_output=True, text=True, check=False)
        print("X's active window: %s" % (active.stdout.strip() or active.stderr.strip()))
    except (GLib.Error, RuntimeError, LookupError, AttributeError) as error:
        print("(windows unreadable: %s)" % error)


def run_game(start, play):
    """Plays play(game) on the game start() starts: 0 when it passes, 1 when it fails, with
    the failure and the game's windows told. The game is ended either way."""
    game = None
    try:
        game = start()
        play(game)
    except Failure as failure:
        print("FAIL: %s" % failure)
        if game is not None:
            describe_windows(game)
        return 1
    finally:
        if game is not None and game.process.poll() is None:
            game.process.kill()
    return 0


def main():
    mode, program, oracle = sys.argv[1:4]
    play = play_by_screen_reader if mode == "screen-reader" else play_by_keyboard
    status = run_game(lambda: Game(program, oracle), play)
    if status == 0:
        print("%s: 1 passed, 0 failed" % mode)
    return status


if __name__ == "__main__":
    sys.exit(main())
