#!/usr/bin/env python3
"""The word lists of the languages beyond English: each sorted by code-page
byte with every word once, in its language's letters and no other, folded as
the language folds, the level words among the bonus words, no slur in either
and nothing rude on a level; and derived from Debian's packages exactly as
committed when those packages are installed."""
import importlib.util
import os
import subprocess
import sys
import tempfile

TOP = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
WORDS = os.path.join(TOP, "resources", "words")
TOOL = os.path.join(TOP, "tools", "wordlist", "derive-languages.py")
loader = importlib.util.spec_from_file_location("derive", TOOL)
derive = importlib.util.module_from_spec(loader)
loader.loader.exec_module(derive)
failures = []

# Letters beyond a to z, and words that show the fold: (present, absent).
EXPECTED = {
    "fr": ("", ["eleve", "ecole", "coeur"], ["élève", "cœur"]),
    "de": ("äöü", ["grün", "strasse", "häuser"], ["straße", "berlin", "anna"]),
    "es": ("ñ", ["niño", "cancion"], ["nino", "canción"]),
    "it": ("", ["citta", "perche"], ["città"]),
    "pt": ("ç", ["coraçao"], ["coração", "coracao"]),
    "nl": ("", ["cafe"], ["café"]),
    "sv": ("åäö", ["flicka", "året"], []),
    "da": ("åæø", ["æble", "kærlig"], []),
    "nb": ("åæø", ["skjønn", "kjærlig"], []),
    "ca": ("ç", ["collegi", "força"], ["col·legi"]),
    "gl": ("ñ", ["niño", "cancion"], ["canción"]),
}


def check(condition, message):
    if not condition:
        failures.append(message)


def read(path):
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f]


for code, (own, present, absent) in EXPECTED.items():
    folder = os.path.join(WORDS, code)
    everyday, bonus = read(os.path.join(folder, "everyday.txt")), read(os.path.join(folder, "bonus.txt"))
    letters = set("abcdefghijklmnopqrstuvwxyz") | set(own)
    _, _, _, _, _, keep, replace = derive.LANGUAGES[code]
    slurs = {derive.fold(w, keep, replace) for w in derive.curated(os.path.join(folder, "slurs.txt"), True)}
    rude = {derive.fold(w, keep, replace) for w in derive.curated(os.path.join(folder, "rude.txt"), True)}
    for name, listed in (("everyday", everyday), ("bonus", bonus)):
        check(listed == sorted(set(listed), key=lambda w: w.encode("cp1252")),
              f"{code}/{name}.txt is not sorted by code-page byte with each word once")
        stray = {ch for w in listed for ch in w} - letters
        check(not stray, f"{code}/{name}.txt holds letters the language does not have: {sorted(stray)}")
        check(all(3 <= len(w) <= 8 for w in listed), f"{code}/{name}.txt holds a word outside 3 to 8 letters")
        check(not slurs & set(listed), f"{code}/{name}.txt ships slurs: {sorted(slurs & set(listed))}")
    check({ch for w in everyday for ch in w} >= set(own), f"{code}: its own letters {own} are not all used")
    check(set(everyday) <= set(bonus), f"{code}: a level word is not a bonus word")
    check(not rude & set(everyday), f"{code}: rude words on a level: {sorted(rude & set(everyday))}")
    check(len(everyday) > 3000, f"{code}: only {len(everyday)} level words")
    for word in present:
        check(word in bonus, f"{code}: {word} is not a word")
    for word in absent:
        check(word not in bonus, f"{code}: {word} is listed")

packages_there = all(os.path.exists(os.path.join(derive.DICT, entry[1])) for entry in derive.LANGUAGES.values())
if packages_there:
    with tempfile.TemporaryDirectory() as out:
        subprocess.run([sys.executable, TOOL, "--out", out], check=True, stdout=subprocess.DEVNULL)
        for code in derive.LANGUAGES:
            for name in ("everyday.txt", "bonus.txt", "COPYRIGHT.txt"):
                with open(os.path.join(out, code, name), "rb") as a, open(os.path.join(WORDS, code, name), "rb") as b:
                    check(a.read() == b.read(), f"{code}/{name} is not what the derivation gives")
else:
    print("language_lists_test: Debian's word-list packages are not all installed; "
          "the derivation is not compared", file=sys.stderr)

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
