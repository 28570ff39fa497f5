#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# What has one place in the game (HACKING.md, "One place" and "Platform edges"), over the C++ of
# the source folders (bench/, fuzz/ and tools/ are programs of their own, with their own main: only
# the last three rules hold there too):
# - the screen loop (core/screen.cpp) alone takes SDL's events and presents frames, the scaled
#   present's SDL_UpdateRects (core/scaled_screen.cpp) under it;
# - the engine's platform edge (core/engine_desktop.cpp) alone installs the event filter;
# - SDL's environment is set in SetSdlEnvironment (core/engine.cpp) alone, before anything else;
# - the clock is read and slept on in core/ticks.cpp alone (Ticks, Delay);
# - a screen's Step never calls RunScreen itself (the screen loop refuses a deeper call at run time);
# - the platform is asked at its edges alone: no __EMSCRIPTEN__, emscripten only in the *_web.cpp
#   files, and every edge is a <name>_edge.h with its <name>_desktop.cpp and <name>_web.cpp;
# - a handle is freed in one place, its owner's deleter: a new is handed straight to its owner
#   (reset(new ...), Owned...(new ...)), a delete stands only in a deleter's operator().
# Prints every break of these and fails on any.
set -eu  # no pipefail: a grep that finds nothing is the good case; report judges
cd "$(dirname "$0")/.."
source scripts/check_lib.sh

code=$(code_lines "${KOLVO_LAYERS[@]}" bench fuzz tools)
game=$(grep -E "^($(IFS='|'; echo "${KOLVO_LAYERS[*]}"))/" <<<"$code")
status=0

# name regex, the one file allowed, what it is
for rule in "SDL_PollEvent|SDL_WaitEvent|SDL_PeepEvents|SDL_PumpEvents core/screen.cpp takes SDL's events" \
            "SDL_Flip core/screen.cpp presents a frame" \
            "SDL_UpdateRects?|SDL_GL_SwapBuffers core/scaled_screen.cpp presents a frame" \
            "SDL_SetEventFilter core/engine_desktop.cpp installs the event filter" \
            "setenv|putenv|unsetenv|SDL_putenv|SDL_setenv core/engine.cpp sets SDL's environment" \
            "SDL_GetTicks|SDL_Delay|usleep|nanosleep|sleep core/ticks.cpp reads or sleeps on the clock"; do
  read -r names place what <<<"$rule"
  grep -E "$(calls "$names")" <<<"$game" | grep -v "^$place:" |
    report "$what: that belongs in $place alone" || status=1
done

# Within the engine, the environment is set in SetSdlEnvironment only, which runs before main.
grep '^core/engine\.cpp:' <<<"$game" |
  awk -v setting="$(calls 'setenv|putenv|unsetenv|SDL_putenv|SDL_setenv')" '
    { text = $0; sub(/^[^:]*:[^:]*:/, "", text) }
    text ~ /SetSdlEnvironment\(\)[[:space:]]*$/ { inside = 1 }
    inside && text ~ /^}/ { inside = 0 }
    !inside && text ~ setting { print }' |
  report "sets the environment after start (outside SetSdlEnvironment)" || status=1

# A Step's body, defined beside its class or inside it, from its line to the brace that closes it.
steps_calling_run_screen() {
  awk -F: -v run="$(calls RunScreen)" '
    function depth_change(text,    opened, closed) {
      opened = gsub(/{/, "{", text); closed = gsub(/}/, "}", text)
      return opened - closed
    }
    {
      file = $1; number = $2; text = $0; sub(/^[^:]*:[^:]*:/, "", text)
      if (file != current) { current = file; inside = 0 }
      if (!inside && text ~ /(^|[^A-Za-z0-9_.>])Step\(\)/ && text !~ /;[[:space:]]*$/) {
        inside = 1; depth = 0; opened = 0
      }
      if (inside) {
        if (text ~ run) print file ":" number ":" text
        depth += depth_change(text)
        if (text ~ /{/) opened = 1
        if (opened && depth <= 0) inside = 0
      }
    }'
}
steps_calling_run_screen <<<"$code" | report "RunScreen inside a Step" || status=1

grep -E '__EMSCRIPTEN__|(ifdef|defined[[:space:]]*\(?)[[:space:]]*EMSCRIPTEN' <<<"$code" |
  report "asks which platform it runs on: that is an edge's (a *_edge.h with its _desktop.cpp and _web.cpp)" ||
  status=1
grep -iE '<emscripten|EM_(ASYNC_)?JS|EM_ASM|emscripten_' <<<"$code" | grep -vE '^[^:]+_web\.cpp:' |
  report "emscripten outside a *_web.cpp edge file" || status=1
for file in $(find "${KOLVO_LAYERS[@]}" \( -name '*_web.cpp' -o -name '*_desktop.cpp' -o -name '*_edge.h' \) | LC_ALL=C sort); do
  edge=${file%_web.cpp} edge=${edge%_desktop.cpp} edge=${edge%_edge.h}
  for sibling in "${edge}_edge.h" "${edge}_desktop.cpp" "${edge}_web.cpp"; do
    [ -f "$sibling" ] || { echo "$file: an edge without its $sibling"; status=1; }
  done
done

grep -E '(^|[^A-Za-z0-9_])new([^A-Za-z0-9_]|$)' <<<"$code" |
  grep -vE '(reset|Owned[A-Za-z0-9_]*|unique_ptr<[^>]*>)\(new[[:space:](]|new[[:space:]]*\(' |
  report "a raw new: hand it straight to its owner (reset(new ...) or an Owned... type)" || status=1
awk -F: '
  { text = $0; sub(/^[^:]*:[^:]*:/, "", text) }
  $1 != current { current = $1; deleter = 0 }
  text ~ /operator\(\)\(/ { deleter = 1 }
  text ~ /(^|[^A-Za-z0-9_])delete([^A-Za-z0-9_]|$)/ && text !~ /=[[:space:]]*delete/ && !deleter { print }
  deleter && text ~ /^}/ { deleter = 0 }' <<<"$code" |
  report "a raw delete outside an owner's deleter" || status=1

[ "$status" -eq 0 ] && echo "events, frames, the event filter, the environment, the clock, the platform and" \
  "every freed handle each have one place; no RunScreen in a Step"
exit "$status"
