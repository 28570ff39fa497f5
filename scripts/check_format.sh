#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Fails when a tracked C++ file is not formatted as .clang-format says, and names the files.
# scripts/check_format.sh --fix formats them in place instead. Exits 77 (skipped) where there is
# no clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."

command -v clang-format >/dev/null || { echo "no clang-format here: format not checked"; exit 77; }
files=$(git ls-files -- '*.cpp' '*.h' 2>/dev/null || find . -path ./build\* -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
if [ "${1:-}" = --fix ]; then
  xargs -r clang-format -i <<<"$files"
  exit 0
fi
# One clang-format over every file; each unformatted one is named in its complaints.
unformatted=$( (xargs -r -d '\n' clang-format --dry-run -Werror 2>&1 <<<"$files" || true) |
              sed -nE 's/^([^:]+):[0-9]+:[0-9]+: (error|warning): .*clang-format.*/\1/p' | sort -u)
if [ -n "$unformatted" ]; then
  echo "not formatted (run scripts/check_format.sh --fix):"
  sed 's/^/  /' <<<"$unformatted"
  exit 1
fi
echo "every C++ file is formatted ($(clang-format --version | sed 's/.*version \([0-9.]*\).*/clang-format \1/'))"
