#!/usr/bin/env python3
"""Measures what a player meets in a word list, as a new player would: 60
puzzles (15 rack words of each length 5 to 8, drawn with a fixed seed), and
for each, its level words against SCOWL's everyday sizes (up to 35), and the
real words of SCOWL up to sizes 60 and 70 that the rack spells and the game
would refuse. Also the median number of level words of a 7-letter rack over
every 7-letter word, and the slurs a list ships. Needs the Debian package
`scowl`; prints a small report.

  measure-puzzles.py LEVEL-LIST [BONUS-LIST]
"""
import collections
import os
import random
import re
import statistics
import sys

TOP = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SCOWL = os.environ.get("SCOWL_DIR", "/usr/share/dict/scowl")
LETTERS = re.compile(r"^[a-z]{3,8}$")


def read(path):
    with open(path, encoding="latin-1") as f:
        return {w.split()[0] for w in f if w.strip() and not w.startswith("#")}


def scowl(size):
    words = set()
    for variety in ("english", "american", "british"):
        for s in (10, 20, 35, 40, 50, 55, 60, 70):
            path = os.path.join(SCOWL, f"{variety}-words.{s}")
            if s <= size and os.path.exists(path):
                words |= {w for w in read(path) if LETTERS.match(w)}
    return words


def spelled(rack, words_by_letters):
    counts = collections.Counter(rack)
    return [w for w, c in words_by_letters if not c - counts]


def main():
    level = {w for w in read(sys.argv[1]) if LETTERS.match(w)}
    bonus = read(sys.argv[2]) if len(sys.argv) > 2 else set()
    s35, s60, s70 = scowl(35), scowl(60), scowl(70)
    indexed = [(w, collections.Counter(w)) for w in sorted(s70 | level)]
    rng = random.Random(35)
    racks = [w for n in range(5, 9) for w in rng.sample(sorted(x for x in level if len(x) == n), 15)]
    level_words = outside = 0
    refused60 = refused70 = 0
    for rack in racks:
        words = spelled(rack, indexed)
        mine = [w for w in words if w in level]
        level_words += len(mine)
        outside += sum(w not in s35 for w in mine)
        taken = level | bonus
        refused60 += sum(w in s60 and w not in taken for w in words)
        refused70 += sum(w in s70 and w not in taken for w in words)
    print(f"puzzles: {len(racks)}")
    print(f"level words outside SCOWL 35: {outside} of {level_words} ({100 * outside / level_words:.1f} %)")
    print(f"rack words outside SCOWL 35: {sum(r not in s35 for r in racks)} of {len(racks)}")
    print(f"real words refused per puzzle: {refused60 / len(racks):.1f} (SCOWL 60), {refused70 / len(racks):.1f} (SCOWL 70)")
    level_index = [(w, c) for w, c in indexed if w in level]
    sevens = sorted(w for w in level if len(w) == 7)
    print(f"median level words of a 7-letter rack: {statistics.median(len(spelled(r, level_index)) for r in sevens[::7])}")
    slurs = read(os.path.join(TOP, "resources", "words", "slurs.txt"))
    print(f"slurs shipped: {sorted(slurs & (level | bonus)) or 'none'}")


if __name__ == "__main__":
    main()
