#!/usr/bin/env python3
"""The translations: the committed template holds every text the program
marks, the committed table is what the .po files make, no language leaves an
English text where its own word belongs, and the table's maker refuses a .po
file that lacks a text or drops a placeholder."""
import os
import re
import shutil
import subprocess
import sys
import tempfile

TOP = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
FOLDER = os.path.join(TOP, "resources", "translations")
MAKER = os.path.join(TOP, "tools", "translations", "make-translated-texts.py")
UPDATE = os.path.join(TOP, "tools", "translations", "update-translations.sh")
failures = []

# Texts a language writes as English does: names, and words it shares.
SAME_AS_ENGLISH = {"Arcade Vorpex", "OK", "Pause", "PAUSE"}
SAME_IN = {
    "da": {"Level", "Hint", "1 hint", "|1 hints"},
    "de": {"Level", "Level 1", "Level 2", "Level 3", "Level 4", "Level |1. Score |2.", "April", "August", "November",
           "September"},
    "fr": {"Options", "OPTIONS", "Score", "Score |1", "|1 points"},
    "nb": {"Best", "Hint", "1 hint"},
    "nl": {"Score", "Score |1", " %1 Letter %2/%3", "Hint", "1 hint", "|1 hints"},
}


def check(condition, message):
    if not condition:
        failures.append(message)


def entries(path):
    """(msgid, msgstr) of a .po file, header left out, as msgcat prints them."""
    text = subprocess.run(["msgcat", "--no-wrap", path], capture_output=True, text=True, check=True).stdout
    pairs = re.findall(r'^msgid "(.*)"\nmsgstr "(.*)"$', text, re.M)
    return [(i, s) for i, s in pairs if i]


with tempfile.TemporaryDirectory() as scratch:
    template = os.path.join(scratch, "arcade-vorpex.pot")
    subprocess.run([UPDATE, "--check-template", template], check=True)
    with open(template, encoding="utf-8") as a, open(os.path.join(FOLDER, "arcade-vorpex.pot"), encoding="utf-8") as b:
        check(a.read() == b.read(), "arcade-vorpex.pot is not current: run tools/translations/update-translations.sh")

    table = os.path.join(scratch, "translated_texts.inc")
    made = subprocess.run([sys.executable, MAKER, "--out", table], capture_output=True, text=True)
    check(made.returncode == 0, f"the translations do not make a table: {made.stderr}")
    if made.returncode == 0:
        with open(table, "rb") as a, open(os.path.join(FOLDER, "translated_texts.inc"), "rb") as b:
            check(a.read() == b.read(), "translated_texts.inc is not what the .po files make: run the maker")

    for po in sorted(f for f in os.listdir(FOLDER) if f.endswith(".po")):
        code = po[:-3]
        same = {i for i, s in entries(os.path.join(FOLDER, po)) if i == s and re.search("[A-Za-z]", i)}
        left = same - SAME_AS_ENGLISH - SAME_IN.get(code, set())
        check(not left, f"{po} leaves English where its own words belong: {sorted(left)}")

    # A broken copy of the translations is refused, each fault named.
    def refused(change, expected):
        broken = os.path.join(scratch, "broken")
        shutil.rmtree(broken, ignore_errors=True)
        shutil.copytree(FOLDER, broken)
        path = os.path.join(broken, "de.po")
        with open(path, encoding="utf-8") as f:
            text = f.read()
        with open(path, "w", encoding="utf-8") as f:
            f.write(change(text))
        result = subprocess.run([sys.executable, MAKER, "--folder", broken, "--out", os.path.join(scratch, "x.inc")],
                                capture_output=True, text=True)
        check(result.returncode != 0 and expected in result.stderr,
              f"a .po file with {expected!r} was not refused as such: {result.stderr}")

    refused(lambda t: t.replace('msgstr "Rekord"', 'msgstr ""', 1), "does not translate every text")
    refused(lambda t: t.replace('msgstr "|1 Punkte"', 'msgstr "Punkte"', 1), "placeholders")
    refused(lambda t: t.replace('msgstr " %1 Buchst. %2/%3"', 'msgstr "%1 Buchst. %2/%3"', 1), "spaces")
    refused(lambda t: t.replace('msgstr "Stein"', 'msgstr "Stein \u20ac\u0151"', 1), "Windows-1252 lacks")

# Each language's instructions: the English document's sections, tables and
# function keys, in Windows-1252 as the program reads them, marked with the
# language they are written in.
HELP = os.path.join(TOP, "resources", "help")
with open(os.path.join(HELP, "TOLMIN.HTM"), encoding="cp1252") as f:
    english = f.read()
KEYS = re.compile(r"<kbd>(F\d+|Tab|=|Alt|Ctrl|Strg)</kbd>")
for name in sorted(n for n in os.listdir(HELP) if re.fullmatch(r"TOLMIN-[A-Z]{2}\.HTM", n)):
    code = name[7:9].lower()
    with open(os.path.join(HELP, name), "rb") as f:
        raw = f.read()
    try:
        text = raw.decode("cp1252")
    except UnicodeDecodeError:
        failures.append(f"{name} is not Windows-1252")
        continue
    check(f'<html lang="{code}">' in text, f"{name} does not say it is in {code}")
    for tag in ("<h2>", "<table>", "<dl>"):
        check(text.count(tag) == english.count(tag), f"{name} has {text.count(tag)} {tag}, the English {english.count(tag)}")
    keys = set(KEYS.findall(english)) - {"Ctrl", "Strg"}
    check(keys <= set(KEYS.findall(text)), f"{name} lacks the keys {sorted(keys - set(KEYS.findall(text)))}")
    check(os.path.exists(os.path.join(FOLDER, code + ".po")), f"{name} is in a language the game has no texts for")

for po in os.listdir(FOLDER):
    if po.endswith(".po"):
        check(os.path.exists(os.path.join(HELP, f"TOLMIN-{po[:-3].upper()}.HTM")), f"{po[:-3]} has no instructions")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
