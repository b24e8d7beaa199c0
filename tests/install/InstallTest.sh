#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed tree for an arbitrary prefix: entries whose Exec= names that
# prefix, launcher and folder links that resolve, the install marker, only
# shipped data, and a manifest from which everything installed can be removed.
# Usage: InstallTest.sh <build folder>
set -u
build="$1"
dir="$(mktemp -d)"
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
prefix="$dir/opt/мои игры" # a blank must be quoted in Exec=

# A player's file in the build tree's data folder must not be installed.
touch "$build/slovolov/Data/партия.slv"
trap 'rm -rf "$dir" "$build/slovolov/Data/партия.slv"' EXIT
# The component's own manifest, so a developer's install_manifest.txt stays.
cmake -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_INSTALL_COMPONENT=Unspecified \
      -P "$build/cmake_install.cmake" >"$dir/log" 2>&1 || { cat "$dir/log"; fail "install"; }
manifest="$build/install_manifest_Unspecified.txt"

for program in slovolov slovoset bukvoklad; do
  Id="$(tr '[:lower:]' '[:upper:]' <<<"${program:0:1}")${program:1}"
  entry="$prefix/share/applications/org.smekalia.$Id.desktop"
  [ -f "$entry" ] || fail "no entry for $program"
  exec_line="$(grep '^Exec=' "$entry")"
  case "$exec_line" in
    "Exec=\"$prefix/games/$program\""|"Exec=\"$prefix/games/$program\" %f") ;;
    *) fail "$program: $exec_line" ;;
  esac
  desktop-file-validate "$entry" || fail "$program: the installed entry is not valid"
  grep -qx "StartupWMClass=$program" "$entry" || fail "$program: no StartupWMClass"
  [ -x "$prefix/games/$program" ] || fail "$program: the launcher does not reach the program"
  [ "$(readlink -f "$prefix/games/$program")" = "$prefix/lib/smekalia/$program/$program" ] || fail "$program: launcher target"
  [ -f "$prefix/lib/smekalia/$program/Data/installed" ] || fail "$program: no install marker in Data/"
  [ -n "$(ls "$prefix/lib/smekalia/$program/Справка/")" ] || fail "$program: no help page"
  [ -L "$prefix/lib/smekalia/$program/Data" ] || fail "$program: Data/ is not a link into share/"
  for f in "$prefix/games/$program" "$entry" "$prefix/lib/smekalia/$program/Data"; do
    grep -qxF "$f" "$manifest" || fail "$f is not in the manifest"
  done
  ls "$prefix/lib/smekalia/$program/Data/" | grep -qE '\.(ini|html|txt|slv)$' && fail "$program: player files installed"
done
for program in slovolov bukvoklad; do
  [ -f "$prefix/lib/smekalia/$program/Data/Темы/Животные/Слова.5" ] || fail "$program: no themes"
done
[ -x "$prefix/bin/slovoset-cli" ] || fail "slovoset-cli not installed"
[ -x "$prefix/bin/bukvoklad-cli" ] || fail "bukvoklad-cli not installed"
# Through the link in bin/ it finds the game's words beside itself.
"$prefix/bin/bukvoklad-cli" sheet --theme Животные --count 10 --seed 1 "$dir/лист.pdf" || fail "bukvoklad-cli from bin/"
[ -x "$prefix/bin/slovolov-cli" ] || fail "slovolov-cli not installed"
[ -f "$prefix/share/man/ru/man1/slovolov-cli.1.gz" ] || fail "slovolov-cli has no Russian manual page"
# Installed, it finds the game's words beside itself and needs no display.
env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/slovolov-cli" make --level 1 --seed 1 "$HOME/installed.pdf" \
  || fail "the installed slovolov-cli made no puzzle"
[ -f "$prefix/share/doc/smekalia/copyright" ] || fail "no copyright file"
grep -q "Alexander I. Lebedev" "$prefix/share/doc/smekalia/copyright" || fail "no word-list notice"

# Removing what the manifest lists leaves only empty folders.
xargs -d '\n' rm -f <"$manifest"
left="$(find "$prefix" ! -type d)"
[ -z "$left" ] || fail "left after removing the manifest's files: $left"
echo "install tree: all checks passed"
