#!/bin/sh
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
    text=$2
    shift 2
    if "$cli" "$@" >"$work/out" 2>"$work/err"; then fail "$name: succeeded"; return; fi
    grep -q -- "$text" "$work/err" || fail "$name: stderr lacks '$text': $(cat "$work/err")"
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

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "all checks passed"
