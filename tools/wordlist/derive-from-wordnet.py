#!/usr/bin/env python3
"""Derives resources/words/definitions.txt from WordNet 3.0.

The derived file is committed, like the word list, so a build never depends on
WordNet being installed; run this only to refresh the definitions on purpose,
then review the diff. Needs the Debian package `wordnet-base` (or WORDNET_DIR
pointing at a folder with WordNet's index.*, data.* and *.exc files).

  derive-from-wordnet.py [--wordnet DIR] [--words LIST] [--out FILE]

For every word of the list that WordNet knows, directly or through WordNet's
own morphology (the exception lists first, then the rules of detachment, as
its morphy(7WN) page gives them), the file holds up to three senses: part of
speech, base form and gloss, without the gloss's example sentences. Senses
WordNet files under disparagement, ethnic slurs or obscenity, or whose gloss
says it is offensive, are left out.

Output: comment lines starting with '#', then one line per word in byte
order, fields separated by tabs:

  word TAB sense [TAB sense [TAB sense]]
  sense = base-form-or-empty '|' pos-letter '|' gloss

where pos-letter is n, v, a (adjective) or r (adverb), and the base form is
empty when it is the word itself. The same input always gives the same bytes.
"""

import argparse
import os
import re
import sys

POS_FILES = {"n": "noun", "v": "verb", "a": "adj", "r": "adv"}
# When two parts of speech tie, the order a dictionary would list them in.
POS_ORDER = "nvar"

# WordNet's rules of detachment: (suffix, ending) per part of speech.
DETACHMENT = {
    "n": [("s", ""), ("ses", "s"), ("xes", "x"), ("zes", "z"), ("ches", "ch"),
          ("shes", "sh"), ("men", "man"), ("ies", "y")],
    "v": [("s", ""), ("ies", "y"), ("es", "e"), ("es", ""), ("ed", "e"),
          ("ed", ""), ("ing", "e"), ("ing", "")],
    "a": [("er", ""), ("est", ""), ("er", "e"), ("est", "e")],
    "r": [],
}
# Regular inflections WordNet's rules miss and its exception lists do not
# hold every case of: "-ier", "-iest" and "-ied" from "-y", and the doubled
# "l" of British spelling ("weaselling").
EXTRA_DETACHMENT = {
    "n": [],
    "v": [("ied", "y"), ("lling", "l"), ("lled", "l")],
    "a": [("ier", "y"), ("iest", "y")],
    "r": [],
}

# Usage domains whose senses a word game does not show: disparagement,
# ethnic slur, obscenity (the synset of "vulgarism" and "dirty word").
HIDDEN_USAGE_DOMAINS = {"06717170", "06718862", "07124340"}
# Glosses that say so themselves, where WordNet files no usage domain: "an
# offensive term for", "vulgar slang for", "(ethnic slur)". A gloss that only
# uses such a word ("the offensive team") is kept.
HIDDEN_GLOSS = re.compile(
    r"\b(offensive|disparaging|derogatory|contemptuous|obscene|vulgar)"
    r"( and \w+)? (term|terms|name|word|words|slang|expression)\b|\bethnic slur\b", re.I)

MAX_SENSES = 3


class WordNet:
    """The parts of a WordNet database folder the derivation reads."""

    def __init__(self, folder):
        self.folder = folder
        self.index = {}       # (lemma, pos) -> (tagged sense count, [offsets])
        self.exceptions = {}  # (form, pos) -> [base forms]
        self.data = {}        # pos -> {offset: line}, read on demand
        for pos, name in POS_FILES.items():
            self._read_index(pos, os.path.join(folder, "index." + name))
            self._read_exceptions(pos, os.path.join(folder, name + ".exc"))

    def _read_index(self, pos, path):
        if not os.path.exists(path):
            return  # a database without this part of speech
        for line in read_lines(path):
            if line.startswith(" "):
                continue  # the licence at the top of every database file
            fields = line.split()
            lemma, synset_count, pointer_count = fields[0], int(fields[2]), int(fields[3])
            tagged = int(fields[5 + pointer_count])
            offsets = fields[6 + pointer_count:6 + pointer_count + synset_count]
            self.index[(lemma, pos)] = (tagged, offsets)

    def _read_exceptions(self, pos, path):
        if not os.path.exists(path):
            return
        for line in read_lines(path):
            fields = line.split()
            if len(fields) >= 2:
                self.exceptions.setdefault((fields[0], pos), []).extend(fields[1:])

    def synset(self, pos, offset):
        if pos not in self.data:
            table = {}
            for line in read_lines(os.path.join(self.folder, "data." + POS_FILES[pos])):
                if not line.startswith(" "):
                    table[line[:8]] = line
            self.data[pos] = table
        return parse_synset(self.data[pos][offset])

    def base_forms(self, word, pos):
        """The word's forms that WordNet holds for this part of speech: the
        word itself first, then its exception bases, or else its detachments."""
        forms = [word]
        if (word, pos) in self.exceptions:
            forms += self.exceptions[(word, pos)]
        else:
            for suffix, ending in DETACHMENT[pos] + EXTRA_DETACHMENT[pos]:
                if word.endswith(suffix) and len(word) > len(suffix):
                    forms.append(word[:-len(suffix)] + ending)
        seen = []
        for form in forms:
            if (form, pos) in self.index and form not in seen:
                seen.append(form)
        return seen


def read_lines(path):
    with open(path, encoding="latin-1") as f:
        return f.read().splitlines()


def parse_synset(line):
    """(member words lower-cased with their case kept, usage domains, gloss)."""
    head, _, gloss = line.partition(" | ")
    fields = head.split()
    word_count = int(fields[3], 16)
    members = []
    for i in range(word_count):
        word = re.sub(r"\([a-z]+\)$", "", fields[4 + 2 * i])  # adjective markers
        members.append(word)
    at = 4 + 2 * word_count
    pointer_count = int(fields[at])
    domains = set()
    for i in range(pointer_count):
        symbol, target = fields[at + 1 + 4 * i], fields[at + 2 + 4 * i]
        if symbol == ";u":
            domains.add(target)
    return members, domains, strip_examples(gloss)


def strip_examples(gloss):
    """The definition without the quoted example sentences that follow it."""
    gloss = gloss.strip()
    cut = gloss.find('"')
    if cut >= 0:
        gloss = gloss[:cut]
    return gloss.strip().rstrip(";").strip()


def senses_of(wordnet, word):
    """Up to MAX_SENSES (base, pos, gloss) for a word, most useful first."""
    candidates = []  # (is a base form, -tagged count, pos order, base, pos)
    for pos in POS_ORDER:
        for form in wordnet.base_forms(word, pos):
            tagged, _ = wordnet.index[(form, pos)]
            candidates.append((form != word, -tagged, POS_ORDER.index(pos), form, pos))
    candidates.sort()

    lists = []  # per candidate, its senses in WordNet's order (most frequent first)
    for _, _, _, form, pos in candidates:
        kept = []
        for offset in wordnet.index[(form, pos)][1]:
            members, domains, gloss = wordnet.synset(pos, offset)
            if not gloss or domains & HIDDEN_USAGE_DOMAINS or HIDDEN_GLOSS.search(gloss):
                continue
            # A sense spelled only with a capital ("China" for "china") is a
            # proper name, which the word list leaves out.
            if form in members or not any(m.lower() == form for m in members):
                kept.append((form, pos, gloss))
        lists.append(kept)

    senses = []
    depth = 0
    while len(senses) < MAX_SENSES and any(depth < len(l) for l in lists):
        for l in lists:
            if depth < len(l) and len(senses) < MAX_SENSES and l[depth] not in senses:
                senses.append(l[depth])
        depth += 1
    return senses


def main():
    top = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wordnet", default=os.environ.get("WORDNET_DIR", "/usr/share/wordnet"))
    parser.add_argument("--words", default=os.path.join(top, "resources/words/english.txt"))
    parser.add_argument("--out", default=os.path.join(top, "resources/words/definitions.txt"))
    args = parser.parse_args()

    if not os.path.exists(os.path.join(args.wordnet, "index.noun")):
        sys.exit(f"derive-from-wordnet: {args.wordnet} has no WordNet database; "
                 "install the Debian package 'wordnet-base'")
    wordnet = WordNet(args.wordnet)
    words = sorted(set(w for w in read_lines(args.words) if w and not w.startswith("#")))

    covered = 0
    tmp = args.out + ".tmp"
    with open(tmp, "w", encoding="utf-8", newline="\n") as out:
        out.write("# Arcade Vorpex definitions: up to three senses of each word, from WordNet 3.0.\n")
        out.write("# WordNet 3.0 Copyright 2006 by Princeton University. All rights reserved.\n")
        out.write("# See WORDNET-LICENSE.txt. Made by tools/wordlist/derive-from-wordnet.py.\n")
        for word in words:
            senses = senses_of(wordnet, word)
            if not senses:
                continue
            covered += 1
            fields = [word] + [f"{'' if base == word else base}|{pos}|{gloss}"
                               for base, pos, gloss in senses]
            out.write("\t".join(fields) + "\n")
    os.replace(tmp, args.out)
    share = 100.0 * covered / len(words) if words else 0.0
    print(f"derive-from-wordnet: {covered} of {len(words)} words ({share:.1f} %) "
          f"defined in {args.out}")


if __name__ == "__main__":
    main()
