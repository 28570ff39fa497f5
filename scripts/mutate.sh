#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Plants small faults picked at random (scripts/mutants.py: a comparison flipped, a number moved by
# one, a condition negated, && and || or + and - swapped) into the playfield's rules, the game
# modes, the highscore list and the name entry, one at a time, and tells which the fast suite
# catches. The planted faults of scripts/plant_faults.sh are chosen by whoever wrote the tests;
# these are not, so the share caught measures the tests. Same build, suite, counting and putting
# back as scripts/plant_faults.sh (scripts/fault_run.sh): a fault is CAUGHT when a test fails or
# hangs, SURVIVED when the suite passes, and one that does not build is counted apart.
#
#   scripts/mutate.sh [--seed N] [--count N]   plant COUNT faults (40) picked with SEED (1)
#   scripts/mutate.sh ... --list               only show the faults that would be planted
#
# The same seed and count over the same game sources plant the same faults, so a run before and
# after a change of the tests compares them. The survivors are listed at the end with their place.
# A fault costs about half a minute on two shared cores; 40 take about 25 minutes (run with nice).
set -euo pipefail
cd "$(dirname "$0")/.."

SOURCES=(
  rules=game/tumblo_engine.cpp
  modes=game/mode_core.cpp modes=game/challenge.cpp modes=game/game.cpp modes=game/game_clock.cpp
  highscore=highscore/highscore_list.cpp highscore=highscore/highscore_table.cpp
  name-entry=highscore/input_field.cpp name-entry=highscore/name_entry.cpp
)

FAULT_RUN_NAME=mutate
. scripts/fault_run.sh

seed=1 count=40 list_only=0
while [ $# -gt 0 ]; do
  case "$1" in
    --seed) seed=${2:?--seed needs a number}; shift 2 ;;
    --count) count=${2:?--count needs a number}; shift 2 ;;
    --list) list_only=1; shift ;;
    -h | --help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    *) die "unknown argument $1 (see --help)" ;;
  esac
done
[[ "$seed" =~ ^[0-9]+$ && "$count" =~ ^[0-9]+$ ]] || die "--seed and --count take whole numbers"

mutants=$(mktemp -d)
trap 'cleanup; rm -rf -- "$mutants"' EXIT
warn_if_dirty "${SOURCES[@]#*=}"
/usr/bin/python3 -B scripts/mutants.py "$seed" "$count" "$mutants" "${SOURCES[@]}" >"$mutants/list"
if [ "$list_only" -eq 1 ]; then
  column -t -s $'\t' "$mutants/list"
  exit 0
fi

start=$SECONDS
prepare_build
total=$(wc -l <"$mutants/list")
outcomes=() survivors=()
while IFS=$'\t' read -r number area place change line; do
  printf '[%d/%d] %-10s %-34s %-28s ' "$number" "$total" "$area" "$place" "$change"
  content=$(cat -- "$mutants/$number.text" && printf x)
  plant_text "$(cat -- "$mutants/$number.file")" "${content%x}"
  try_fault "mutant-$number"
  echo "$RESULT $DETAIL"
  outcomes+=("$area:$RESULT")
  [ "$RESULT" != SURVIVED ] || survivors+=("$place  $change  $line")
done <"$mutants/list"

echo
echo "Seed $seed, $total faults:"
print_totals "${outcomes[@]}"
if [ ${#survivors[@]} -gt 0 ]; then
  echo
  echo "Survivors:"
  printf '  %s\n' "${survivors[@]}"
fi
elapsed=$((SECONDS - start))
printf 'Wall-clock time: %dm%02ds\n' $((elapsed / 60)) $((elapsed % 60))
