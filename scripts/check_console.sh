#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# One way of failing: a step logs its line with Fail and returns false. Only the log writes to the
# console, only the command line answers there, and only the termination handler ends the process
# (and EndProgram, the end of main). Every other write to standard output or standard error, and
# every other end of the process, in the source folders is a line kept on purpose, and stands
# marked at its place: a "Kept on purpose:" comment on its line or above it in the same function
# (no closing brace in the first column between them). Prints every write or end that is neither
# in the list below nor marked, and fails on any.
#
# Also holds the guide's table of what is kept on purpose (HACKING.md): each row's texts in double
# quotes stand on a marked line of one of the row's files, and each of its files carries a mark.
set -eu  # no pipefail: a grep that finds nothing is the good case; report judges
cd "$(dirname "$0")/.."
source scripts/check_lib.sh

# The log itself and the command line, each line as the scan below reads it (texts emptied).
CONSOLE_OWNERS='core/engine.cpp	fputc('"''"', stdout);
core/engine.cpp	fputs(message, stdout);
core/engine.cpp	fputs("", stderr);
core/engine.cpp	fprintf(stderr, "", logFileName);
app/program.cpp	fputs(PROGRAM_USAGE, stdout);
core/kept_files_desktop.cpp	exit(status);
core/termination.cpp	exit(TERMINATION_STATUS_BASE + signal);'

writes='(^|[^A-Za-z0-9_.>:]|::)(printf|vprintf|puts|putchar|perror|abort|exit|_exit|_Exit|quick_exit)[[:space:]]*\('
writes+='|(^|[^A-Za-z0-9_.>:]|::)(fprintf|vfprintf|fputs|fputc|putc|fwrite|write)[[:space:]]*\(.*(stdout|stderr|STDOUT_FILENO|STDERR_FILENO)'
writes+='|std::(cout|cerr|clog)|(^|[^A-Za-z0-9_])(cout|cerr|clog)[[:space:]]*<<'

# marked_lines STRIP FILE...: file:number:code of every line that a "Kept on purpose:" mark
# covers, and of every other line as file:number:-:code; with STRIP 1, texts and comments emptied.
marked_lines() {
  local strip=$1
  shift
  awk -v strip="$strip" '
    FNR == 1 { marked = 0 }
    /Kept on purpose:/ { marked = 1 }
    {
      code = $0
      if (strip) {
        gsub(/"([^"\\]|\\.)*"/, "\"\"", code)
        gsub(/\047([^\047\\]|\\.)*\047/, "\047\047", code)
        sub(/\/\/.*/, "", code)
      }
      print FILENAME ":" FNR ":" (marked ? "" : "-:") code
    }
    /^}/ { marked = 0 }' "$@"
}

status=0
sources=$(find "${KOLVO_LAYERS[@]}" -type f \( -name '*.cpp' -o -name '*.h' \) | LC_ALL=C sort)
# shellcheck disable=SC2086
scanned=$(marked_lines 1 $sources)
grep -E "^[^:]+:[0-9]+:-:.*($writes)" <<<"$scanned" | sed -E 's/^([^:]+:[0-9]+:)-:/\1/' |
  while IFS= read -r hit; do
    file=${hit%%:*} text=${hit#*:*:}
    text=$(sed -E 's/^[[:space:]]+//; s/[[:space:]]+$//' <<<"$text")
    grep -qxF "$file	$text" <<<"$CONSOLE_OWNERS" || echo "$hit"
  done |
  report "writes to the console or ends the process outside the log, unmarked (Kept on purpose:)" ||
  status=1

# The guide's table: | what | where |, after the "## Kept on purpose" heading.
rows=$(awk '/^## / { kept = $0 ~ /^## Kept on purpose/ } kept && /^\| / && !/^\| what/' HACKING.md)
while IFS= read -r row; do
  [ -n "$row" ] || continue
  what=${row#| } what=${what%%|*}
  where=${row##*| \`} where=${row%|} where=${where##*|}
  files=$(grep -oE '`[a-z_]+/[a-z0-9_]+\.(cpp|h)`' <<<"$where" | tr -d '`')
  [ -n "$files" ] || { echo "HACKING.md: a kept row names no file: $row"; status=1; continue; }
  for file in $files; do
    if [ ! -f "$file" ]; then
      echo "HACKING.md: the kept row's $file does not exist: $row"
      status=1
    elif ! grep -q 'Kept on purpose:' "$file"; then
      echo "HACKING.md: $file carries no Kept on purpose: mark for the row $row"
      status=1
    fi
  done
  while IFS= read -r text; do
    [ -n "$text" ] || continue
    # shellcheck disable=SC2086
    if ! marked_lines 0 $files | grep -vE '^[^:]+:[0-9]+:-:' | grep -qF -- "$text"; then
      echo "HACKING.md: \"$text\" is kept on purpose, but stands on no marked line of" $files
      status=1
    fi
  done < <(grep -oE '"[^"]+"' <<<"$what" | tr -d '"')
done <<<"$rows"

[ "$status" -eq 0 ] && echo "only the log and the command line write to the console; every line kept on purpose is marked"
exit "$status"
