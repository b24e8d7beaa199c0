#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# An export writes its two pages together or not at all: when the puzzle page
# or the answers page cannot be written, neither changes and nothing is left
# beside them. Usage: ExportPairCliTest.sh TOOL FIXTURES
set -u
tool=$1
fixtures=$2
work=$(mktemp -d)
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
cp "$tool" "$work/slovoset-cli"
cp -r "$fixtures/slovoset/Data" "$work/Data"
cli="$work/slovoset-cli"
printf 'Ел ка, ле с и кот ик\r\n' >"$work/лес.txt"
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
# refused NAME FOLDER: the export into FOLDER/лес fails and leaves the folder as it was.
refused() {
    before=$(ls -A "$2")
    if "$cli" export --title 'Лес' "$work/лес.txt" "$2/лес" 2>"$work/err"; then
        fail "$1: succeeded"
        return
    fi
    [ -s "$work/err" ] || fail "$1: no message"
    [ "$(ls -A "$2")" = "$before" ] || fail "$1: the folder now holds: $(ls -A "$2")"
}

mkdir "$work/protected"
printf 'old page' >"$work/protected/лес.html"
chmod a-w "$work/protected/лес.html"
refused "write-protected puzzle page" "$work/protected"
grep -q 'защищён от записи.' "$work/err" || fail "write-protected: $(cat "$work/err")"
[ "$(cat "$work/protected/лес.html")" = "old page" ] || fail "write-protected: the page changed"

mkdir -p "$work/folder/лес.html"
refused "puzzle page name is a folder" "$work/folder"

mkdir -p "$work/answers/лес_ответы.html"
printf 'old page' >"$work/answers/лес.html"
refused "answers page name is a folder" "$work/answers"
[ "$(cat "$work/answers/лес.html")" = "old page" ] || fail "answers folder: the puzzle page changed"

"$cli" export --title 'Лес' "$work/лес.txt" "$work/answers/другой" || fail "a good export: exit status"
[ -s "$work/answers/другой.html" ] && [ -s "$work/answers/другой_ответы.html" ] || fail "a good export: pages missing"
exit $((failures > 0))
