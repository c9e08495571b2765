#!/usr/bin/env bash
# Checks that the programs are built with the hardening Debian asks of its packages.
# Control flow protection is not asked: Debian 12's C start files carry no CET note, so the
# linker cannot mark any program built there, whatever its own flags.
# Usage: hardening_test.sh PROGRAM...
set -euo pipefail
status=0
report=$(hardening-check --nocfprotection "$@") || status=$?
echo "$report"
for feature in "Position Independent Executable" "Stack protected" "Fortify Source functions" \
  "Read-only relocations" "Immediate binding"; do
  [ "$(grep -c "^ $feature: yes" <<<"$report")" -eq $# ] || { echo "FAIL: $feature"; exit 1; }
done
exit $status
