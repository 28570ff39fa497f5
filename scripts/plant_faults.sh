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
BUILD_DIR=build-faults
LOG_DIR=$BUILD_DIR/fault-logs
SEPARATOR=' ||| '
JOBS=${FAULT_JOBS:-2}
SUITE_TIMEOUT=${FAULT_SUITE_TIMEOUT:-120}
# A quoted replacement must stay literal in ${var/pattern/replacement}, & included.
shopt -u patsub_replacement 2>/dev/null || true

die() {
  echo "plant_faults: $*" >&2
  exit 1
}

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

# A fault left behind by a run that was killed hard would poison every result: say so.
dirty=$(git status --porcelain -- "${files[@]}")
if [ -n "$dirty" ]; then
  echo "plant_faults: warning: files of the list have changes that are not committed:" >&2
  echo "$dirty" >&2
fi

# ---- Planting and putting back ----

planted_file="" backup=""
restore() {
  if [ -n "$planted_file" ]; then
    cp -- "$backup" "$planted_file"
    touch -- "$planted_file"
    cmp -s -- "$backup" "$planted_file" || echo "plant_faults: could not restore $planted_file" >&2
    planted_file=""
  fi
}
cleanup() {
  restore
  [ -z "$backup" ] || rm -f -- "$backup"
}
trap cleanup EXIT
trap 'cleanup; exit 130' INT
trap 'cleanup; exit 143' TERM
backup=$(mktemp)

plant() {
  local file=$1 original=$2 replacement=$3 content
  cp -- "$file" "$backup"
  planted_file=$file
  content=$(cat -- "$file" && printf x)
  content=${content%x}
  printf '%s' "${content/"$original"/"$replacement"}" >"$file"
  cmp -s -- "$backup" "$file" && die "planting in $file changed nothing"
  return 0
}

build() {
  nice cmake --build "$BUILD_DIR" -j "$JOBS" >"$1" 2>&1
}

# Runs the fast suite; prints the tests that failed, or the one that was running when the suite
# timed out, marked "(hang)". Returns 0 when every test passed.
run_suite() {
  local log=$1 status=0
  # CTest ends a test that outlives the limit itself, with its whole process tree (a test program
  # keeps running through SIGTERM, which SDL turns into a quit event); the outer limit is only a
  # last resort for CTest itself.
  timeout -k 10 $((3 * SUITE_TIMEOUT)) nice ctest --test-dir "$BUILD_DIR" -LE 'e2e|tree|web' --output-on-failure \
    --timeout "$SUITE_TIMEOUT" >"$log" 2>&1 || status=$?
  # When the outer limit ends CTest, the test it was running lives on and would hold the next
  # suite's files and sound; nothing else runs from the build directory.
  pkill -KILL -f -- "$PWD/$BUILD_DIR/" 2>/dev/null || true
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "$(sed -n 's/^ *Start *[0-9]*: \(.*\)$/\1/p' "$log" | tail -n 1)(hang)"
  elif [ "$status" -ne 0 ]; then
    sed -n '/The following tests FAILED/,$ s/^[[:space:]]*[0-9]* - \([^ ]*\).*/\1/p' "$log" | paste -sd, -
  fi
  return "$status"
}

# ---- The run ----

mkdir -p "$LOG_DIR"
start=$SECONDS
echo "Configuring $BUILD_DIR ..."
cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Debug -DKOLVO_BENCHMARKS=OFF -DKOLVO_TESTS=ON \
  >"$LOG_DIR/configure.log" 2>&1 || die "configuring failed, see $LOG_DIR/configure.log"
echo "Building and testing the untouched code ..."
build "$LOG_DIR/baseline.build.log" || die "the untouched code does not build, see $LOG_DIR/baseline.build.log"
run_suite "$LOG_DIR/baseline.test.log" >/dev/null ||
  die "the suite fails on the untouched code, see $LOG_DIR/baseline.test.log"

declare -A result=() detail=()
count=0
for i in "${selected[@]}"; do
  id=${ids[$i]}
  count=$((count + 1))
  printf '[%d/%d] %-40s ' "$count" "${#selected[@]}" "$id"
  plant "${files[$i]}" "${originals[$i]}" "${replacements[$i]}"
  if ! build "$LOG_DIR/$id.build.log"; then
    result[$id]=BUILD-FAILED detail[$id]="see $LOG_DIR/$id.build.log"
  elif failed=$(run_suite "$LOG_DIR/$id.test.log"); then
    result[$id]=SURVIVED detail[$id]=""
  else
    result[$id]=CAUGHT detail[$id]=$failed
  fi
  restore
  echo "${result[$id]} ${detail[$id]}"
done

# ---- The table and the totals ----

echo
printf '%-40s %-30s %-13s %s\n' FAULT FILE RESULT "FAILED TESTS"
areas=()
declare -A caught=() tested=() unbuilt=()
for i in "${selected[@]}"; do
  id=${ids[$i]}
  area=${id%%.*}
  [ -n "${tested[$area]+set}" ] || { areas+=("$area"); tested[$area]=0 caught[$area]=0 unbuilt[$area]=0; }
  printf '%-40s %-30s %-13s %s\n' "$id" "${files[$i]}" "${result[$id]}" "${detail[$id]}"
  case "${result[$id]}" in
    CAUGHT) caught[$area]=$((caught[$area] + 1)) tested[$area]=$((tested[$area] + 1)) ;;
    SURVIVED) tested[$area]=$((tested[$area] + 1)) ;;
    *) unbuilt[$area]=$((unbuilt[$area] + 1)) ;;
  esac
done
echo
printf '%-12s %s\n' AREA "CAUGHT / PLANTED"
all_caught=0 all_tested=0 all_unbuilt=0
for area in "${areas[@]}"; do
  note=""
  [ "${unbuilt[$area]}" -eq 0 ] || note="  (${unbuilt[$area]} did not build, not counted)"
  printf '%-12s %d / %d%s\n' "$area" "${caught[$area]}" "${tested[$area]}" "$note"
  all_caught=$((all_caught + caught[$area])) all_tested=$((all_tested + tested[$area]))
  all_unbuilt=$((all_unbuilt + unbuilt[$area]))
done
note=""
[ "$all_unbuilt" -eq 0 ] || note="  ($all_unbuilt did not build, not counted)"
printf '%-12s %d / %d%s\n' total "$all_caught" "$all_tested" "$note"
elapsed=$((SECONDS - start))
printf 'Wall-clock time: %dm%02ds\n' $((elapsed / 60)) $((elapsed % 60))
