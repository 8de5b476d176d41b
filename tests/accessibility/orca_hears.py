"""What Debian's Orca says while a word is played from the keyboard: the
menu's button, the rack's tiles, a tile picked, the word scored, the game's
status asked for with F2, and, as the game is left for the menu, the level
summary, the congratulation and the Hall of Fame as their windows open. Orca runs with its speech
written to its debug log, which this test reads.

usage: orca_hears.py VORPEX_DICT DICTIONARY
"""
import os
import re
import subprocess
import sys
import tempfile

from at_spi import Failure, end, find, find_all, game, press, run, wait_for
from play_by_ear import dictionary_words, playable


# Orca as its launcher starts it, with its debug log written line by line,
# so that what it says can be read while it runs (it would otherwise come
# in blocks). Started from its library, not its launcher: the launcher
# refuses to run beside a screen reader the desktop already has.
ORCA_WITH_LINE_LOG = """
import sys
from orca import debug
debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1)
from orca import orca
manager = orca.getSettingsManager()
manager.activate(sys.argv[2], {})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
"""


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "120", *names], check=True, timeout=60)


class Orca:
    def __init__(self, folder):
        self.log = os.path.join(folder, "orca.debug")
        prefs = os.path.join(folder, "orca-prefs")
        os.makedirs(prefs)
        self.process = subprocess.Popen(["/usr/bin/python3", "-c", ORCA_WITH_LINE_LOG, self.log, prefs],
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait_for("Screen reader on.")

    def spoken(self):
        """Everything Orca said so far, in order."""
        if not os.path.exists(self.log):
            return []
        with open(self.log, encoding="utf-8", errors="replace") as log:
            return re.findall(r"SPEECH OUTPUT: '(.*?)'", log.read())

    def wait_for(self, text):
        return wait_for("Orca to say %r" % text, lambda: any(text in line for line in self.spoken()))

    def stop(self):
        end(self.process)


def play(orca, words):
    app = wait_for("the game on the accessibility bus", game)
    wait_for("the main menu", lambda: find(app, "CLASSIC ARCADE", "push button"))
    window = wait_for("the game's X window", lambda: subprocess.run(
        ["xdotool", "search", "--name", "^Arcade Vorpex$"], capture_output=True, text=True, timeout=30).stdout.split())[0]
    subprocess.run(["xdotool", "windowfocus", window], check=True, timeout=30)
    subprocess.run(["xdotool", "mousemove", "1200", "1000"], check=True, timeout=30)
    key("Tab")
    orca.wait_for("CLASSIC ARCADE push button")
    key("Return")
    orca.wait_for("check box not checked")

    board = wait_for("the board", lambda: find(app, "Board", "panel"))
    tiles = wait_for("the rack", lambda: find_all(board, "check box"))
    letters = [t.name[len("Tile "):] for t in tiles]
    word = playable(words, "".join(letters))[-1]
    # From the first tile, where the level starts, by Tab and Shift+Tab.
    at, used = 0, set()
    for letter in word:
        tile = next(i for i, l in enumerate(letters) if l == letter and i not in used)
        used.add(tile)
        key(*(["Tab"] * (tile - at) if tile >= at else ["shift+Tab"] * (at - tile)), "space")
        at = tile
    wait_for("the word spelled", lambda: find(board, "Word: " + word, "label"))
    key("Return")
    points = len(word) * (len(word) + 1) // 2
    scored = "%s, %d points. Score %d" % (word, points, points)
    orca.wait_for(scored)
    key("F2")  # a rack of one word ends its level with a bonus: any level, any score
    orca.wait_for("notification Level ")
    press(find(board, "Main Menu", "push button"))
    orca.wait_for("Game Statistics dialog")
    key("Return")
    orca.wait_for("Congratulations ! You have the best Score In Classic Arcade")
    key("L", "i", "s", "a", "Return")
    orca.wait_for("dialog 1. Lisa, ")
    key("Return")
    spoken = orca.spoken()
    print("Orca said:", *spoken, sep="\n  ")
    if "checked" not in spoken:
        raise Failure("a picked tile was not said to be checked")
    if sum(scored in line for line in spoken) != 1:
        raise Failure("the scored word was not said exactly once")
    # A part told by its place once came out as another part's name with
    # this one's role: "Score: 0 push button", "Tile T label", and a stray
    # "Best Score: 0" on entering the board.
    strays = [line for line in spoken if line.startswith("Best Score:") or re.search(r"(Score|Level): \d+ push button", line)
              or re.search(r"\bTile \w (label|push button)", line)]
    if strays:
        raise Failure("Orca named parts wrongly: %r" % strays)


def main():
    words = dictionary_words(sys.argv[1], sys.argv[2])
    with tempfile.TemporaryDirectory() as folder:
        try:
            orca = Orca(folder)  # running before the game starts, as on a desktop
        except Failure as failure:
            print("FAILED:", failure)
            return 1
        try:
            return run(lambda _: play(orca, words))
        finally:
            orca.stop()


if __name__ == "__main__":
    sys.exit(main())
