#!/usr/bin/env python3
"""Figures of the languages' word lists in resources/words/<code>/: words
shipped, level (everyday) and bonus words, the median number of level words
a 7-letter rack spells (over every 7-letter level word, or a fixed sample of
600), and the share of the Debian package's words, as the game can spell
them, that the lists ship. Needs the packages that derive-languages.py reads.

  measure-languages.py [LANGUAGE ...]
"""
import collections
import importlib.util
import os
import random
import statistics
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
loader = importlib.util.spec_from_file_location("derive", os.path.join(HERE, "derive-languages.py"))
derive = importlib.util.module_from_spec(loader)
loader.loader.exec_module(derive)


def read(path):
    with open(path, encoding="utf-8") as f:
        return [w.strip() for w in f if w.strip()]


def median_level_words(level):
    by_length = collections.defaultdict(list)
    for w in level:
        by_length[len(w)].append(collections.Counter(w))
    sevens = sorted(w for w in level if len(w) == 7)
    sample = random.Random(7).sample(sevens, min(600, len(sevens)))
    counts = []
    for rack in sample:
        have = collections.Counter(rack)
        counts.append(sum(1 for n in range(3, 8) for c in by_length[n]
                          if all(have[k] >= v for k, v in c.items())))
    return statistics.median(counts)


def main(codes):
    print("| language | level words | bonus words | median level words, 7-letter rack | "
          "package words the game can spell | of them shipped |")
    print("|---|---|---|---|---|---|")
    for code in codes or sorted(derive.LANGUAGES):
        package, source, encoding, _, _, keep, replace = derive.LANGUAGES[code]
        folder = os.path.join(derive.WORDS, code)
        level, bonus = read(os.path.join(folder, "everyday.txt")), read(os.path.join(folder, "bonus.txt"))
        spellable = set()
        with open(os.path.join(derive.DICT, source), encoding=encoding) as f:
            for line in f:
                folded = derive.fold(line.strip(), keep, replace)
                if folded and 3 <= len(folded) <= 8:
                    spellable.add(folded)
        shipped = set(bonus) | set(level)
        print(f"| {code} ({package}) | {len(level)} | {len(bonus)} | {median_level_words(level)} | "
              f"{len(spellable)} | {100 * len(shipped & spellable) / len(spellable):.1f} % |")


if __name__ == "__main__":
    main(sys.argv[1:])
