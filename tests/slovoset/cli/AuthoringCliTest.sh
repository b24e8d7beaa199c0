#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# slovoset-cli as an author runs it: a copy of the tool beside the fixture
# dictionary, so every word found is known. Usage: cliTest.sh TOOL FIXTURES
set -eu
tool=$1
fixtures=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$tool" "$work/slovoset-cli"
cp -r "$fixtures/slovoset/Data" "$work/Data"
cli="$work/slovoset-cli"
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# expect_words NAME "WORD WORD..." ARGS...: the words `list` prints, in order.
expect_words() {
    name=$1
    want=$2
    shift 2
    got=$("$cli" list "$@" | cut -f1 | tr '\n' ' ' | sed 's/ $//') || { fail "$name: exit status"; return; }
    [ "$got" = "$want" ] || fail "$name: got '$got', want '$want'"
}
# expect_error NAME TEXT ARGS...: status 2 or 1 and TEXT on stderr.
expect_error() {
    name=$1
    said=$2
    shift 2
    if "$cli" "$@" >"$work/stdout" 2>"$work/err"; then fail "$name: succeeded"; return; fi
    grep -q -- "$said" "$work/err" || fail "$name: stderr lacks '$said': $(cat "$work/err")"
}

printf 'Ел ка, ле с и кот ик\r\n' >"$work/лес.txt"
text="$work/лес.txt"

# Excluded words: from the command line and from a file (UTF-8 or CP1251),
# any case, Ё as Е; play mode refuses them.
expect_words all "ЕЛКА ЛЕС КОТИК ОТИК ТИК" "$text"
expect_words exclude "ЛЕС ОТИК ТИК" --exclude 'ёлка,Котик' "$text"
printf 'тик\nлес\n' >"$work/excl-utf8.txt"
printf '\341\353\352\340\n' >"$work/excl-cp1251.txt" # "блка": no such word, read without harm
printf '\345\353\352\340\r\n' >>"$work/excl-cp1251.txt" # "елка" in CP1251
expect_words exclude-file "КОТИК ОТИК" --exclude-file "$work/excl-utf8.txt" --exclude-file "$work/excl-cp1251.txt" "$text"
expect_words exclude-both "КОТИК" --exclude отик --exclude-file "$work/excl-utf8.txt" --exclude-file "$work/excl-cp1251.txt" "$text"
expect_words play "ЕЛКА ЛЕС КОТИК" --play "$text"
expect_error play-exclude "not to --play" list --play --exclude лес "$text"
expect_error missing-exclude-file "nothing.txt" list --exclude-file "$work/nothing.txt" "$text"

# utf8 FILE: a CP1251 page as UTF-8.
utf8() { iconv -f CP1251 -t UTF-8 "$1"; }

# Export: the program's pages byte for byte as the window writes them, or
# with --print pages made for printing; --plain names the default.
mkdir "$work/out"
"$cli" export --print --title 'Лес' "$text" "$work/out/лес" || fail "export: exit status"
utf8 "$work/out/лес.html" | grep -q '@page { size: A4' || fail "export: no print style"
utf8 "$work/out/лес.html" | grep -q 'Найдите в тексте спрятанные слова' || fail "export: no instruction"
utf8 "$work/out/лес_ответы.html" | grep -q '<div>1. елка' || fail "export: no numbered answers"
"$cli" export --title 'Лес' "$text" "$work/out/plain" || fail "plain: exit status"
"$cli" export --plain --title 'Лес' "$text" "$work/out/plain2" || fail "--plain: exit status"
cmp -s "$work/out/plain.html" "$work/out/plain2.html" || fail "--plain: not the default pages"
want="<!DOCTYPE HTML PUBLIC '-//W3C//DTD HTML 4.0 Transitional//EN'><html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1251\"><title>Словосеть: Лес</title></head><body topmargin=0 leftmargin=0 rightmargin=0 scroll=no><table width='100%'><td><center><font face='Times New Roman' color='#000000' size='5'>Лес</font></center><font face='Times New Roman' color='#000000' size='4'>Ел ка, ле с и кот ик<br><br><br>Подсказки. Число букв в нужных словах в порядке их появления в тексте: 4,  3,  5,  4,  3</font></td></table></body></html>"
[ "$(utf8 "$work/out/plain.html" | tr -d '\r')" = "$want" ] || fail "plain: not the designed page: $(utf8 "$work/out/plain.html")"
utf8 "$work/out/plain_ответы.html" | grep -q "size='5'>Лес</font></center></td></table><!- up -->" || fail "plain: answers page"

# Batches: a folder of texts, titles from a first line that looks like one
# or from the file name; a file that fails does not stop the others.
mkdir "$work/texts"
printf 'Осенний лес\n\nЕл ка, ле с и кот ик\n' >"$work/texts/осень.txt"
printf 'Ел ка, ле с и кот ик.\n' >"$work/texts/без.txt"
: >"$work/texts/пусто.txt"
if "$cli" export --out-dir "$work/batch" --plain "$work/texts/осень.txt" "$work/texts/пусто.txt" "$work/texts/без.txt" 2>"$work/err"; then
    fail "batch: an empty text went unreported"
fi
grep -q 'пусто.txt: empty text' "$work/err" || fail "batch: no message for the empty text"
utf8 "$work/batch/осень.html" | grep -q "<title>Словосеть: Осенний лес</title>" || fail "batch: title from the first line"
utf8 "$work/batch/осень.html" | grep -q "size='4'>Ел ка, ле с" || fail "batch: the title line stays in the text"
utf8 "$work/batch/без.html" | grep -q "<title>Словосеть: без</title>" || fail "batch: title from the file name"
[ -f "$work/batch/без_ответы.html" ] || fail "batch: no answers page"
[ ! -e "$work/batch/пусто.html" ] || fail "batch: a page for the empty text"
expect_error batch-nothing "at least one text file" export --out-dir "$work/batch"
mkdir "$work/texts2"
printf 'Другой\n\nЕл ка, ле с\n' >"$work/texts2/осень.txt"
expect_error batch-same-name "came earlier" export --out-dir "$work/batch" "$work/texts/осень.txt" "$work/texts2/осень.txt"
utf8 "$work/batch/осень.html" | grep -q "Словосеть: Осенний лес" || fail "batch: the first text's pages were replaced"

# --web: one page to play, no answers page, no word spelled out beyond the
# text; a batch gives one page per text.
"$cli" export --web --title 'Лес <1>' "$text" "$work/web/игра" 2>/dev/null && fail "web: a missing folder went unreported"
mkdir -p "$work/web"
"$cli" export --web --title 'Лес <1>' "$text" "$work/web/игра" || fail "web: exit status"
[ -f "$work/web/игра.html" ] || fail "web: no page"
[ ! -e "$work/web/игра_ответы.html" ] || fail "web: an answers page beside the page to play"
grep -q '<html lang="ru">' "$work/web/игра.html" || fail "web: not the page to play"
grep -q '<title>Словосеть: Лес &lt;1&gt;</title>' "$work/web/игра.html" || fail "web: title not escaped"
sed 's/"segments":\[[^]]*\]//' "$work/web/игра.html" | grep -q -e КОТИК -e ЕЛКА && fail "web: a word is spelled out"
"$cli" export --web --out-dir "$work/webbatch" "$work/texts/осень.txt" "$work/texts/без.txt" || fail "web batch: exit status"
[ "$(ls "$work/webbatch" | sort | tr '\n' ' ')" = "без.html осень.html " ] || fail "web batch: $(ls "$work/webbatch")"

# Stats: name, words kept when created, words hidden in play, kept by length.
got=$("$cli" stats "$work/texts/без.txt" "$work/texts/осень.txt" 2>/dev/null)
want=$(printf '%s\t5\t3\t3:2 4:2 5:1\n%s\t5\t3\t3:2 4:2 5:1' "$work/texts/без.txt" "$work/texts/осень.txt")
[ "$got" = "$want" ] || fail "stats: got '$got'"
got=$("$cli" stats --min-length 4 --exclude отик "$work/texts/без.txt")
[ "$got" = "$(printf '%s\t2\t2\t4:1 5:1' "$work/texts/без.txt")" ] || fail "stats --min-length 4: got '$got'"
if "$cli" stats "$work/texts/пусто.txt" "$work/texts/без.txt" >"$work/stdout" 2>/dev/null; then fail "stats: empty text went unreported"; fi
[ "$(wc -l <"$work/stdout")" -eq 1 ] || fail "stats: the other text is missing"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all checks passed"
