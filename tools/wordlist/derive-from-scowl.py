#!/usr/bin/env python3
"""Regenerates the English word lists in resources/words/ from Debian's SCOWL.

The derived lists are committed, so a build never depends on the SCOWL version
installed on the machine; run this only to refresh them on purpose, then
review the diff. Needs the Debian package `scowl` (SCOWL_DIR overrides where
its files are). Every list keeps lines of lower-case letters a to z only, which
drops proper names, abbreviations, contractions and accented words.

  english.txt             the classic list: the English, American and British
                          "words" files up to size 50, 3 to 10 letters
  everyday-american.txt   the level words of everyday play: English and
  everyday-british.txt    American (or British) files up to size 35, the
                          sizes of words an ordinary speaker knows, without
                          any word that is rude in any sense
  bonus.txt               every word a rack may spell that is taken as a
                          bonus word: all the "words" files of every
                          spelling, variants of the first level included,
                          up to size 70, 3 to 8 letters

exclusions.txt (obscenities and slurs) and slurs.txt are left out of every
list; rude.txt and naughty-words-en.txt out of the everyday lists only.

  derive-from-scowl.py [--out FOLDER]   (resources/words/ unless given)
"""
import os
import re
import sys

TOP = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
WORDS = os.path.join(TOP, "resources", "words")
LETTERS = re.compile(r"^[a-z]+$")

CLASSIC_SIZES = (10, 20, 35, 40, 50)
EVERYDAY_SIZES = (10, 20, 35)
BONUS_SIZES = (10, 20, 35, 40, 50, 55, 60, 70)
BONUS_VARIETIES = ("english", "american", "british", "british_z", "canadian", "australian",
                   "variant_1", "british_variant_1", "canadian_variant_1", "australian_variant_1")


def listed_words(name, reasons=False):
    """The words of a curated list: one a line, '#' comments; with `reasons`
    each word must be followed by why it is listed."""
    words = set()
    with open(os.path.join(WORDS, name), encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            parts = line.split(None, 1)
            if not LETTERS.match(parts[0]) or (reasons and len(parts) < 2):
                sys.exit(f"derive-from-scowl: {name}:{number}: expected a lower-case word"
                         + (" and its reason" if reasons else ""))
            words.add(parts[0])
    return words


def scowl_words(scowl, varieties, sizes, shortest, longest):
    words = set()
    for variety in varieties:
        for size in sizes:
            path = os.path.join(scowl, f"{variety}-words.{size}")
            if not os.path.exists(path):
                if variety == "english" or size <= 50 and variety in ("american", "british"):
                    sys.exit(f"derive-from-scowl: missing {path}")
                continue  # not every variety has every size
            with open(path, encoding="latin-1") as f:
                for line in f:
                    word = line.strip()
                    if shortest <= len(word) <= longest and LETTERS.match(word):
                        words.add(word)
    return words


OUT = WORDS


def write(name, words):
    path = os.path.join(OUT, name)
    with open(path + ".tmp", "w", encoding="ascii", newline="\n") as f:
        f.writelines(w + "\n" for w in sorted(words))
    os.replace(path + ".tmp", path)
    print(f"derive-from-scowl: wrote {len(words)} words to {path}")


def main():
    global OUT
    if len(sys.argv) == 3 and sys.argv[1] == "--out":
        OUT = sys.argv[2]
    elif len(sys.argv) != 1:
        sys.exit(__doc__)
    scowl = os.environ.get("SCOWL_DIR", "/usr/share/dict/scowl")
    if not os.path.isdir(scowl):
        sys.exit(f"derive-from-scowl: {scowl} not found; install the Debian package 'scowl'")
    never = listed_words("exclusions.txt") | listed_words("slurs.txt", reasons=True)
    rude = listed_words("rude.txt", reasons=True) | listed_words("naughty-words-en.txt")

    write("english.txt", scowl_words(scowl, ("english", "american", "british"), CLASSIC_SIZES, 3, 10) - never)
    for spelling in ("american", "british"):
        everyday = scowl_words(scowl, ("english", spelling), EVERYDAY_SIZES, 3, 10)
        write(f"everyday-{spelling}.txt", everyday - never - rude)
    write("bonus.txt", scowl_words(scowl, BONUS_VARIETIES, BONUS_SIZES, 3, 8) - never)


if __name__ == "__main__":
    main()
