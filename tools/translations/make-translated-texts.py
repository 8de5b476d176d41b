#!/usr/bin/env python3
"""Makes the program's table of translated texts from the translations.

    make-translated-texts.py [--folder DIR] [--out FILE]

Reads resources/translations/<code>.po for every language of the game (the
order of its Language numbers), checks each with Debian's msgfmt and msgcmp
(every text of arcade-vorpex.pot translated, no fuzzy guess left), checks
that a translation keeps its text's placeholders ("|1", "%1"), line breaks
and the spaces around it,
and writes the C++ table that game/session/translations.cpp includes, its
texts in Windows-1252 bytes. The same translations always give the same bytes.
"""
import argparse
import gettext
import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
FOLDER = os.path.join(ROOT, "resources", "translations")
OUT = os.path.join(FOLDER, "translated_texts.inc")
# By Language number: English (0) is the key and has no table of its own.
CODES = ["ca", "da", "de", "es", "fr", "gl", "it", "nb", "nl", "pt", "sv"]
PLACEHOLDER = re.compile(r"\|[1-9]|%[1-9]")


def fail(message):
    sys.exit("make-translated-texts: " + message)


def catalog(folder, code):
    """The checked translations of one language, English text to translation."""
    po = os.path.join(folder, code + ".po")
    template = os.path.join(folder, "arcade-vorpex.pot")
    if not os.path.exists(po):
        fail(f"{po} is missing")
    compare = subprocess.run(["msgcmp", po, template], capture_output=True, text=True)
    if compare.returncode != 0:
        fail(f"{code}.po does not translate every text of arcade-vorpex.pot:\n{compare.stderr}")
    with tempfile.TemporaryDirectory() as scratch:
        mo = os.path.join(scratch, code + ".mo")
        checked = subprocess.run(["msgfmt", "--check", "--statistics", "-o", mo, po], capture_output=True, text=True)
        if checked.returncode != 0:
            fail(f"{code}.po:\n{checked.stderr}")
        if "fuzzy" in checked.stderr or "untranslated" in checked.stderr:
            fail(f"{code}.po: {checked.stderr.strip()}")
        with open(mo, "rb") as f:
            texts = dict(gettext.GNUTranslations(f)._catalog)
    texts.pop("", None)
    for english, text in texts.items():
        if not english.isascii():
            fail(f"{code}.po: the English text {english!r} is not ASCII")
        if sorted(PLACEHOLDER.findall(english)) != sorted(PLACEHOLDER.findall(text)):
            fail(f"{code}.po: {text!r} does not keep the placeholders of {english!r}")
        if (english[:1] == " ", english[-1:] == " ") != (text[:1] == " ", text[-1:] == " "):
            fail(f"{code}.po: {text!r} does not keep the spaces that begin or end {english!r}")
        if english.count("\n") != text.count("\n"):
            fail(f"{code}.po: {text!r} does not keep the line breaks of {english!r}")
        try:
            text.encode("cp1252")
        except UnicodeEncodeError as error:
            fail(f"{code}.po: {text!r} has a character Windows-1252 lacks ({error.object[error.start]!r})")
    return texts


def c_string(text, encoding):
    """A C string literal of the text's bytes: octal escapes never run on."""
    out = []
    for byte in text.encode(encoding):
        char = chr(byte)
        if char in '"\\':
            out.append("\\" + char)
        elif char == "\n":
            out.append("\\n")
        elif 32 <= byte < 127:
            out.append(char)
        else:
            out.append("\\%03o" % byte)
    return '"' + "".join(out) + '"'


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--folder", default=FOLDER, help="the .po files and arcade-vorpex.pot")
    parser.add_argument("--out", default=OUT)
    args = parser.parse_args()
    lines = [
        "// Made by tools/translations/make-translated-texts.py from",
        "// resources/translations/<code>.po; edit those and run it again.",
        "// Each table is sorted by its English bytes; its texts are Windows-1252.",
        "",
    ]
    names = []
    for code in CODES:
        texts = catalog(args.folder, code)
        name = "k" + code.capitalize() + "Texts"
        names.append(name)
        lines.append(f"constexpr Translation {name}[] = {{")
        for english in sorted(texts, key=lambda e: e.encode("ascii")):
            lines.append(f"    {{{c_string(english, 'ascii')}, {c_string(texts[english], 'cp1252')}}},")
        lines.append("};")
        lines.append("")
    lines.append("// By Language number; English's is empty.")
    lines.append("constexpr std::span<const Translation> kTranslationTables[] = {")
    lines.append("    {},")
    for name in names:
        lines.append(f"    {name},")
    lines.append("};")
    with open(args.out, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
