#!/usr/bin/env python3
"""The WordNet derivation on a ten-line database: a word WordNet holds, a
suffix rule, an exception-list hit beside a word's own sense, a sense filed
under disparagement left out, a word WordNet lacks, and the same bytes twice."""

import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
SCRIPT = os.path.join(HERE, "..", "..", "tools", "wordlist", "derive-from-wordnet.py")
FIXTURE = os.path.join(HERE, "wordnet-fixture")


def derive(folder, words):
    word_list = os.path.join(folder, "words.txt")
    out = os.path.join(folder, "definitions.txt")
    with open(word_list, "w") as f:
        f.write("\n".join(words) + "\n")
    run = subprocess.run([sys.executable, SCRIPT, "--wordnet", FIXTURE, "--words", word_list, "--out", out],
                         capture_output=True, text=True, check=True)
    with open(out, "rb") as f:
        return f.read(), run.stdout


class Derivation(unittest.TestCase):
    def test_words_are_defined_directly_by_rule_and_by_exception_without_hidden_senses(self):
        with tempfile.TemporaryDirectory() as folder:
            data, report = derive(folder, ["ant", "ants", "runs", "saw", "zzz"])
        lines = [l for l in data.decode().splitlines() if not l.startswith("#")]
        self.assertEqual(lines, [
            "ant\t|n|social insect living in colonies",  # the example sentence dropped
            "ants\tant|n|social insect living in colonies",  # noun rule "s" -> ""
            "runs\trun|v|move fast on foot",  # verb rule "s" -> ""
            # its own noun first, then "see" from verb.exc; the disparaging
            # noun sense is gone
            "saw\t|n|hand tool for cutting\tsee|v|perceive by sight",
        ])
        self.assertIn("4 of 5 words (80.0 %)", report)

    def test_the_same_input_gives_the_same_bytes(self):
        with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
            self.assertEqual(derive(a, ["saw", "ant"])[0], derive(b, ["ant", "saw"])[0])

    def test_a_folder_without_wordnet_is_refused_with_the_package_to_install(self):
        with tempfile.TemporaryDirectory() as folder:
            run = subprocess.run([sys.executable, SCRIPT, "--wordnet", folder, "--out",
                                  os.path.join(folder, "out.txt")], capture_output=True, text=True)
        self.assertNotEqual(run.returncode, 0)
        self.assertIn("wordnet-base", run.stderr)


if __name__ == "__main__":
    unittest.main()
