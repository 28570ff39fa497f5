# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# What scripts/plant_faults.sh and scripts/mutate.sh share: the Debug build in build-faults/, one
# fault planted at a time and put back byte for byte (also when the run is interrupted), the fast
# suite run with a hang counted as caught, and the table of caught faults by area. Sourced, not
# run; the caller sets FAULT_RUN_NAME (its name in messages) before.
#
# Environment: FAULT_JOBS (build jobs, 2), FAULT_SUITE_TIMEOUT (120: seconds a test without a
# limit of its own may take, and a third of what the whole suite may take, before it counts as a
# hang; the test programs' own limit is 300 s; the untouched suite needs about 10).

BUILD_DIR=build-faults
LOG_DIR=$BUILD_DIR/fault-logs
JOBS=${FAULT_JOBS:-2}
SUITE_TIMEOUT=${FAULT_SUITE_TIMEOUT:-120}

die() {
  echo "$FAULT_RUN_NAME: $*" >&2
  exit 1
}

# ---- Planting and putting back ----

planted_file="" backup=""
restore() {
  if [ -n "$planted_file" ]; then
    cp -- "$backup" "$planted_file"
    touch -- "$planted_file"
    cmp -s -- "$backup" "$planted_file" || echo "$FAULT_RUN_NAME: could not restore $planted_file" >&2
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

# plant_text FILE CONTENT: FILE now holds CONTENT (exact bytes); restore puts the old one back.
plant_text() {
  cp -- "$1" "$backup"
  planted_file=$1
  printf '%s' "$2" >"$1"
  cmp -s -- "$backup" "$1" && die "planting in $1 changed nothing"
  return 0
}

# Warns when files about to be planted in have changes: a fault left behind by a run that was
# killed hard (SIGKILL) would poison every result, and `git diff` shows it.
warn_if_dirty() {
  local dirty
  dirty=$(git status --porcelain -- "$@" 2>/dev/null || true)
  if [ -n "$dirty" ]; then
    echo "$FAULT_RUN_NAME: warning: files to plant in have changes that are not committed:" >&2
    echo "$dirty" >&2
  fi
}

build() {
  nice cmake --build "$BUILD_DIR" -j "$JOBS" >"$1" 2>&1
}

# Runs the fast suite (every CTest test but the window stories, the tree's checks and the browser
# story); prints the tests that failed, or the one that was running when the suite timed out,
# marked "(hang)". Returns 0 when every test passed.
run_suite() {
  local log=$1 status=0 pid
  # CTest ends a test that outlives the limit itself, with its whole process tree (a test program
  # keeps running through SIGTERM, which SDL turns into a quit event); the outer limit is only a
  # last resort for CTest itself. CTest runs in a session of its own, so that whatever it left
  # running when the outer limit ended it is ended with it and cannot hold the next suite's files.
  setsid timeout -k 10 $((3 * SUITE_TIMEOUT)) nice ctest --test-dir "$BUILD_DIR" -LE 'e2e|tree|web' \
    --output-on-failure --timeout "$SUITE_TIMEOUT" >"$log" 2>&1 &
  pid=$!
  wait "$pid" || status=$?
  kill -KILL -- "-$pid" 2>/dev/null || true
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    echo "$(sed -n 's/^ *Start *[0-9]*: \(.*\)$/\1/p' "$log" | tail -n 1)(hang)"
  elif [ "$status" -ne 0 ]; then
    sed -n '/The following tests FAILED/,$ s/^[[:space:]]*[0-9]* - \([^ ]*\).*/\1/p' "$log" | paste -sd, -
  fi
  return "$status"
}

# Configures build-faults/ (Debug, no benchmarks), builds it and checks that the suite passes on
# the untouched code.
prepare_build() {
  mkdir -p "$LOG_DIR"
  echo "Configuring $BUILD_DIR ..."
  cmake -S . -B "$BUILD_DIR" -DCMAKE_BUILD_TYPE=Debug -DKOLVO_BENCHMARKS=OFF -DKOLVO_TESTS=ON \
    >"$LOG_DIR/configure.log" 2>&1 || die "configuring failed, see $LOG_DIR/configure.log"
  echo "Building and testing the untouched code ..."
  build "$LOG_DIR/baseline.build.log" || die "the untouched code does not build, see $LOG_DIR/baseline.build.log"
  run_suite "$LOG_DIR/baseline.test.log" >/dev/null ||
    die "the suite fails on the untouched code, see $LOG_DIR/baseline.test.log"
}

# try_fault NAME: builds with the fault planted and runs the suite; sets RESULT (CAUGHT, SURVIVED
# or BUILD-FAILED) and DETAIL (the failed tests, or where the build log is), then puts the file back.
try_fault() {
  local name=$1 failed
  if ! build "$LOG_DIR/$name.build.log"; then
    RESULT=BUILD-FAILED DETAIL="see $LOG_DIR/$name.build.log"
  elif failed=$(run_suite "$LOG_DIR/$name.test.log"); then
    RESULT=SURVIVED DETAIL=""
  else
    RESULT=CAUGHT DETAIL=$failed
  fi
  restore
}

# ---- The totals ----

# print_totals AREA:RESULT...: caught over built faults for each area (in order of first
# appearance) and in all; faults that did not build are counted apart.
print_totals() {
  local entry area outcome note
  local -a areas=()
  local -A caught=() tested=() unbuilt=()
  for entry in "$@"; do
    area=${entry%%:*} outcome=${entry#*:}
    [ -n "${tested[$area]+set}" ] || { areas+=("$area"); tested[$area]=0 caught[$area]=0 unbuilt[$area]=0; }
    case "$outcome" in
      CAUGHT) caught[$area]=$((caught[$area] + 1)) tested[$area]=$((tested[$area] + 1)) ;;
      SURVIVED) tested[$area]=$((tested[$area] + 1)) ;;
      *) unbuilt[$area]=$((unbuilt[$area] + 1)) ;;
    esac
  done
  printf '%-12s %s\n' AREA "CAUGHT / PLANTED"
  local all_caught=0 all_tested=0 all_unbuilt=0
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
  [ "$all_tested" -eq 0 ] || printf 'caught: %d%%\n' $((100 * all_caught / all_tested))
}
