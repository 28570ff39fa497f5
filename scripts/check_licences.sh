#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Fails when a file of the tree does not name its licence and copyright, as the REUSE convention
# asks (an SPDX line at its top, a .license file beside it, or a paragraph of .reuse/dep5 for a file
# that can carry neither), and names the file.
# Exits 77 (skipped) where there is no reuse (Debian package reuse).
set -euo pipefail
cd "$(dirname "$0")/.."

command -v reuse >/dev/null || { echo "no reuse here: licences not checked"; exit 77; }
if ! report=$(reuse lint 2>&1); then
  echo "$report"
  exit 1
fi
tail -n 3 <<<"$report"
