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
grep -q '^6 letters, [1-9][0-9]* words:' <<<"$out" || fail "no 6-letter solutions: $out"

"$tool" puzzle "$shipped" 11 0 >/dev/null 2>&1 && fail "an 11-letter rack was accepted"
"$tool" puzzle "$dir/none.dict" 5 0 >/dev/null 2>&1 && fail "a missing dictionary was accepted"
"$tool" list "$dir/bad.txt" >/dev/null 2>&1 && fail "a word list was listed as a dictionary"
[ "$("$tool" list "$shipped" | wc -l)" -eq "$(wc -l < "$list")" ] || fail "list lost words"
echo "command line checks passed"
