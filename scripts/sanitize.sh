#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Builds the game and its tests with AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer into build-sanitize/ and runs the whole test suite there. Any report fails it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
scripts/setup.sh build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOLVO_SANITIZE=ON \
  -DKOLVO_BENCHMARKS=OFF
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$here/tests/sanitizer/lsan.supp:print_suppressions=0"
# The browser story (label web) plays the page, which these builds do not make.
ctest --test-dir build-sanitize --label-exclude web --output-on-failure
