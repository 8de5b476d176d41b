"""A player who cannot see the board reaches the new parts through AT-SPI
alone: the puzzle of the day from the menu, a hint about a word (the board
says it and tells it), the day's game left for the menu, and the statistics
window, whose charts carry their figures as text.

usage: day_by_ear.py
"""
import sys

from at_spi import Announcements, Failure, find, game, press, run, wait_for


def play(heard):
    app = wait_for("the game on the accessibility bus", game)
    menu = wait_for("the main menu", lambda: find(app, "Main menu", "panel"))
    press(wait_for("PUZZLE OF THE DAY", lambda: find(menu, "PUZZLE OF THE DAY", "push button")))
    board = wait_for("the board", lambda: find(app, "Board", "panel"))
    press(wait_for("Hint", lambda: find(board, "Hint", "push button")))
    hint = wait_for("the hint on the board", lambda: find(board, role="label", starts="Hint: a word of "))
    heard.wait_for(hint.name)
    print("heard:", hint.name)
    press(find(board, "Main Menu", "push button"))
    summary = wait_for("the level summary", lambda: find(app, "Game Statistics", "dialog"))
    press(find(summary, "OK", "push button"))
    menu = wait_for("the main menu again", lambda: find(app, "Main menu", "panel"))
    press(wait_for("STATISTICS", lambda: find(menu, "STATISTICS", "push button")))
    window = wait_for("the statistics", lambda: find(app, "Statistics - Arcade Vorpex", "dialog"))
    wait_for("the day's game counted", lambda: find(window, "1", "label"))
    chart = wait_for("the chart of scores", lambda: find(window, "Scores of the last 30 games"))
    if not chart.description.startswith("Scores of the last 30 games: 1 "):
        raise Failure("the chart does not read its figures: %r" % chart.description)
    print("read:", chart.description)
    press(find(window, "OK", "push button"))


def main():
    heard = Announcements()
    return run(lambda _: play(heard))


if __name__ == "__main__":
    sys.exit(main())
