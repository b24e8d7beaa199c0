#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# slovoset-cli refuses what is not a text file it can read, at once and with
# a clear error: a device, a pipe (never waiting for a writer), a folder and
# a file over the bound.
cli="$1"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail=0
expect() { # what, pattern, args...
  what=$1 pattern=$2
  shift 2
  err=$(timeout 10 "$cli" "$@" 2>&1 >/dev/null)
  rc=$?
  if [ "$rc" -ne 1 ] || ! printf '%s' "$err" | grep -q "$pattern"; then
    echo "FAIL $what: exit $rc, stderr: $err"
    fail=1
  fi
}
mkfifo "$dir/pipe"
truncate -s 1G "$dir/huge.txt"
truncate -s 16777217 "$dir/over.txt"
expect "/dev/zero" "not a regular file" list /dev/zero
expect "a pipe" "not a regular file" list "$dir/pipe"
expect "a folder" "not a regular file" list "$dir"
expect "1 GB" "larger than 16 MB" list "$dir/huge.txt"
expect "16 MB and a byte" "larger than 16 MB" export --title T "$dir/over.txt" "$dir/out.html"
err=$(timeout 10 "$cli" list - </dev/zero 2>&1 >/dev/null)
rc=$?
if [ "$rc" -ne 1 ] || ! printf '%s' "$err" | grep -q "larger than 16 MB"; then
  echo "FAIL /dev/zero on standard input: exit $rc, stderr: $err"
  fail=1
fi
expect "a missing file" "none.txt: " list "$dir/none.txt"
exit $fail
