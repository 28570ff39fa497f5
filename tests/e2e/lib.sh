# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Shared steps of the window stories: source it, then e2e_begin <game binary> <data directory>.
# Every process started here ends on the way out; a story that lacks its tools exits 77 (skipped).
set -u

E2E_SKIPPED=77
E2E_X="/usr/bin/python3 $(dirname "${BASH_SOURCE[0]}")/x_helper.py"
# A story may set these before it starts: every point it names is a pixel of the game's 640 x 480
# picture, shown E2E_SCALE times as large from (E2E_LEFT, E2E_TOP).
E2E_SCREEN=${E2E_SCREEN:-800x600x24}
E2E_SCALE=${E2E_SCALE:-1}
E2E_FULL_SCREEN=${E2E_FULL_SCREEN:-no}
E2E_LEFT=${E2E_LEFT:-0}
E2E_TOP=${E2E_TOP:-0}
# Variables for the game alone, NAME=value each (a preloaded library, say).
E2E_GAME_ENV=()
e2e_xvfb_pid=""
e2e_game_pid=""

e2e_gone() { ! kill -0 "$1" 2>/dev/null; }

# e2e_end_process <pid>: asks a process to end, and makes it after three seconds.
e2e_end_process() {
  [ -n "$1" ] && kill "$1" 2>/dev/null || return 0
  e2e_wait_for 30 e2e_gone "$1"
  kill -KILL "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}

e2e_cleanup() {
  declare -F e2e_on_exit >/dev/null && e2e_on_exit  # a story's own clean-up, if it has one
  e2e_end_process "$e2e_game_pid"
  e2e_end_process "$e2e_xvfb_pid"
  [ -n "${E2E_WORK:-}" ] && rm -rf "$E2E_WORK"
}

# e2e_begin <game> <data>: checks the tools, makes the story's scratch directory, arms the clean-up.
e2e_begin() {
  local tool
  for tool in Xvfb xdotool /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "no $tool here"; exit $E2E_SKIPPED; }
  done
  /usr/bin/python3 -c 'import Xlib, PIL.ImageGrab' 2>/dev/null \
    || { echo "no python3-xlib or python3-pil here"; exit $E2E_SKIPPED; }
  E2E_GAME=$(realpath "$1")
  E2E_DATA=$(realpath "$2")
  [ -d "$E2E_DATA/grafik" ] || { echo "no game data in $E2E_DATA"; exit $E2E_SKIPPED; }
  E2E_WORK=$(mktemp -d /tmp/kolvo-e2e-XXXXXX)
  E2E_RUN="$E2E_WORK/run"
  mkdir "$E2E_RUN"
  trap e2e_cleanup EXIT
  trap 'exit 1' INT TERM
}

# e2e_wait_for <tenths of a second> <command...>: true as soon as the command succeeds.
e2e_wait_for() {
  local tenths=$1 i
  shift
  for ((i = 0; i < tenths; i++)); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

e2e_fail() {
  local file
  echo "FAILED: $1"
  for file in "$E2E_WORK/xvfb.log" "$E2E_RUN/game.out" "$E2E_RUN/kolvolog.txt"; do
    [ -f "$file" ] && { echo "--- $file"; tail -n 60 "$file"; }
  done
  exit 1
}

# Starts a virtual X server on a free display and waits until it answers clients.
e2e_start_x() {
  local try
  # At random: Xvfb's own choice races when several start at once; a taken number ends it at once.
  for try in 1 2 3 4 5 6 7 8; do
    e2e_try_start_x $((100 + RANDOM % 800)) && return 0
    e2e_end_process "$e2e_xvfb_pid"
  done
  e2e_fail "the X server did not start"
}
e2e_try_start_x() {
  # -noreset: a server whose last client leaves resets itself and refuses newcomers meanwhile.
  Xvfb ":$1" -screen 0 "$E2E_SCREEN" -nolisten tcp -noreset >"$E2E_WORK/xvfb.log" 2>&1 &
  e2e_xvfb_pid=$!
  export DISPLAY=":$1"
  e2e_x_ours() { kill -0 "$e2e_xvfb_pid" 2>/dev/null && xdotool getmouselocation >/dev/null 2>&1; }
  e2e_wait_for 100 e2e_x_ours || return 1
  # A server that lost the number may still be on its way out: make sure ours stays.
  sleep 0.2
  kill -0 "$e2e_xvfb_pid" 2>/dev/null
}

# e2e_start_game [options...]: the game, windowed at E2E_SCALE (or full screen), at its menu.
e2e_start_game() {
  local shown=(-w)
  [ "$E2E_SCALE" = 1 ] || shown+=(-s "$E2E_SCALE")
  [ "$E2E_FULL_SCREEN" = yes ] && shown=()
  e2e_launch "Menue Ready!" "$E2E_GAME" "${shown[@]}" "$@"
}

# e2e_start_name_entry: the name entry screen alone (tools/name_entry_window.cpp), which prints
# the confirmed name and ends with status 0 when Return confirmed it.
e2e_start_name_entry() { e2e_launch "Name entry opened" "$(dirname "$E2E_GAME")/tools/kolvo_name_entry"; }

# e2e_launch <log line> <program> [options...]: back once the log shows the line, the window up.
e2e_launch() {
  local ready=$1
  shift
  ln -sfn "$E2E_DATA" "$E2E_RUN/data"
  rm -f "$E2E_RUN/kolvolog.txt"  # the log of a program started before in the story must not answer
  (cd "$E2E_RUN" && exec env SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy "${E2E_GAME_ENV[@]}" "$@" >game.out 2>&1) &
  e2e_game_pid=$!
  e2e_ready_or_end() { [ "$(e2e_log_count "$ready")" -gt 0 ] || e2e_gone "$e2e_game_pid"; }
  e2e_wait_for 300 e2e_ready_or_end
  [ "$(e2e_log_count "$ready")" -gt 0 ] || e2e_fail "the log never showed \"$ready\""
  e2e_find_window
}

# e2e_find_window: sets E2E_WINDOW; where it sits is the window manager's affair, so every point is
# taken relative to it.
e2e_find_window() {
  e2e_window_shown() { E2E_WINDOW=$(xdotool search --onlyvisible --name '^Kolvo$' 2>/dev/null | head -n 1); [ -n "$E2E_WINDOW" ]; }
  e2e_wait_for 50 e2e_window_shown || e2e_fail "no window titled Kolvo"
  # Without a window manager nobody gives the new window the keyboard; a person would click it.
  xdotool windowfocus "$E2E_WINDOW" 2>/dev/null || true
}

# e2e_point <x> <y>: the pointer on the middle of the square that shows the picture's pixel (x, y).
e2e_point() {
  local window=(--window "$E2E_WINDOW")
  [ "$E2E_FULL_SCREEN" = yes ] && window=()
  xdotool mousemove "${window[@]}" $((E2E_LEFT + $1 * E2E_SCALE + E2E_SCALE / 2)) \
    $((E2E_TOP + $2 * E2E_SCALE + E2E_SCALE / 2))
}

# e2e_log_count <text>: how many lines of the game's log hold the text.
e2e_log_count() {
  if [ -f "$E2E_RUN/kolvolog.txt" ]; then grep -cF -- "$1" "$E2E_RUN/kolvolog.txt"; else echo 0; fi
}

# e2e_expect_log <text> [times, default 1] [seconds, default 10]: fails unless the log holds it.
e2e_expect_log() {
  local text=$1 times=${2:-1}
  e2e_log_has() { [ "$(e2e_log_count "$text")" -ge "$times" ]; }
  e2e_wait_for $((${3:-10} * 10)) e2e_log_has || e2e_fail "the log never showed \"$text\" $times time(s)"
}

# e2e_click <x> <y>: held a few frames, as a press is seen only by a frame drawn while it is held.
e2e_click() {
  e2e_point "$1" "$2"
  sleep 0.1
  xdotool mousedown 1
  sleep 0.2
  xdotool mouseup 1
}

# e2e_key <key> [seconds, default 0.15]: holds a key (an X key name) for a few frames.
e2e_key() {
  xdotool keydown "$1"
  sleep "${2:-0.15}"
  xdotool keyup "$1"
}

# e2e_screenshot <file.png>: the game's window, or in full screen the whole screen.
e2e_screenshot() { if [ "$E2E_FULL_SCREEN" = yes ]; then $E2E_X shot "$1"; else $E2E_X shot "$1" "$E2E_WINDOW"; fi; }

# e2e_wait_game_end [seconds, default 10]: waits until the game has ended; sets E2E_STATUS.
e2e_wait_game_end() {
  e2e_wait_for $((${1:-10} * 10)) e2e_gone "$e2e_game_pid" || e2e_fail "the game did not end"
  wait "$e2e_game_pid"
  E2E_STATUS=$?
  e2e_game_pid=""
}

# Menu buttons, points well inside each (the hit test is strict on the edges).
E2E_MENU_GAME=(200 175)
E2E_MENU_CHALLENGE=(230 229)
E2E_MENU_OPTIONS=(160 284)
E2E_MENU_INFO=(136 331)
E2E_MENU_QUIT=(130 377)

# e2e_quit_from_menu: clicks quit and expects an orderly end with status 0.
e2e_quit_from_menu() {
  e2e_click "${E2E_MENU_QUIT[@]}"
  e2e_wait_game_end
  [ "$(e2e_log_count "User chose Exit!")" -eq 1 ] || e2e_fail "the quit button did not choose Exit"
  [ "$E2E_STATUS" -eq 0 ] || e2e_fail "the game ended with status $E2E_STATUS"
}

# e2e_expect_in_order <text>...: the texts' first lines in the log come in the order given.
e2e_expect_in_order() {
  local last=0 line text
  for text in "$@"; do
    line=$(grep -nF -m1 -- "$text" "$E2E_RUN/kolvolog.txt" | cut -d: -f1)
    [ -n "$line" ] && [ "$line" -gt "$last" ] || e2e_fail "\"$text\" is missing or out of order in the log"
    last=$line
  done
}

# e2e_message <shown|none>: the orange font's message ("Paused", "Game Over") over a single game.
e2e_message() {
  local shot=$E2E_WORK/message.png pixels
  e2e_screenshot "$shot" || return 1
  pixels=$($E2E_X count "$shot" 270 200 130 24 246 166 64 28)
  if [ "$1" = shown ]; then [ "$pixels" -gt 150 ]; else [ "$pixels" -lt 20 ]; fi
}

# e2e_start_single_game: waits out the first level's banner, which holds everything for two seconds.
e2e_start_single_game() {
  e2e_click "${E2E_MENU_GAME[@]}"
  e2e_expect_log "Start Level 1"
  sleep 2.2
}

# e2e_stone: the falling stone's lit cells in the playfield's top 14 rows: first and last column
# (0 to 10), top row and its cells from its top-left corner (x_helper.py stone).
e2e_stone() { e2e_screenshot "$E2E_WORK/cells.png" && $E2E_X stone "$E2E_WORK/cells.png" 200 10 22 11 14; }
e2e_stone_shape() { e2e_stone | cut -d' ' -f4-; }

e2e_stone_at_wall() { e2e_stone | grep -qE "^$([ "$1" = right ] && echo '[0-9]+ 10' || echo 0) "; }

e2e_stone_top_within() {
  local row
  row=$(e2e_stone | cut -d' ' -f3)
  [ -n "$row" ] && [ "$row" -ge "$1" ] && [ "$row" -le "$2" ]
}

# e2e_expect_turn <hold> <fall>: "<hold> 1" holds a turn until the stone's cells change ("<hold> 0"
# lets go): the game reads a held turn once per 200 ms, so a tap may go unseen. "<fall> 1|0" starts
# and stops the fast fall. A stone at the top may have no room to turn, and a square one turns into
# itself: then the next one is tried.
e2e_expect_turn() {
  local try before
  e2e_shape_changed() { [ "$(e2e_stone_shape)" != "$before" ]; }
  for try in 1 2 3 4; do
    e2e_wait_for 80 e2e_stone_top_within 2 99 || e2e_fail "no stone fell into sight"
    before=$(e2e_stone_shape)
    $1 1
    if e2e_wait_for 10 e2e_shape_changed; then
      $1 0
      return 0
    fi
    $1 0
    e2e_next_stone "$2"
  done
  e2e_fail "$1 did not turn the stone"
}

# e2e_next_stone <fall>: falls fast until the next stone shows at the top, with room all round.
e2e_next_stone() {
  $1 1
  sleep 0.3  # out of the top rows first
  e2e_wait_for 100 e2e_stone_top_within 0 1 || e2e_fail "no new stone came"
  $1 0
}

# e2e_expect_move <fall> <wall> <input...> <value>: the next stone, held so, touches the wall.
e2e_expect_move() {
  local fall=$1 wall=$2 input=("${@:3:$# - 3}") value=${*: -1}
  e2e_next_stone "$fall"
  "${input[@]}" "$value"
  e2e_wait_for 40 e2e_stone_at_wall "$wall" || e2e_fail "${input[*]} $value did not move the stone to the $wall wall"
  "${input[@]}" 0
}

# e2e_shows_plain <plain.png> <W>x<H> [rows]: a screenshot that size shows the plain picture scaled,
# black around (with rows, only its top rows are compared).
e2e_shows_plain() {
  local size differ
  e2e_screenshot "$E2E_WORK/shown.png" || return 1
  read -r size differ < <($E2E_X scaled "$E2E_WORK/shown.png" "$1" "$E2E_SCALE" "$E2E_LEFT" "$E2E_TOP" ${3:-})
  [ "$size" = "$2" ] && [ "$differ" -eq 0 ]
}

# e2e_preload <library>: the sanitizers' runtime wants to come first; a preloaded one is harmless.
e2e_preload() {
  E2E_GAME_ENV+=("LD_PRELOAD=$1")
  ldd "$E2E_GAME" | grep -q libasan && E2E_GAME_ENV+=("ASAN_OPTIONS=verify_asan_link_order=0")
  return 0
}

# e2e_on_sdl2: the running game's SDL 1.2 is sdl12-compat.
e2e_on_sdl2() { grep -q libSDL2 "/proc/$e2e_game_pid/maps" 2>/dev/null; }
