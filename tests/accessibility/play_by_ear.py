"""A player who cannot see the board plays a Classic game through AT-SPI
alone: starts it from the menu, reads the rack, spells real words with the
tiles' actions and hears each scored and each tile checked, hears a repeat
refused, hears the advance button offered right after the word that
reached the target and takes it, reads the level summary, ends the game,
enters the Hall of Fame by name, reads the results and goes back to the
menu. The score read-out read once stays the score read-out while the
board gains and loses its message line.

usage: play_by_ear.py VORPEX_DICT DICTIONARY
"""
import collections
import subprocess
import sys

from at_spi import Announcements, Failure, find, find_all, game, press, run, wait_for


def dictionary_words(dict_tool, dictionary):
    listed = subprocess.run([dict_tool, "list", dictionary], check=True, capture_output=True, text=True).stdout
    return [w.strip().upper() for w in listed.split() if w.strip()]


def playable(words, rack):
    """The words the rack spells, longest first."""
    fits = [w for w in words if len(w) >= 3 and not collections.Counter(w) - collections.Counter(rack)]
    return sorted(set(fits), key=lambda w: (-len(w), w))


class Board:
    def __init__(self, app):
        self.app = app
        self.panel = wait_for("the board", lambda: find(app, "Board", "panel"))

    def rack(self):
        tiles = wait_for("the rack", lambda: find_all(self.panel, "check box"))
        return tiles, "".join(t.name[len("Tile "):] for t in tiles)

    def spell(self, word):
        """Picks a tile for each letter, as clicks would, and waits for the word."""
        tiles, _ = self.rack()
        used = set()
        for letter in word:
            tile = next(i for i, t in enumerate(tiles) if t.name == "Tile " + letter and i not in used)
            used.add(tile)
            press(tiles[tile])
        wait_for("%s in the slots" % word, lambda: find(self.panel, "Word: " + word, "label"))

    def press(self, name):
        press(wait_for(name, lambda: find(self.panel, name, "push button")))

    def score(self):
        label = find(self.panel, role="status bar", starts="Score: ")
        return int(label.name[len("Score: "):])

    def advance(self):
        return find(self.panel, "Advance To next Level", "push button") or find(
            self.panel, "Advance to Next Level", "push button")


def play(heard, words):
    app = wait_for("the game on the accessibility bus", game)
    menu = wait_for("the main menu", lambda: find(app, "Main menu", "panel"))
    press(wait_for("CLASSIC ARCADE", lambda: find(menu, "CLASSIC ARCADE", "push button")))

    board = Board(app)
    _, rack = board.rack()
    print("level 1 rack:", rack)
    # Kept as a reader keeps it: the same object must go on being the score.
    score_read_out = find(board.panel, role="status bar", starts="Score: ")
    first = None
    summary = None
    for word in playable(words, rack):
        score = board.score()
        heard.checked.clear()
        board.spell(word)
        wait_for("each tile of %s told checked (heard %r)" % (word, heard.checked),
                 lambda: len(heard.checked) >= len(word))
        board.press("Enter")
        points = len(word) * (len(word) + 1) // 2
        scored = "%s, %d points. Score %d" % (word, points, score + points)
        refused = "%s: No such word in the list" % word
        wait_for("%s told" % word, lambda: scored in heard.told or refused in heard.told)
        if refused in heard.told:
            board.press("Clear")
            continue
        # The last word of a rack ends the level at once, with its bonus.
        summary = find(app, "Game Statistics", "dialog")
        if summary:
            break
        wait_for("the score read-out", lambda: board.score() == score + points)
        wait_for("the read-out read before to say Score: %d (it says %r)" % (score + points, score_read_out.name),
                 lambda: score_read_out.name == "Score: %d" % (score + points))
        wait_for("%s in the found list" % word, lambda: find(board.panel, word, "list item", shown=False))
        if first is None:
            first = word
            board.spell(word)  # the same word again is refused, and why
            board.press("Enter")
            heard.wait_for("%s: Word Already in the list" % word)
            board.press("Clear")
        if board.advance():
            offered = "Level target reached: Advance To next Level is offered"
            heard.wait_for(offered)
            if heard.told[heard.told.index(offered) - 1] != scored:
                raise Failure("the word that reached the target was not heard before the offer: %r" % heard.told)
            press(board.advance())
            break
    else:
        raise Failure("the level never ended")

    summary = summary or wait_for("the level summary", lambda: find(app, "Game Statistics", "dialog"))
    text = wait_for("the summary's text", lambda: find(summary, role="label", starts="You completed level 1"))
    print("summary:", text.name)
    press(find(summary, "OK", "push button"))
    wait_for("level 2", lambda: find(board.panel, "Level: 2", "status bar"))

    _, rack = board.rack()
    word = playable(words, rack)[-1]
    board.spell(word)
    board.press("Enter")
    wait_for("%s in the found list" % word, lambda: find(board.panel, word, "list item", shown=False))
    score = board.score()
    board.press("Show Solution")

    prompt = wait_for("the name prompt", lambda: find(app, role="text"))
    prompt.queryEditableText().setTextContents("Listener")
    dialog = prompt.parent
    while dialog.getRoleName() != "dialog":
        dialog = dialog.parent
    press(find(dialog, "OK", "push button"))
    row = wait_for("the Hall of Fame", lambda: find(app, "1. Listener, %d" % score, "label"))
    press(find(row.parent, "OK", "push button"))

    wait_for("the word found, in the results", lambda: find(board.panel, word + ", found", "list item", shown=False))
    if not any(n.name.endswith(", missed") for n in find_all(board.panel, "list item", shown=False)):
        raise Failure("the results name no missed word")
    board.press("Back to Main Menu")
    wait_for("the main menu again", lambda: find(app, "CLASSIC ARCADE", "push button"))
    print("played by ear; heard:", *heard.told, sep="\n  ")


def main():
    words = dictionary_words(sys.argv[1], sys.argv[2])
    heard = Announcements()  # listening before the game starts
    return run(lambda _: play(heard, words))


if __name__ == "__main__":
    sys.exit(main())
