#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Builds Kolvo and its tests when needed and runs the whole test suite. Exits non-zero on failure.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here"
scripts/setup.sh build
ctest --test-dir build --output-on-failure
