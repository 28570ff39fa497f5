#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# The game installed into a staging directory: the launcher keeps the log and the list in the
# player's own directory, which survives an uninstall, and without a display says so in one line.
# (The package test, tests/package/, validates the desktop entry, metainfo and manual page.)
# Usage: install.sh <build directory> <source directory>
source "$(dirname "$0")/../e2e/lib.sh"
build=$(realpath "$1")
source_dir=$(realpath "$2")
e2e_begin "$build/kolvo" "$build/data"

stage="$E2E_WORK/stage"
prefix=/opt/kolvo
root="$stage$prefix"
export HOME="$E2E_WORK/home" XDG_DATA_HOME="$E2E_WORK/xdg"
mkdir -p "$HOME" "$E2E_WORK/elsewhere"
E2E_RUN="$XDG_DATA_HOME/kolvo"  # where the launcher runs the game, so where the log must be

# The install and the uninstall use the build's manifest: a developer's own is put back afterwards.
manifest="$build/install_manifest.txt"
[ -f "$manifest" ] && cp "$manifest" "$E2E_WORK/manifest.saved"
e2e_on_exit() {
  if [ -f "$E2E_WORK/manifest.saved" ]; then cp "$E2E_WORK/manifest.saved" "$manifest"; else rm -f "$manifest"; fi
}

# --- The install lays out a desktop game.
DESTDIR="$stage" cmake --install "$build" --prefix "$prefix" >"$E2E_WORK/install.log" 2>&1 \
  || e2e_fail "cmake --install failed: $(tail -3 "$E2E_WORK/install.log")"
for file in bin/kolvo libexec/kolvo/kolvo share/kolvo/data/grafik/font.bmp \
            share/applications/example.mossbrook.kolvo.desktop share/icons/hicolor/48x48/apps/kolvo.png \
            share/metainfo/example.mossbrook.kolvo.metainfo.xml share/man/man6/kolvo.6; do
  [ -e "$root/$file" ] || e2e_fail "the install lacks $file"
done

# --- Without a display: one clear line, a non-zero status, and nothing started.
check_no_display() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$@" -w >"$E2E_WORK/out" 2>"$E2E_WORK/err" \
    && e2e_fail "$1 without a display ended with status 0"
  [ "$(cat "$E2E_WORK/out" "$E2E_WORK/err" | wc -l)" -eq 1 ] || e2e_fail "$1 without a display did not say one line"
  grep -q "xvfb-run" "$E2E_WORK/err" || e2e_fail "$1 without a display did not name the way out"
}
check_no_display "$root/bin/kolvo"
[ ! -e "$E2E_RUN/kolvolog.txt" ] || e2e_fail "the launcher started the game without a display"
# ./kolvo.sh builds first, then hands over to the same launcher with the build's game and data.
KOLVO_BINARY="$build/kolvo" KOLVO_DATA="$build/data" check_no_display "$source_dir/dist/kolvo-launch"
# A Wayland session alone is a display too (a stand-in for the game, as no compositor runs here).
env -u DISPLAY -u SDL_VIDEODRIVER WAYLAND_DISPLAY=wayland-0 KOLVO_BINARY=/bin/echo "$root/bin/kolvo" -w \
  >"$E2E_WORK/out" 2>&1
[ "$(cat "$E2E_WORK/out")" = "-w" ] || e2e_fail "the launcher did not start the game in a Wayland session"
# Options pass through unchanged, and so does the exit status (the usage ends with 1).
env -u DISPLAY "$root/bin/kolvo" --help >"$E2E_WORK/out" 2>&1
[ $? -eq 1 ] && grep -q "^usage:" "$E2E_WORK/out" || e2e_fail "--help did not reach the game"

# --- Started elsewhere, the game runs in the player's directory, whose list "h" shows.
e2e_start_x
mkdir -p "$E2E_RUN"
now=$(date +%s)
/usr/bin/python3 "$source_dir/tests/highscore/highscore_format.py" encode "$E2E_RUN/highscore.txt" \
  "$now" "$now" "Wren:730:4:301:$now" "Ola:120:2:99:$now"
cp "$E2E_RUN/highscore.txt" "$E2E_WORK/highscore.before"
(cd "$E2E_WORK/elsewhere" && exec env SDL_AUDIODRIVER=dummy "$root/bin/kolvo" -w >game.out 2>&1) &
e2e_game_pid=$!
e2e_expect_log "Menue Ready!" 1 30
e2e_find_window
[ "$(readlink -f "$E2E_RUN/data")" = "$(readlink -f "$root/share/kolvo/data")" ] \
  || e2e_fail "the player's data link does not point at the installed data"
[ -z "$(find "$stage" "$E2E_WORK/elsewhere" -name kolvolog.txt)" ] \
  || e2e_fail "the log was written into the install tree or the starting directory"
e2e_key h
e2e_expect_log "Load done!"  # "Open Highscore failed!" where the list is not found
sleep 0.6  # a key within the list's first 500 ms is ignored
e2e_key Return
e2e_expect_log "Menue Ready!" 2
e2e_expect_in_order "StartHighscore" "Highscore called..." "Enter inner mainloop..." "User exits!"
e2e_quit_from_menu

# --- Uninstall removes every installed file; the player's directory stays as it was.
DESTDIR="$stage" cmake --build "$build" --target uninstall >"$E2E_WORK/uninstall.log" 2>&1 \
  || e2e_fail "the uninstall failed: $(tail -3 "$E2E_WORK/uninstall.log")"
[ -z "$(find "$stage" -type f)" ] || e2e_fail "the uninstall left files: $(find "$stage" -type f | head -3)"
cmp -s "$E2E_RUN/highscore.txt" "$E2E_WORK/highscore.before" || e2e_fail "playing or the uninstall touched the list"
echo "installed, run from the player's directory and uninstalled with the list intact"
