#!/usr/bin/env python3
"""The shipped English word lists: derived from SCOWL exactly as committed
(when SCOWL is installed), sorted, no slur in any of them, nothing rude in
an everyday list, and the classic list today's list less the slurs."""
import os
import subprocess
import sys
import tempfile

TOP = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
WORDS = os.path.join(TOP, "resources", "words")
LISTS = ("english.txt", "everyday-american.txt", "everyday-british.txt", "bonus.txt")
failures = []


def check(condition, message):
    if not condition:
        failures.append(message)


def words(name, first_column=False):
    with open(os.path.join(WORDS, name), encoding="utf-8") as f:
        lines = [l.rstrip("\n") for l in f]
    if first_column:
        return {l.split()[0] for l in lines if l.strip() and not l.startswith("#")}
    return lines


slurs = words("slurs.txt", True) | words("exclusions.txt", True)
rude = words("rude.txt", True) | words("naughty-words-en.txt", True)
for name in LISTS:
    listed = words(name)
    check(listed == sorted(set(listed)), f"{name} is not sorted with each word once")
    shipped = slurs & set(listed)
    check(not shipped, f"{name} ships slurs: {sorted(shipped)}")
for name in ("everyday-american.txt", "everyday-british.txt"):
    shown = rude & set(words(name))
    check(not shown, f"{name} would put rude words on the board: {sorted(shown)}")
# Named, so that a change of the lists that lets one back in is seen here.
for slur in ("wetback", "wetbacks", "redskin", "redskins", "squaw", "squaws", "coolie", "coolies",
             "gyp", "gyps", "gypped", "gypping"):
    check(slur in slurs, f"{slur} is not listed as a slur")
for word in ("cock", "tart", "prick", "rapist"):
    check(word in rude and word not in slurs, f"{word} should be kept as a bonus word only")
    check(word in set(words("bonus.txt")), f"{word} is not a bonus word")
check(len(set(words("everyday-american.txt")) & {"color", "honor"}) == 2 and
      not set(words("everyday-american.txt")) & {"colour", "honour"}, "American spellings are not American")
check(len(set(words("everyday-british.txt")) & {"colour", "honour"}) == 2 and
      not set(words("everyday-british.txt")) & {"color", "honor"}, "British spellings are not British")

scowl = os.environ.get("SCOWL_DIR", "/usr/share/dict/scowl")
if os.path.isdir(scowl):
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([sys.executable, os.path.join(TOP, "tools", "wordlist", "derive-from-scowl.py"), "--out", out],
                       check=True, stdout=subprocess.DEVNULL)
        for name in LISTS:
            with open(os.path.join(out, name), "rb") as a, open(os.path.join(WORDS, name), "rb") as b:
                check(a.read() == b.read(), f"{name} is not what the derivation gives")
else:
    print(f"word_lists_test: {scowl} not found; the derivation is not compared", file=sys.stderr)

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
