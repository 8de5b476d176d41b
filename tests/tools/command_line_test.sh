#!/usr/bin/env bash
# vorpex-dict from the command line: refusals are clear, output reproducible.
set -u
tool=$1 shipped=$2 list=$3
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

printf 'ant\nbee\nCat\n' > "$dir/bad.txt"
out=$("$tool" build "$dir/bad.txt" "$dir/bad.dict" 2>&1) && fail "a bad list was accepted"
grep -q 'bad.txt:3: "Cat"' <<<"$out" || fail "the refusal does not name line 3: $out"
[ ! -e "$dir/bad.dict" ] || fail "a refused list left a file behind"

"$tool" build "$list" "$dir/again.dict" >/dev/null || fail "the shipped list did not build"
cmp -s "$dir/again.dict" "$shipped" || fail "the same list gave different bytes"

out=$("$tool" puzzle "$shipped" 6 42) || fail "puzzle failed"
grep -q '^rack [A-Z]\{6\} (puzzle 42)$' <<<"$out" || fail "no rack line: $out"
grep -q '^6 letters, [1-9][0-9]* words\?:' <<<"$out" || fail "no 6-letter solutions: $out"

out=$("$tool" puzzle "$shipped" 11 0 2>&1) && fail "an 11-letter rack was accepted"
grep -q 'a rack has 3 to 10 letters, not 11' <<<"$out" || fail "the refusal of 11 letters: $out"

# A list with no word of the asked length says so, and counts read as English.
printf 'ant
' > "$dir/one.txt"
out=$("$tool" build "$dir/one.txt" "$dir/one.dict") || fail "a one-word list did not build"
grep -q ': 1 word, ' <<<"$out" || fail "the count of one word: $out"
out=$("$tool" puzzle "$dir/one.dict" 8 0 2>&1) && fail "a rack of 8 letters from a 3-letter list"
grep -q 'has no word of 8 letters' <<<"$out" || fail "the refusal does not say why: $out"
out=$("$tool" puzzle "$dir/one.dict" 3 0) || fail "the one-word puzzle failed"
grep -q '^3 letters, 1 word: ant$' <<<"$out" || fail "the one-word puzzle: $out"
"$tool" puzzle "$dir/none.dict" 5 0 >/dev/null 2>&1 && fail "a missing dictionary was accepted"
"$tool" list "$dir/bad.txt" >/dev/null 2>&1 && fail "a word list was listed as a dictionary"
[ "$("$tool" list "$shipped" | wc -l)" -eq "$(wc -l < "$list")" ] || fail "list lost words"
# define: a word's senses from the build's definitions, or a clear refusal.
out=$("$tool" define Ran) || fail "define failed"
grep -q '^1\. run (v\.) ' <<<"$out" || fail "ran is not defined through run: $out"
out=$("$tool" define qzxv 2>&1) && fail "a made-up word was defined"
grep -q 'no definition of "qzxv"' <<<"$out" || fail "the refusal of a made-up word: $out"
out=$("$tool" define ant "$dir/none.defs" 2>&1) && fail "a missing definitions file was accepted"
grep -q 'none.defs: cannot be read' <<<"$out" || fail "the refusal of a missing file: $out"
# --help and --version answer on standard output; anything else unknown is refused with status 2.
out=$("$tool" --version) || fail "--version failed"
grep -q '^vorpex-dict [0-9][0-9.]*$' <<<"$out" || fail "--version: $out"
out=$("$tool" --help) || fail "--help failed"
[ "$(grep -c '^ *\(usage: \)\?vorpex-dict ' <<<"$out")" -eq 5 ] || fail "--help is not a line a command: $out"
"$tool" --bogus >/dev/null 2>&1
[ $? -eq 2 ] || fail "an unknown option did not end with status 2"
echo "command line checks passed"
