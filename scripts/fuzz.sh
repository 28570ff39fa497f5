#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for FUZZ_SECONDS (60 by
# default), starting from its seed corpus in fuzz/corpus/. A crash, a sanitizer report, a time-out
# or a memory blow-up fails the run and leaves the input in build-fuzz/findings/.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
seconds="${FUZZ_SECONDS:-60}"
KOLVO_FUZZ_TOOLS=1 CC=clang CXX=clang++ \
  scripts/setup.sh build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVO_FUZZ=ON \
  -DKOLVO_TESTS=OFF -DKOLVO_BENCHMARKS=OFF
mkdir -p build-fuzz/findings
# Headless and silent, from the start: the targets' sound starts before their own code runs.
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# A small quarantine keeps the peak memory near what the target itself needs.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:quarantine_size_mb=64"
for program in build-fuzz/fuzz/*_fuzz; do
  name=$(basename "$program" _fuzz)
  work="$here/build-fuzz/corpus/$name"
  mkdir -p "$work"
  echo "Fuzzing $name for $seconds s"
  "$program" "$work" "$here/fuzz/corpus/$name" -max_total_time="$seconds" -timeout=10 \
    -rss_limit_mb=512 -artifact_prefix="$here/build-fuzz/findings/$name-" -print_final_stats=1 \
    2>"build-fuzz/$name.log" || { tail -40 "build-fuzz/$name.log"; exit 1; }
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "build-fuzz/$name.log"
done
