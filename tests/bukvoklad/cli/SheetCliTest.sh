#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# bukvoklad-cli as a command: usage errors with status 2, file problems with
# 1, and worksheets whose pages and text are checked with pdfinfo/pdftotext.
# Usage: SheetCliTest.sh <bukvoklad-cli> <version>
set -u
cli="$1"
dir="$(mktemp -d)"
trap 'chmod -R u+w "$dir"; rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
pages() { pdfinfo "$1" | awk '/^Pages:/ {print $2}'; }
page() { pdftotext -f "$2" -l "$2" "$1" -; }

out="$("$cli" --help 2>"$dir/err")" || fail "--help exits $?"
[ -s "$dir/err" ] && fail "--help writes to standard error"
for option in --words --length --theme --count --seed --web; do
  grep -q -- "$option" <<<"$out" || fail "--help does not document $option"
done
[ "$("$cli" --version)" = "bukvoklad-cli $2" ] || fail "--version: $("$cli" --version)"

usage_error() {
  "$cli" "$@" >/dev/null 2>"$dir/err"; local status=$?
  [ $status -eq 2 ] || fail "$* exits $status, not 2"
  grep -q "^usage:" "$dir/err" || fail "$* shows no usage"
}
usage_error
usage_error print x.pdf
usage_error sheet
usage_error sheet a.pdf b.pdf
usage_error sheet --bold a.pdf
usage_error sheet --length 2 a.pdf
usage_error sheet --length 20 a.pdf
usage_error sheet --count 9 a.pdf
usage_error sheet --count 31 --words - a.pdf
usage_error sheet --seed -1 a.pdf
usage_error sheet --words - --length 5 a.pdf
usage_error sheet --theme "Нет такой" a.pdf
usage_error sheet --count
[ -e a.pdf ] && fail "a usage error wrote a file"

# The game's words: a seed gives the same sheet, another seed another one.
"$cli" sheet --length 6 --count 10 --seed 7 "$dir/a.pdf" 2>"$dir/err" || fail "sheet of six-letter words"
[ -s "$dir/err" ] && fail "a first sheet reports: $(cat "$dir/err")"
[ "$(pages "$dir/a.pdf")" = 2 ] || fail "ten rows of six letters are not one page and its answers"
page "$dir/a.pdf" 1 | grep -q "Буквоклад: составьте из букв слова" || fail "no heading on the puzzle page"
page "$dir/a.pdf" 1 | grep -q "^10\." || fail "no tenth row"
page "$dir/a.pdf" 1 | grep -q "^11\." && fail "an eleventh row"
page "$dir/a.pdf" 2 | grep -q "^Ответы" || fail "no answers page"
"$cli" sheet --length 6 --count 10 --seed 7 "$dir/b.pdf" || fail "sheet again"
[ "$(pdftotext "$dir/a.pdf" -)" = "$(pdftotext "$dir/b.pdf" -)" ] || fail "the same seed gave another sheet"
"$cli" sheet --length 6 --count 10 --seed 8 "$dir/b.pdf" 2>"$dir/err" || fail "sheet with another seed"
grep -qx "bukvoklad-cli: replaced $dir/b.pdf" "$dir/err" || fail "the replaced file is not named"
[ "$(pdftotext "$dir/a.pdf" -)" = "$(pdftotext "$dir/b.pdf" -)" ] && fail "another seed gave the same sheet"
# Thirty rows of cells a child can write in take two pages, and their answers two more.
"$cli" sheet --length 5 --count 30 --seed 1 "$dir/c.pdf" || fail "thirty rows"
[ "$(pages "$dir/c.pdf")" = 4 ] || fail "thirty rows: $(pages "$dir/c.pdf") pages"
page "$dir/c.pdf" 2 | grep -q "^30\." || fail "the thirtieth row is not on the second page"
"$cli" sheet --theme Птицы --count 10 --seed 2 "$dir/d.pdf" || fail "sheet of a theme"
page "$dir/d.pdf" 1 | grep -q "^Птицы: составьте из букв слова" || fail "the theme does not head the sheet"
"$cli" themes | grep -qx "Птицы" || fail "themes does not list Птицы"

# An own list: one row per word, however short, the title on top; standard input alike.
printf 'Осень\n\nосень, листопад\nЖуравль\nёжик\n' >"$dir/list.txt"
"$cli" sheet --words "$dir/list.txt" --seed 3 "$dir/e.pdf" || fail "sheet of a list"
[ "$(pages "$dir/e.pdf")" = 2 ] || fail "a short list is not one page and its answers"
page "$dir/e.pdf" 1 | grep -q "^Осень" || fail "the list's title does not head the sheet"
page "$dir/e.pdf" 1 | grep -q "^4\." || fail "no fourth row"
page "$dir/e.pdf" 1 | grep -q "^5\." && fail "a fifth row from a list of four"
answers="$(page "$dir/e.pdf" 2 | tr -d ' \n')"
for word in ОСЕНЬ ЛИСТОПАД ЖУРАВЛЬ ЁЖИК; do
  grep -q "$word" <<<"$answers" || fail "$word is not among the answers"
done
"$cli" sheet --words - --seed 3 "$dir/f.pdf" <"$dir/list.txt" || fail "a list on standard input"
[ "$(pdftotext "$dir/e.pdf" -)" = "$(pdftotext "$dir/f.pdf" -)" ] || fail "standard input and the file differ"
"$cli" sheet --words "$dir/list.txt" --count 2 "$dir/g.pdf" || fail "--count of a list"
page "$dir/g.pdf" 1 | grep -q "^3\." && fail "--count 2 gave a third row"
{ echo "Много"; for a in А Б В Г Д Е Ж; do for b in К Л М Н О; do echo "$a$b$a"; done; done; } >"$dir/many.txt"
"$cli" sheet --words "$dir/many.txt" "$dir/h.pdf" 2>"$dir/err" || fail "a list of more than thirty"
grep -q "the first 30" "$dir/err" || fail "a list cut to thirty is not said"
pdftotext "$dir/h.pdf" - | grep -q "^30\." || fail "no thirtieth row of a long list"
pdftotext "$dir/h.pdf" - | grep -q "^31\." && fail "a thirty-first row"

# --web: the same rows as a page to play, the list's title on top, no word in it.
"$cli" sheet --web --words "$dir/list.txt" --seed 3 "$dir/e.html" || fail "a page of a list"
grep -q '<title>Осень</title>' "$dir/e.html" || fail "the list's title does not head the page"
[ "$(grep -o '{"l":' "$dir/e.html" | wc -l)" = 4 ] || fail "the page has not four rows"
# (ОСЕНЬ is also the title, which the page shows.)
grep -qi -e ЛИСТОПАД -e ЖУРАВЛЬ -e ЁЖИК -e ЕЖИК "$dir/e.html" && fail "the page names an answer"
"$cli" sheet --web --words "$dir/list.txt" --seed 3 "$dir/f.html" 2>/dev/null
cmp -s "$dir/e.html" "$dir/f.html" || fail "the same seed gave another page"

# Lists and outputs that cannot be used: status 1, the word named, nothing written.
printf 'Осень\nлист0пад\nКОТ\n' >"$dir/bad.txt"
"$cli" sheet --words "$dir/bad.txt" "$dir/bad.pdf" 2>"$dir/err"; [ $? -eq 1 ] || fail "a bad word is not a file problem"
grep -q "«лист0пад»" "$dir/err" || fail "the bad word is not named"
[ -e "$dir/bad.pdf" ] && fail "a bad list wrote a PDF"
printf 'Пусто\n' >"$dir/empty.txt"
"$cli" sheet --words "$dir/empty.txt" "$dir/x.pdf" 2>/dev/null; [ $? -eq 1 ] || fail "a list without words"
"$cli" sheet --words "$dir/none.txt" "$dir/x.pdf" 2>/dev/null; [ $? -eq 1 ] || fail "a missing list"
"$cli" sheet --seed 1 "$dir" 2>/dev/null; [ $? -eq 1 ] || fail "a folder as the output"
"$cli" sheet --seed 1 "$dir/no/such/folder.pdf" 2>/dev/null; [ $? -eq 1 ] || fail "an output in a missing folder"
cp "$dir/a.pdf" "$dir/kept.pdf" && chmod a-w "$dir/kept.pdf"
"$cli" sheet --seed 9 "$dir/kept.pdf" 2>/dev/null; [ $? -eq 1 ] || fail "a write-protected output was replaced"
cmp -s "$dir/a.pdf" "$dir/kept.pdf" || fail "the write-protected output changed"
echo "bukvoklad-cli: all checks passed"
