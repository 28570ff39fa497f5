#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Builds the game when needed and runs every benchmark program (bench/*_bench.cpp) headless and
# silent. Prints Google Benchmark's table for each; the game's own log lines are left out.
# BENCH_MIN_TIME (seconds per benchmark, 1 by default) trades time for steadier figures.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
scripts/setup.sh build >/dev/null
export SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy
for program in build/bench/*_bench; do
  echo "== $(basename "$program")"
  "$program" --benchmark_min_time="${BENCH_MIN_TIME:-1}" 2>/dev/null | grep -E '^(Benchmark|-{10}|BM_)'
done
