#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The one version: in a copy of the source tree whose debian/changelog gets a
# new first entry, every place the build writes a version follows it, with
# the entry's date where a date goes: CMake's project version,
# common/core/Version.h (which the About box and --version print; their own
# tests compare them with it), the manual pages in both languages and the
# metainfo's release. A changelog without a readable entry stops the
# configuration with a message that names it.
# Usage: VersionTest.sh <source folder>
set -u
src="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# What configuring needs, without any build tree of the source folder.
copy() {
  mkdir -p "$1/debian"
  cp -r "$src"/CMakeLists.txt "$src"/cmake "$src"/common "$src"/slovolov "$src"/slovoset \
        "$src"/bukvoklad "$src"/desktop "$src"/data "$1"/
  cp "$src/debian/changelog" "$1/debian/"
}
configure() {
  cmake -S "$1" -B "$1/build" -DBUILD_TESTING=OFF >"$1/log" 2>&1
}

tree="$dir/bumped"
copy "$tree"
{ printf 'smekalia (9.10.3) unstable; urgency=medium\n\n  * A later release.\n\n'
  printf ' -- Someone <someone@example.org>  Mon, 03 Feb 2031 10:00:00 +0100\n\n'
  cat "$src/debian/changelog"; } >"$tree/debian/changelog.new"
mv "$tree/debian/changelog.new" "$tree/debian/changelog"
configure "$tree" || { cat "$tree/log"; fail "configuring the bumped copy"; }
b="$tree/build"

grep -qx 'CMAKE_PROJECT_VERSION:STATIC=9.10.3' "$b/CMakeCache.txt" || fail "project version"
grep -qxF 'inline constexpr char kVersion[] = "9.10.3";' "$b/generated/common/core/Version.h" ||
  fail "Version.h: $(grep kVersion "$b/generated/common/core/Version.h")"
find "$b" -path '*/man/*' -name '*.[16]' >"$dir/pages"
pages=0
while IFS= read -r page; do
  pages=$((pages + 1))
  th="$(grep '^\.TH ' "$page")"
  case "$th" in
    *' "2031-02-03" "Smekalia 9.10.3" '*|*' "2031-02-03" "Смекалия 9.10.3" '*) ;;
    *) fail "$page: $th" ;;
  esac
done <"$dir/pages"
# Every page of the sources, in English and in Russian.
sources=$(ls "$src"/desktop/*.[16] "$src"/desktop/ru/*.[16] | wc -l)
((sources >= 10 && pages == sources)) || fail "$pages manual pages, not the sources' $sources"
find "$b" -name '*.metainfo.xml' >"$dir/infos"
infos=0
while IFS= read -r info; do
  infos=$((infos + 1))
  releases="$(grep -c '<release ' "$info")"
  ((releases == 1)) || fail "$info: $releases releases"
  grep -qF '<release version="9.10.3" date="2031-02-03"/>' "$info" || fail "$info: $(grep '<release ' "$info")"
done <"$dir/infos"
((infos == 6)) || fail "$infos metainfo files, not 6"

# A first entry without a date is refused, naming the file.
tree="$dir/broken"
copy "$tree"
sed -i '0,/^ -- /s/^ -- .*/ -- Someone <someone@example.org>  sometime/' "$tree/debian/changelog"
configure "$tree" && fail "a changelog without a date was accepted"
grep -q 'debian/changelog: no date' "$tree/log" || { cat "$tree/log"; fail "no message about the changelog"; }
echo "version: all checks passed"
