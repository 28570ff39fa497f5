#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Plants the faults listed in scripts/planted_faults.txt into the game's code, one at a time, and
# tells for each whether the fast test suite notices it: every CTest test except the window stories
# (label e2e) and the checks of the tree's conventions (label tree: layers, test share, format). A
# fault counts as CAUGHT when some test fails or hangs, SURVIVED when the whole suite still passes;
# a fault that does not build says nothing about the tests and is counted apart. Each source file is
# put back byte for byte (with a fresh timestamp, so the next build recompiles it) after its fault,
# also when the run is interrupted.
#
#   scripts/plant_faults.sh                   every fault in the list
#   scripts/plant_faults.sh ID...             only these faults (ids as in the list)
#   scripts/plant_faults.sh --check           only check the list against the code, plant nothing
#
# It builds in build-faults/ (Debug, no benchmarks, configured on the first run), checks first that
# the suite passes on the untouched code, and keeps each fault's build and test output in
# build-faults/fault-logs/. A fault costs about half a minute (a rebuild and a 10-second suite)
# on two shared cores, a fault that hangs the suite the whole timeout; the full list took about
# 45 minutes. Environment: FAULT_LIST (another list), FAULT_JOBS (build jobs, 2),
# FAULT_SUITE_TIMEOUT (seconds one suite run may take before it counts as a hang, 120; the
# untouched suite needs about 10). If the script is killed hard (SIGKILL), `git diff` shows the
# fault it left.
set -euo pipefail
cd "$(dirname "$0")/.."

LIST=${FAULT_LIST:-scripts/planted_faults.txt}
SEPARATOR=' ||| '
# A quoted replacement must stay literal in ${var/pattern/replacement}, & included.
shopt -u patsub_replacement 2>/dev/null || true
FAULT_RUN_NAME=plant_faults
. scripts/fault_run.sh

# ---- The list: id, file, original text, replacement; all checked before anything is planted ----

ids=() files=() originals=() replacements=()
declare -A seen=()
problems=0
complain() {
  echo "plant_faults: $LIST:$1: $2" >&2
  problems=$((problems + 1))
}

line_number=0
while IFS= read -r line || [ -n "$line" ]; do
  line_number=$((line_number + 1))
  case "$line" in '' | '#'*) continue ;; esac
  rest=$line fields=()
  while [[ "$rest" == *"$SEPARATOR"* ]]; do
    fields+=("${rest%%"$SEPARATOR"*}")
    rest=${rest#*"$SEPARATOR"}
  done
  fields+=("$rest")
  if [ ${#fields[@]} -ne 4 ]; then
    complain "$line_number" "expected 4 fields separated by '$SEPARATOR', found ${#fields[@]}"
    continue
  fi
  id=${fields[0]} file=${fields[1]} original=${fields[2]} replacement=${fields[3]}
  if [[ ! "$id" =~ ^[a-z-]+\.[a-z0-9-]+$ ]]; then
    complain "$line_number" "id '$id' is not of the form area.name"
  elif [ -n "${seen[$id]:-}" ]; then
    complain "$line_number" "id '$id' is listed twice"
  fi
  seen[$id]=1
  if [ ! -f "$file" ]; then
    complain "$line_number" "$id: no file $file"
    continue
  fi
  if [ -z "$original" ] || [ -z "$replacement" ] || [ "$original" = "$replacement" ]; then
    complain "$line_number" "$id: the original and the replacement must be given and differ"
    continue
  fi
  found=$( (grep -oF -- "$original" "$file" || true) | wc -l)
  if [ "$found" -ne 1 ]; then
    complain "$line_number" "$id: '$original' occurs $found times in $file, not once"
    continue
  fi
  ids+=("$id") files+=("$file") originals+=("$original") replacements+=("$replacement")
done <"$LIST"
[ "$problems" -eq 0 ] || die "$problems problem(s) in $LIST; nothing planted"

# ---- Which faults to plant ----

check_only=0
chosen=()
for argument in "$@"; do
  case "$argument" in
    --check) check_only=1 ;;
    -h | --help) sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    -*) die "unknown option $argument (see --help)" ;;
    *)
      [ -n "${seen[$argument]:-}" ] || die "no fault '$argument' in $LIST"
      chosen+=("$argument")
      ;;
  esac
done
if [ "$check_only" -eq 1 ]; then
  echo "$LIST: ${#ids[@]} faults, each original found exactly once."
  exit 0
fi
selected=()
for i in "${!ids[@]}"; do
  if [ ${#chosen[@]} -eq 0 ] || [[ " ${chosen[*]} " == *" ${ids[$i]} "* ]]; then
    selected+=("$i")
  fi
done

warn_if_dirty "${files[@]}"

plant() {
  local file=$1 original=$2 replacement=$3 content
  content=$(cat -- "$file" && printf x)
  content=${content%x}
  plant_text "$file" "${content/"$original"/"$replacement"}"
}

# ---- The run ----

start=$SECONDS
prepare_build

declare -A result=() detail=()
count=0
for i in "${selected[@]}"; do
  id=${ids[$i]}
  count=$((count + 1))
  printf '[%d/%d] %-40s ' "$count" "${#selected[@]}" "$id"
  plant "${files[$i]}" "${originals[$i]}" "${replacements[$i]}"
  try_fault "$id"
  result[$id]=$RESULT detail[$id]=$DETAIL
  echo "${result[$id]} ${detail[$id]}"
done

# ---- The table and the totals ----

echo
printf '%-40s %-30s %-13s %s\n' FAULT FILE RESULT "FAILED TESTS"
outcomes=()
for i in "${selected[@]}"; do
  id=${ids[$i]}
  printf '%-40s %-30s %-13s %s\n' "$id" "${files[$i]}" "${result[$id]}" "${detail[$id]}"
  outcomes+=("${id%%.*}:${result[$id]}")
done
echo
print_totals "${outcomes[@]}"
elapsed=$((SECONDS - start))
printf 'Wall-clock time: %dm%02ds\n' $((elapsed / 60)) $((elapsed % 60))
