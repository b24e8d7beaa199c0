#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# slovoset-cli with texts as authors have them and pages named as given:
# every encoding a text comes in, marks that join their word, fragments as
# written on one line, exact page names, refused outputs, named missing
# values, "--" and the exit statuses (1 a file problem, 2 usage only).
# Usage: TextAndNamesCliTest.sh <slovoset-cli> <its manual page source>
set -u
cli="$1"
man_page="$2"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
cd "$dir" || exit 1
fail() { echo "FAIL: $*" >&2; exit 1; }
status() { "$cli" "$@" >/dev/null 2>"$dir/err"; echo $?; }

# Encodings: the same words from UTF-8, UTF-8 with its mark, UTF-16, Windows-1251 and KOI8-R.
text='Мы видели сад ока и тут колокол сна в лесу'
printf '%s\n' "$text" >utf8.txt
want="$("$cli" list utf8.txt)" || fail "list of UTF-8"
printf '\xEF\xBB\xBF%s\n' "$text" >bom.txt
printf '%s\n' "$text" | iconv -f UTF-8 -t UTF-16 >utf16.txt
printf '%s\n' "$text" | iconv -f UTF-8 -t CP1251 >cp1251.txt
printf '%s\n' "$text" | iconv -f UTF-8 -t KOI8-R >koi8.txt
for f in bom utf16 cp1251 koi8; do
  [ "$("$cli" list $f.txt)" = "$want" ] || fail "$f.txt gives other words"
done

# Rubbish is refused as no text, with exit 1 and no words.
head -c 4000 "$cli" >binary
[ "$(status list binary)" = 1 ] || fail "an executable is taken for a text"
grep -q "не похож на текст" err || fail "no message for an executable: $(cat err)"
printf '%s\0%s\n' "$text" "$text" >nul.txt
[ "$(status list nul.txt)" = 1 ] || fail "a text with a NUL byte is taken"

# Stress marks join their word: the same words, the fragments as written; a
# tab and a line break show as blanks and every line has six columns.
printf 'Мы ви\xCC\x81дели\tса\xCC\x81д\r\nока и тут колокол сна в лесу. Он нашёл к ним\n' >marks.txt
printf 'Мы видели\tсад\r\nока и тут колокол сна в лесу. Он нашел к ним\n' >plain.txt
marked="$("$cli" list marks.txt)" || fail "list of a text with stress marks"
[ "$(cut -f2-5 <<<"$marked")" = "$("$cli" list plain.txt | cut -f2-5)" ] || fail "stress marks change the words"
awk -F'\t' 'NF != 6 { exit 1 }' <<<"$marked" || fail "a fragment breaks the columns: $marked"
grep -q "$(printf '^ЛИСА\t.*\tли са\xcc\x81$')" <<<"$marked" || fail "the stress mark left the fragment: $marked"
grep -q "$(printf '^ДОК\t.*\tд ок$')" <<<"$marked" || fail "the line break is not a blank in the fragment: $marked"
grep -q "$(printf '^ШЁЛК\t.*\tшёл к$')" <<<"$marked" || fail "ё lost in the list: $marked"

# Page names exactly as given: .html or .htm kept, anything else gets .html.
for out in b.html c.HTM d e.txt; do
  "$cli" export --title Лес utf8.txt "$out" 2>err || fail "export to $out: $(cat err)"
done
for page in b.html b_ответы.html c.HTM c_ответы.html d.html d_ответы.html e.txt.html e.txt_ответы.html; do
  [ -f "$page" ] || fail "export did not write $page ($(ls))"
done
[ -e b.html.html ] && fail "b.html became b.html.html"

# Outputs that are no page: refused with exit 1, nothing written beside them.
mkdir folder
for out in . .. folder folder/ /dev/null; do
  [ "$(status export --title Лес utf8.txt "$out")" = 1 ] || fail "export to $out is not refused"
  grep -q "a folder or a device" err || fail "no reason for refusing $out: $(cat err)"
done
[ -e ..html.html ] || [ -e .html ] || [ -e folder.html ] || [ -e /dev/null.html ] && fail "a refused output wrote a page"

# A missing value is named; usage errors are 2, file problems 1.
for option in --min-length --exclude --exclude-file; do
  [ "$(status list $option)" = 2 ] || fail "$option without a value is no usage error"
  grep -q "^slovoset-cli: $option needs " err || fail "$option without a value: $(head -1 err)"
done
for option in --title --out-dir; do
  [ "$(status export $option)" = 2 ] || fail "$option without a value is no usage error"
  grep -q "^slovoset-cli: $option needs " err || fail "$option without a value: $(head -1 err)"
done
[ "$(status list --exclude-file none.txt utf8.txt)" = 1 ] || fail "a missing --exclude-file is no file problem"
grep -q "usage:" err && fail "a missing --exclude-file prints the usage"
: >empty.txt
[ "$(status list --exclude-file empty.txt utf8.txt)" = 0 ] || fail "an empty --exclude-file is refused: $(cat err)"
printf 'ЛИСА\n' | iconv -f UTF-8 -t KOI8-R >koi8-words.txt
[ "$("$cli" list --exclude-file koi8-words.txt utf8.txt)" != "$want" ] || fail "a KOI8-R --exclude-file excludes nothing"
[ "$(status list --bogus utf8.txt)" = 2 ] || fail "an unknown option is no usage error"

# "--" ends the options: a text whose name begins with a hyphen.
cp utf8.txt ./-t.txt
[ "$("$cli" list -- -t.txt)" = "$want" ] || fail "-- does not end the options"
[ "$(status list -t.txt)" = 2 ] || fail "-t.txt without -- is taken for a file"

# --help, the synopsis and the manual page name the same forms.
help="$("$cli" --help)"
for form in "list \[--play\] \[--min-length N\] \[EXCLUDE\] \[--\] FILE" \
            "export --title T \[--print | --web\] \[--min-length N\] \[EXCLUDE\] \[--\] FILE OUT" \
            "export --out-dir DIR \[--title T\] \[--print | --web\] \[--min-length N\] \[EXCLUDE\] \[--\] FILE\.\.\." \
            "stats \[--min-length N\] \[EXCLUDE\] \[--\] FILE\.\.\."; do
  grep -q "slovoset-cli $form" <<<"$help" || fail "--help lacks: $form"
done
synopsis="$(sed -n '/^\.SH SYNOPSIS/,/^\.SH DESCRIPTION/p' "$man_page")"
[ "$(grep -cxF '.RI [ EXCLUDE ]' <<<"$synopsis")" = 4 ] || fail "the manual page's forms do not all take EXCLUDE"
[ "$(grep -cxF '.RB [ \-\- ]' <<<"$synopsis")" = 4 ] || fail "the manual page's forms do not all take --"
grep -A3 -F 'export \-\-out\-dir' <<<"$synopsis" | grep -qF '.RB [ \-\-title' \
  || fail "the manual page's --out-dir form lacks [--title T]"
exit 0
