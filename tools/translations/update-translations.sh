#!/usr/bin/env bash
# Gathers the program's texts into resources/translations/arcade-vorpex.pot
# with xgettext, brings every language's .po file up to it with msgmerge (a
# new text comes in untranslated, a text gone is kept as obsolete), and makes
# the program's table again. Run it after adding or changing a text; the
# translations' test fails until every .po translates every text.
#
#   tools/translations/update-translations.sh [--check-template FILE]
#
# With --check-template, only writes the template to FILE (for the test that
# the committed one is current).
set -euo pipefail
cd "$(dirname "$0")/../.."
template=resources/translations/arcade-vorpex.pot
if [ "${1:-}" = --check-template ]; then template=$2; fi

# Texts are marked where they are used: translated("..."), translated(language,
# "..."), translatedWith("...", ...), translatedText("...") in the windows, and
# N_("...") where a table holds them.
mapfile -t sources < <(git ls-files 'game/*.cpp' 'game/*.h' resources/text_table.h | LC_ALL=C sort)
xgettext --language=C++ --from-code=UTF-8 --omit-header --no-location --sort-output --no-wrap \
  --add-comments=TRANSLATORS: \
  --keyword=translated:1,1t --keyword=translated:2,2t --keyword=translatedWith:1 \
  --keyword=translatedText:1 --keyword=translatedMessage:1 --keyword=N_:1 \
  -o "$template" "${sources[@]}"
[ "${1:-}" = --check-template ] && exit 0

for po in resources/translations/*.po; do
  msgmerge --quiet --update --backup=off --no-fuzzy-matching --no-wrap --sort-output "$po" "$template"
done
python3 tools/translations/make-translated-texts.py
