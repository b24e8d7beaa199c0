#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# slovoset-cli as a command: help and version on standard output with status
# 0, "-" for standard input, export naming on standard error what it replaced.
# Usage: CliTest.sh <slovoset-cli>
set -u
cli="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

out="$("$cli" --help 2>"$dir/err")" || fail "--help exits $?"
[ -s "$dir/err" ] && fail "--help writes to standard error"
for column in word start span chosen listed fragment; do
  grep -q "^  [0-9] $column" <<<"$out" || fail "--help does not document the column $column"
done
[ "$("$cli" --version)" = "slovoset-cli $2" ] || fail "--version: $("$cli" --version)"
"$cli" >/dev/null 2>&1; [ $? -eq 2 ] || fail "no arguments is not a usage error"

text='Мы видели сад ока и тут колокол сна в лесу'
printf '%s\n' "$text" >"$dir/t.txt"
from_file="$("$cli" list "$dir/t.txt")" || fail "list of a file"
from_pipe="$(printf '%s\n' "$text" | "$cli" list -)" || fail "list of standard input"
[ -n "$from_pipe" ] || fail "nothing found in the text"
[ "$from_pipe" = "$from_file" ] || fail "standard input and the file differ"
[ "$(head -1 <<<"$from_pipe" | awk -F'\t' '{print NF}')" = 6 ] || fail "list lines do not have six columns"

"$cli" export --title Лес "$dir/t.txt" "$dir/Лес" 2>"$dir/err1" </dev/null || fail "first export"
[ -s "$dir/err1" ] && fail "a first export reports: $(cat "$dir/err1")"
[ -f "$dir/Лес.html" ] && [ -f "$dir/Лес_ответы.html" ] || fail "export did not write both pages"
"$cli" export --title Лес - "$dir/Лес.html" 2>"$dir/err2" <<<"$text" || fail "second export"
grep -qx "slovoset-cli: replaced $dir/Лес.html" "$dir/err2" || fail "the replaced page is not named"
grep -qx "slovoset-cli: replaced $dir/Лес_ответы.html" "$dir/err2" || fail "the replaced answers page is not named"
echo "slovoset-cli: all checks passed"
