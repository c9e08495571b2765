#!/usr/bin/env bash
# Builds the Debian package as a release would (cpack) and checks it as Debian does: lintian
# finds no error, warning or note; it depends on what the program runs; its changelog is of
# this version; the menu entry's command is the launcher it installs.
# Usage: package_test.sh BUILD_DIR PACKAGING_SOURCE_DIR
set -euo pipefail
build=$1
source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >/dev/null
debs=("$scratch"/kvadrix_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no package made: $(ls "$scratch")"
deb=${debs[0]}

status=0
report=$(lintian --fail-on error,warning,info --display-info "$deb" 2>&1) || status=$?
echo "$report"
[ $status -eq 0 ] || fail "lintian found the above (exit $status)"

dpkg-deb -f "$deb" Depends | tr ',' '\n' | grep -qx ' *xdg-utils' ||
  fail "no dependency on xdg-utils: $(dpkg-deb -f "$deb" Depends)"
version=$(dpkg-deb -f "$deb" Version)
[ "$(dpkg-parsechangelog -l "$source/changelog" -S Version)" = "$version" ] ||
  fail "packaging/changelog has no entry for $version"

dpkg-deb -x "$deb" "$scratch/root"
exec_line=$(grep '^Exec=' "$scratch/root/usr/share/applications/hu.kvadrix.Kvadrix.desktop")
[ -x "$scratch/root/usr/games/${exec_line#Exec=}" ] || fail "$exec_line is not in /usr/games"
echo "package: $(basename "$deb") is lintian clean"
