# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# shellcheck shell=bash disable=SC2034
# What the checks of the tree's rules share (sourced by scripts/check_*.sh). Written for the tools a
# Debian machine has by default: bash, grep -E, sed and any awk (mawk knows no \< or \>, so a word's
# edge is written out as [^A-Za-z0-9_]).

# The game's source folders, lowest layer first.
KOLVO_LAYERS=(core media ui highscore game app)

# code_lines FOLDER...: every line of C++ (.cpp, .h) under the folders as file:number:code, with
# comments, string and character literals emptied and the JavaScript of EM_JS bodies left out, so
# that a rule reads only the C++ itself ("exit(" in a log text or a comment is no call).
code_lines() {
  find "$@" -type f \( -name '*.cpp' -o -name '*.h' \) 2>/dev/null | LC_ALL=C sort |
    xargs -r awk '
      FNR == 1 { block = 0; js = 0 }
      js { if ($0 ~ /^}\);/) js = 0; next }
      /EM_(ASYNC_)?JS\(/ { js = $0 !~ /}\);[[:space:]]*$/; next }
      {
        code = ""; n = length($0); i = 1
        while (i <= n) {
          c = substr($0, i, 1)
          if (block) {
            if (substr($0, i, 2) == "*/") { block = 0; i += 2 } else i++
            continue
          }
          two = substr($0, i, 2)
          if (two == "//") break
          if (two == "/*") { block = 1; i += 2; continue }
          if (c == "\"" || c == "\047") {
            i++
            while (i <= n && substr($0, i, 1) != c) i += substr($0, i, 1) == "\\" ? 2 : 1
            code = code c c; i++
            continue
          }
          code = code c; i++
        }
        print FILENAME ":" FNR ":" code
      }'
}

# calls NAME_REGEX: an extended regular expression for a call of one of the names (not part of a
# longer name, nor a member's call of another object).
calls() {
  echo "(^|[^A-Za-z0-9_.>:]|::)($1)[[:space:]]*\("
}

# report MESSAGE: prints every line read (file:number:code) with the message, and returns 1 when
# there was any, 0 otherwise.
report() {
  local found=0 hit
  while IFS= read -r hit; do
    echo "$hit: $1"
    found=1
  done
  return "$found"
}
