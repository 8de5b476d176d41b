#!/usr/bin/env python3
"""Regenerates the word lists of the languages beyond English, one folder a
language in resources/words/<code>/, from Debian's word-list packages.

The lists are committed, so a build never depends on what is installed; run
this only to refresh them on purpose, then review the diff. The same packages
always give the same bytes (every list is sorted by its code-page bytes).

Each language's folder gets:

  bonus.txt      every word a rack may spell that the game takes as a bonus
                 word: the Debian list (wfrench, wngerman ...) in the game's
                 letters, 3 to 8 letters, without proper nouns, abbreviations,
                 words with digits, apostrophes, hyphens or dots, and without
                 the language's slurs (slurs.txt)
  everyday.txt   the level words of everyday play: the words of bonus.txt
                 that a speaker knows, without anything rude (rude.txt and
                 naughty-words.txt). "Known" is taken from a second Debian
                 package, a dictionary of headwords rather than of forms: the
                 LibreOffice thesaurus of the language (mythes-*, its entries
                 and their one-word synonyms: lemmas such as nouns in the
                 singular and verbs in the infinitive, which leaves the
                 conjugations and rare inflections to the bonus words), for
                 Dutch, which has no thesaurus in Debian, the headwords of
                 FreeDict's Dutch-English dictionary. The thesauri hold few
                 short words, so for German, Italian and Galician the lemmas of
                 up to five letters of the language's Hunspell dictionary are
                 added.
  COPYRIGHT.txt  the Debian copyright file of the word-list package

Letters: each language folds what its players fold (see FOLDS below); a word
holding a letter outside its language's alphabet after folding is dropped.

  derive-languages.py [--out FOLDER] [LANGUAGE ...]   (resources/words/)
"""
import os
import re
import shutil
import sys
import unicodedata

TOP = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
WORDS = os.path.join(TOP, "resources", "words")
DICT = "/usr/share/dict"
MYTHES = "/usr/share/mythes"
HUNSPELL = "/usr/share/hunspell"
FREEDICT = "/usr/share/dictd"

# code: Debian package, its list, the list's encoding, the thesaurus, the
# Hunspell dictionary for short lemmas (or None), letters kept as letters of
# their own, and replacements made before accents fold.
LANGUAGES = {
    "fr": ("wfrench", "french", "utf-8", "th_fr_FR_v2.dat", None, "", {"œ": "oe", "æ": "ae"}),
    "de": ("wngerman", "ngerman", "utf-8", "th_de_DE_v2.dat", "de_DE", "äöü", {"ß": "ss"}),
    "es": ("wspanish", "spanish", "utf-8", "th_es_ES_v2.dat", None, "ñ", {}),
    "it": ("witalian", "italian", "utf-8", "th_it_IT_v2.dat", "it_IT", "", {}),
    "pt": ("wportuguese", "portuguese", "utf-8", "th_pt_PT_v2.dat", None, "ç", {}),
    "nl": ("wdutch", "dutch", "utf-8", None, None, "", {}),
    "sv": ("wswedish", "swedish", "iso-8859-1", "th_sv_SE_v2.dat", None, "åäö", {}),
    "da": ("wdanish", "danish", "utf-8", "th_da_DK.dat", None, "æøå", {}),
    "nb": ("wnorwegian", "bokmaal", "iso-8859-1", "th_nb_NO_v2.dat", None, "æøå", {}),
    "ca": ("wcatalan", "catalan", "utf-8", "th_ca_ES_v3.dat", None, "ç", {"l·l": "ll", "ŀl": "ll"}),
    "gl": ("wgalician-minimos", "galician-minimos", "utf-8", "th_gl_ES_v2.dat", "gl_ES", "ñ", {}),
}
SHORT_LEMMA = 5
NOT_A_WORD = re.compile(r"[\d'’\-./ _]")


def fold(word, keep, replace):
    """`word` in the language's game letters, lower case; None when a letter
    has no place in them (a Greek letter, an ï in Danish ...)."""
    word = word.lower()
    for old, new in replace.items():
        word = word.replace(old, new)
    out = []
    for ch in word:
        if ch in keep or "a" <= ch <= "z":
            out.append(ch)
            continue
        parts = unicodedata.normalize("NFD", ch)
        if not ("a" <= parts[0] <= "z" and all(unicodedata.combining(c) for c in parts[1:])):
            return None
        out.append(parts[0])
    return "".join(out)


def list_words(path, encoding, capitals):
    """The words of a Debian list that can be words of the game: no proper
    nouns (a capital first letter, unless the language capitalises its nouns,
    when `capitals` decides), no abbreviations, digits or punctuation."""
    with open(path, encoding=encoding) as f:
        for line in f:
            word = line.strip()
            if not word or NOT_A_WORD.search(word) or (len(word) > 1 and word.isupper()):
                continue
            if word[0].isupper() and not capitals(word):
                continue
            yield word


def mythes_terms(path):
    """Headwords and one-word synonyms of a thesaurus, in its own encoding
    (its first line), lower-case ones only unless they are all there is."""
    with open(path, "rb") as f:
        encoding = f.readline().decode("ascii").strip().lower().replace("iso8859", "iso-8859")
    terms = set()
    with open(path, encoding=encoding, errors="replace") as f:
        f.readline()
        # An entry: "headword|N", then N lines "(part of speech)|synonym|...".
        for line in f:
            head, _, count = line.rstrip("\n").partition("|")
            fields = [head]
            for _ in range(int(count) if count.strip().isdigit() else 0):
                fields += f.readline().rstrip("\n").split("|")[1:]
            for term in fields:
                term = re.sub(r"\s*\(.*?\)", "", term).strip()
                if term and not NOT_A_WORD.search(term):
                    terms.add(term)
    return terms


def hunspell_lemmas(name):
    with open(os.path.join(HUNSPELL, name + ".dic"), encoding="utf-8", errors="replace") as f:
        f.readline()  # the count
        return {line.split("/")[0].split("\t")[0].strip() for line in f}


def freedict_headwords(name):
    with open(os.path.join(FREEDICT, name + ".index"), encoding="utf-8") as f:
        return {line.split("\t")[0] for line in f if not line.startswith("00")}


def curated(path, reasons):
    """A curated list: one word a line, '#' comments; with `reasons` each word
    is followed by why it is listed."""
    words = set()
    if not os.path.exists(path):
        return words
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.strip()
            if not line or line.startswith("#"):
                continue
            parts = line.split(None, 1)
            if reasons and len(parts) < 2:
                sys.exit(f"{path}:{number}: {parts[0]} has no reason given")
            words.add(parts[0])
    return words


def code_page_order(word):
    return word.encode("cp1252")


def write_list(path, words):
    with open(path + ".tmp", "w", encoding="utf-8", newline="\n") as f:
        for word in sorted(words, key=code_page_order):
            f.write(word + "\n")
    os.replace(path + ".tmp", path)


def derive(code, out):
    package, source, encoding, thesaurus, hunspell, keep, replace = LANGUAGES[code]
    folder = os.path.join(out, code)
    os.makedirs(folder, exist_ok=True)
    here = os.path.join(WORDS, code)
    slurs = {fold(w, keep, replace) for w in curated(os.path.join(here, "slurs.txt"), True)}
    rude = {fold(w, keep, replace) for w in curated(os.path.join(here, "rude.txt"), True)}
    rude |= {fold(w, keep, replace) for w in curated(os.path.join(here, "naughty-words.txt"), False)}

    if thesaurus:
        known = mythes_terms(os.path.join(MYTHES, thesaurus))
    else:
        known = freedict_headwords("freedict-nld-eng")
    if hunspell:
        known |= {w for w in hunspell_lemmas(hunspell) if len(w) <= SHORT_LEMMA}
    known_folded = {fold(w, keep, replace) for w in known} - {None}

    # German writes its nouns with a capital, its proper names too. Hunspell's
    # German dictionary gives a common noun flags for its plural or for
    # compounds (Haus/Tpmij, Frau/MPm, Straße/Nm), a name only its genitive
    # (Anna/S, Berlin/Sm, Hans): a capitalised word is kept when it is such
    # a noun or one of its forms (Hauses, Häuser ...).
    nouns = set()
    if code == "de":
        with open(os.path.join(HUNSPELL, "de_DE.dic"), encoding="utf-8", errors="replace") as f:
            f.readline()
            for line in f:
                stem, _, flags = line.strip().partition("/")
                if stem[:1].isupper() and set(flags) & set("PNETpij"):
                    nouns.add(stem.lower())
    endings = ("", "s", "es", "n", "en", "e", "er", "ern", "ns", "nen")

    def german_noun(word):
        low = word.lower()
        if any(low.endswith(e) and low[: len(low) - len(e)] in nouns for e in endings):
            return True
        # A plural with an umlaut: Häuser of Haus, Mütter of Mutter.
        plain = low.replace("ä", "a").replace("ö", "o").replace("ü", "u")
        return plain != low and any(plain.endswith(e) and plain[: len(plain) - len(e)] in nouns
                                    for e in endings)

    capitals = german_noun if code == "de" else (lambda word: False)
    bonus = set()
    for word in list_words(os.path.join(DICT, source), encoding, capitals):
        folded = fold(word, keep, replace)
        if folded and 3 <= len(folded) <= 8:
            bonus.add(folded)
    bonus -= slurs
    everyday = {w for w in bonus if w in known_folded} - rude

    write_list(os.path.join(folder, "bonus.txt"), bonus)
    write_list(os.path.join(folder, "everyday.txt"), everyday)
    shutil.copyfile(f"/usr/share/doc/{package}/copyright", os.path.join(folder, "COPYRIGHT.txt"))
    print(f"{code}: {len(everyday)} everyday words, {len(bonus)} bonus words from {package}")


def main(argv):
    out = WORDS
    if argv[:1] == ["--out"]:
        out, argv = argv[1], argv[2:]
    for code in argv or sorted(LANGUAGES):
        if code not in LANGUAGES:
            sys.exit(f"derive-languages: no language {code}; the languages are {' '.join(sorted(LANGUAGES))}")
        derive(code, out)


if __name__ == "__main__":
    main(sys.argv[1:])
