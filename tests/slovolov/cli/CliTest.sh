#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# slovolov-cli as a puzzle maker runs it: every command and option, lists it
# refuses, outputs it cannot write; pages counted and read back with pdftotext.
# Usage: CliTest.sh <slovolov-cli> <version> <its manual page source>
cli="$1"
version="$2"
man_page="$3"
dir=$(mktemp -d)
trap 'chmod -R u+w "$dir"; rm -rf "$dir"' EXIT
cd "$dir" || exit 1
unset DISPLAY WAYLAND_DISPLAY # no display is needed
status=0
fail() { echo "FAIL: $*"; status=1; }
pages() { pdfinfo "$1" 2>/dev/null | sed -n 's/^Pages: *//p'; }
text() { pdftotext -layout "$1" - 2>/dev/null; }
# Lines of the text that are a board row of N letters (blanks between them vary).
# The letters spelled out: a range of Cyrillic letters depends on the locale.
letter='(А|Б|В|Г|Д|Е|Ё|Ж|З|И|Й|К|Л|М|Н|О|П|Р|С|Т|У|Ф|Х|Ц|Ч|Ш|Щ|Ъ|Ы|Ь|Э|Ю|Я)'
rows() { sed 's/ //g' | grep -c -xE "$letter{$1}"; }
# run EXPECTED-EXIT ARGS...: the exit status checked, stderr kept in $err.
run() {
  local want=$1
  shift
  err=$(timeout 60 "$cli" "$@" 2>&1 >/dev/null)
  local rc=$?
  [ "$rc" = "$want" ] || fail "$* exited $rc, not $want: $err"
}

printf 'Осень, 3 класс\nосень\n\nлистопад, журавль\nУрожай\nёжик\n' >autumn.txt

# --help, --version and wrong usage (2, with the usage on standard error).
"$cli" --help | grep -q -- '--all-directions' || fail "--help does not name --all-directions"
[ "$("$cli" --version)" = "slovolov-cli $version" ] || fail "--version: $("$cli" --version)"
run 2
run 2 deal out.pdf
run 2 make
run 2 make --words autumn.txt
run 2 make --words autumn.txt a.pdf b.pdf
run 2 make --words autumn.txt --size 12 out.pdf
grep -q -- '--size takes 10, 15 or 20' <<<"$err" || fail "--size 12: $err"
run 2 make --words autumn.txt --size out.pdf
run 2 make --level 0 out.pdf
run 2 make --level 4 out.pdf
run 2 make --words autumn.txt --level 1 out.pdf
run 2 make --level 2 --all-directions out.pdf
run 2 make --size 15 out.pdf
run 2 make --seed -1 out.pdf
run 2 make --seed 12x out.pdf
run 2 make --colour red out.pdf
grep -q '^usage: slovolov-cli make' <<<"$err" || fail "wrong usage shows no usage: $err"
[ -e out.pdf ] && fail "wrong usage wrote a file"

# An own list: one page, the title, the rule and every word; answers on a second.
run 0 make --words autumn.txt --seed 1 own
[ "$(pages own.pdf)" = 1 ] || fail "own puzzle: $(pages own.pdf) pages"
t=$(text own.pdf)
grep -q 'Осень, 3 класс' <<<"$t" || fail "the list's title is not on the page"
grep -q 'Найдите 5 слов' <<<"$t" || fail "the rule does not count 5 words"
grep -q 'сверху слева вниз' <<<"$t" || fail "the rule names other directions without --all-directions"
for w in '1) ЛИСТОПАД' '2) ЖУРАВЛЬ' '3) УРОЖАЙ' '4) ОСЕНЬ' '5) ЁЖИК'; do
  grep -q "$w" <<<"$t" || fail "the list lacks $w"
done
run 0 make --words autumn.txt --seed 1 --answers --title 'Листья' --size 20 --all-directions own.pdf
grep -q 'replaced own.pdf' <<<"$err" || fail "replacing says nothing: $err"
[ "$(pages own.pdf)" = 2 ] || fail "with answers: $(pages own.pdf) pages"
t=$(text own.pdf)
grep -q 'Листья: ответы' <<<"$t" || fail "--title or the answers page is missing"
grep -q 'по обеим диагоналям' <<<"$t" || fail "--all-directions is not in the rule"
[ "$(rows 20 <<<"$t")" = 40 ] || fail "not 20 rows of 20 letters on each page: $(rows 20 <<<"$t")"

# Standard input, and a seed that gives the same board every time.
printf 'Семья\nмама, папа, бабушка, дедушка\n' | "$cli" make --words - --seed 42 a.pdf 2>/dev/null || fail "standard input"
printf 'Семья\nмама, папа, бабушка, дедушка\n' | "$cli" make --words - --seed 42 b.pdf 2>/dev/null
printf 'Семья\nмама, папа, бабушка, дедушка\n' | "$cli" make --words - --seed 43 c.pdf 2>/dev/null
[ -n "$(text a.pdf)" ] && [ "$(text a.pdf)" = "$(text b.pdf)" ] || fail "one seed gave two boards"
[ "$(text a.pdf)" != "$(text c.pdf)" ] || fail "two seeds gave one board"
run 0 make --level 2 --seed 42 d.pdf
run 0 make --level 2 --seed 42 e.pdf
[ "$(text d.pdf)" = "$(text e.pdf)" ] || fail "one seed dealt two level boards"

# Dealt from the game's lists: each level's grid and word count; a theme.
for level in 1:10:6 2:15:12 3:20:20; do
  IFS=: read -r l side words <<<"$level"
  run 0 make --level "$l" "level$l.pdf"
  t=$(text "level$l.pdf")
  grep -q "Найдите $words слов" <<<"$t" || fail "level $l does not count $words words"
  grep -q '^Словолов$\|^ *Словолов *$' <<<"$t" || fail "level $l has no title"
  [ "$(rows "$side" <<<"$t")" = "$side" ] || fail "level $l is not $side x $side: $(rows "$side" <<<"$t")"
done
run 0 make --theme 'Животные' --seed 3 animals.pdf
[ "$(pages animals.pdf)" = 1 ] || fail "a theme's puzzle"
run 1 make --theme 'Нет такой' x.pdf
grep -q 'no theme Нет такой (themes: .*Животные' <<<"$err" || fail "an unknown theme: $err"

# Lists refused, the word and its line named.
printf 'Т\nлиса\nлист0пад\nя\n' >bad.txt
run 1 make --words bad.txt x.pdf
grep -q 'Строка 3: «лист0пад» - в слове не только русские буквы' <<<"$err" || fail "a bad word: $err"
grep -q 'Строка 4: «я» - слово короче 2 букв' <<<"$err" || fail "a short word: $err"
printf 'Т\nбарабанщик\nлиса\n' >long.txt
run 1 make --words long.txt x.pdf
grep -q 'На поле 10×10 помещаются слова не длиннее 9 букв. Не помещаются: БАРАБАНЩИК.' <<<"$err" || fail "too long: $err"
run 0 make --words long.txt --size 15 x.pdf
printf 'Только заголовок\n' >empty.txt
run 1 make --words empty.txt x.pdf
grep -q 'В списке нет ни одного слова.' <<<"$err" || fail "an empty list: $err"
printf '\x89PNG\r\n\x1a\n\0\0\0\0' >picture.txt
run 1 make --words picture.txt x.pdf
grep -q 'не похож на текст' <<<"$err" || fail "no text: $err"
run 1 make --words none.txt x.pdf
grep -q 'none.txt: ' <<<"$err" || fail "a missing list: $err"
run 1 make --words "$dir" x.pdf
grep -q 'not a regular file' <<<"$err" || fail "a folder as the list: $err"
[ -e x.pdf ] && [ "$(pages x.pdf)" = 1 ] || fail "the good x.pdf was lost by later refusals"

# Outputs that cannot be written; the old file is kept.
run 1 make --words autumn.txt no/such/folder/out.pdf
grep -q 'сохранить не возможно.' <<<"$err" || fail "a missing folder: $err"
mkdir folder.pdf
run 1 make --words autumn.txt folder.pdf
grep -q 'a folder or a device' <<<"$err" || fail "a folder as the output: $err"
cp own.pdf locked.pdf
chmod a-w locked.pdf
run 1 make --words autumn.txt locked.pdf
grep -q 'защищён от записи.' <<<"$err" || fail "a write-protected output: $err"
cmp -s own.pdf locked.pdf || fail "the write-protected file changed"

# --web: the page to play, .html added, the list's title on it, the same
# bytes for the same seed; --clock only with it, --answers only without.
run 2 make --words autumn.txt --web --answers page
run 2 make --words autumn.txt --clock 60 out.pdf
run 2 make --words autumn.txt --web --clock 0 page
run 0 make --words autumn.txt --web --clock 90 --seed 3 page
grep -q '<title>Осень, 3 класс</title>' page.html || fail "the page lacks the list's title"
grep -q '"clock":90,' page.html || fail "the page lacks its clock"
run 0 make --words autumn.txt --web --clock 90 --seed 3 again.html
cmp -s page.html again.html || fail "the same seed gave another page"
run 0 make --level 3 --web --seed 4 level.html
[ "$(grep -o '"w":' level.html | wc -l)" = 20 ] || fail "a level-3 page has not twenty words"

# The manual page names every option.
for option in --words --size --all-directions --title --seed --answers --web --clock --level --theme --help --version; do
  grep -q -- "${option//-/\\\\-}" "$man_page" || fail "the manual page lacks $option"
done
exit $status
