#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the layout and the launcher: the play
# folder is made with the library copied in, an earlier shipped library is upgraded with a dated
# backup, what the player made is never touched, the program starts there without arguments.
# The program is replaced by a stand-in that reports and exits.
# Usage: launcher_test.sh BUILD_DIR SHIPPED_LIBRARY
set -euo pipefail
build=$1
library=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$scratch/prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/kvadrix libexec/kvadrix/kvadrix libexec/kvadrix/update-library \
  share/kvadrix/sudoku.xml share/kvadrix/sudoku-ids.tsv \
  share/applications/hu.kvadrix.Kvadrix.desktop \
  share/icons/hicolor/scalable/apps/hu.kvadrix.Kvadrix.svg \
  share/metainfo/hu.kvadrix.Kvadrix.metainfo.xml; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
[ -x "$prefix/bin/kvadrix" ] && [ -x "$prefix/libexec/kvadrix/kvadrix" ] || fail "not executable"
cmp -s "$library" "$prefix/share/kvadrix/sudoku.xml" || fail "installed library differs"

cat > "$prefix/libexec/kvadrix/kvadrix" <<'STAND_IN'
#!/bin/sh
echo "$PWD $#"
STAND_IN

# First start: the folder and the library appear.
export HOME="$scratch/home"
unset XDG_DATA_HOME KVADRIX_HOME
play="$HOME/.local/share/kvadrix"
out=$("$prefix/bin/kvadrix" --an argument)
[ "$out" = "$play 0" ] || fail "first start ran as '$out'"
cmp -s "$library" "$play/sudoku.xml" || fail "library not copied"
[ "$(ls -A "$play")" = "sudoku.xml" ] || fail "left behind: $(ls -A "$play")"

# Later starts: the player's files, a library that is no table file included, stay byte for byte.
printf 'own library' > "$play/sudoku.xml"
printf 'players' > "$play/jatekosok.xml"
chmod 600 "$play/jatekosok.xml"
before=$(cd "$play" && ls -la --time-style=full-iso && cat sudoku.xml jatekosok.xml)
out=$("$prefix/bin/kvadrix")
[ "$out" = "$play 0" ] || fail "second start ran as '$out'"
after=$(cd "$play" && ls -la --time-style=full-iso && cat sudoku.xml jatekosok.xml)
[ "$before" = "$after" ] || fail "the player's files changed"

# Files as they stand, times included, and what the launcher said on standard error.
snapshot() { (cd "$1" && ls -la --time-style=full-iso && cat ./*); }
start_in() { KVADRIX_HOME="$1" "$prefix/bin/kvadrix" 2>&1 >/dev/null; }

# The current library: nothing is touched, nothing said.
current="$scratch/current"
mkdir -p "$current"
cp "$library" "$current/sudoku.xml"
touch -d '2020-01-02 03:04:05' "$current/sudoku.xml"
before=$(snapshot "$current")
err=$(start_in "$current")
[ -z "$err" ] || fail "current library: said '$err'"
[ "$before" = "$(snapshot "$current")" ] || fail "current library touched"

# An earlier shipped library (this one without its last puzzle) is replaced; the old file is
# kept beside it under the day's name, and an earlier backup of that name is not overwritten.
older_dir="$scratch/older"
mkdir -p "$older_dir"
sed -E 's|<ROW [^>]*/></ROWDATA>|</ROWDATA>|' "$library" > "$older_dir/sudoku.xml"
cp "$older_dir/sudoku.xml" "$scratch/older.xml"
! cmp -s "$library" "$scratch/older.xml" || fail "no older library to test with"
today=$(date +%F)
printf 'an earlier backup' > "$older_dir/sudoku.xml.$today.bak"
printf 'players' > "$older_dir/jatekosok.xml"
start_in "$older_dir" >/dev/null
cmp -s "$library" "$older_dir/sudoku.xml" || fail "older library not upgraded"
cmp -s "$scratch/older.xml" "$older_dir/sudoku.xml.$today-2.bak" || fail "no backup of the old library"
[ "$(cat "$older_dir/sudoku.xml.$today.bak" "$older_dir/jatekosok.xml")" = "an earlier backupplayers" ] ||
  fail "other files changed"
before=$(snapshot "$older_dir")
err=$(start_in "$older_dir")
[ -z "$err" ] && [ "$before" = "$(snapshot "$older_dir")" ] || fail "upgraded twice"

# A library edited by hand (the first puzzle lost a given) is left alone, with one line why.
edited="$scratch/edited"
mkdir -p "$edited"
sed 's/Mezok="...\([^"]*\)"/Mezok="\1"/' "$library" > "$edited/sudoku.xml"
! cmp -s "$library" "$edited/sudoku.xml" || fail "no edited library to test with"
touch -d '2020-01-02 03:04:05' "$edited/sudoku.xml"
before=$(snapshot "$edited")
err=$(start_in "$edited")
[ "$before" = "$(snapshot "$edited")" ] || fail "edited library touched"
case "$err" in
  *"kézzel módosították"*) ;;
  *) fail "edited library: said '$err'" ;;
esac
[ "$(printf '%s\n' "$err" | wc -l)" -eq 1 ] || fail "edited library: more than one line"

# KVADRIX_HOME and XDG_DATA_HOME choose the folder; a link to the launcher works as well.
KVADRIX_HOME="$scratch/other dir" "$prefix/bin/kvadrix" >/dev/null
cmp -s "$library" "$scratch/other dir/sudoku.xml" || fail "KVADRIX_HOME not used"
mkdir -p "$scratch/games"
ln -s "$prefix/bin/kvadrix" "$scratch/games/kvadrix"
out=$(XDG_DATA_HOME="$scratch/xdg" "$scratch/games/kvadrix")
[ "$out" = "$scratch/xdg/kvadrix 0" ] || fail "through a link ran as '$out'"

# A moved prefix still finds its library and program.
mv "$prefix" "$scratch/moved"
out=$(KVADRIX_HOME="$scratch/third" "$scratch/moved/bin/kvadrix")
[ "$out" = "$scratch/third 0" ] || fail "moved prefix ran as '$out'"
# Without its library the launcher stops, and leaves no half copy behind.
rm "$scratch/moved/share/kvadrix/sudoku.xml"
! KVADRIX_HOME="$scratch/fourth" "$scratch/moved/bin/kvadrix" 2>/dev/null || fail "started without library"
[ -z "$(ls -A "$scratch/fourth")" ] || fail "left behind: $(ls -A "$scratch/fourth")"
echo "launcher: layout and play folder as expected"
