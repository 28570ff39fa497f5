#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright 2026 Mossbrook
# Every check of a rule of HACKING.md (scripts/check_*.sh) accepts the tree as it is and rejects,
# naming the file, each row below planted alone in a scratch copy: a line added to a file (made when
# missing; \n for line breaks) or a sed expression run over it ("sed:"). (A Step that runs a screen
# through a helper is refused at run time instead: tests/core/screen_test.cpp.)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)

# check | file | what breaks the rule
BROKEN_RULES='one_place|core/engine.cpp|static void Later() { setenv("SDL_AUDIODRIVER", "dummy", 1); }
one_place|game/mode_frame.cpp|void Later() { SDL_putenv(setting); }
one_place|ui/main_menu.cpp|void Peek() { SDL_PeepEvents(events, 1, SDL_GETEVENT, SDL_ALLEVENTS); }
one_place|game/wait.cpp|void Wait() { SDL_WaitEvent(&event); }
one_place|app/program.cpp|void Drain() { while (SDL_PollEvent(&event)) {} }
one_place|ui/menu_show.cpp|void Show() { SDL_UpdateRect(gEngine.screen, 0, 0, 0, 0); }
one_place|highscore/show.cpp|void Show() { SDL_Flip(gEngine.screen); }
one_place|ui/watch.cpp|void Watch() { SDL_SetEventFilter(nullptr); }
one_place|game/game_clock.cpp|Uint32 Now() { return SDL_GetTicks(); }
one_place|game/challenge.cpp|void Wait() { SDL_Delay(300); }
one_place|ui/info_step.cpp|bool Info::Step()\n{\n    if (chosen)\n        return RunScreen(other, rules);\n    return true;\n}
one_place|ui/inline_step.h|struct Inline : Screen {\n    bool Step() override { return RunScreen(other, rules); }\n};
one_place|game/inline_step.h|struct Inline : Screen {\n    bool Step() override\n    {\n        return ready &&\n               RunScreen(other, rules);\n    }\n};
one_place|game/sidebar.cpp|#ifdef __EMSCRIPTEN__\nstatic int browser;\n#endif
one_place|core/frame_pacer.cpp|#if defined(EMSCRIPTEN)\n#endif
one_place|media/sprite.cpp|#include <emscripten.h>
one_place|core/vibration_web.cpp|void Vibrate() {}
one_place|media/music_desktop.cpp|void PlayMusic() {}
one_place|game/tumblo_engine.cpp|static Sprite* Make() { return new Sprite; }
one_place|media/sound_source.cpp|static void Drop(SoundStream* sound) { delete sound; }
one_place|bench/bench_screen.h|inline void Drop(char* text) { delete[] text; }
layers|core/frame_look.cpp|#include <game/game.h>
layers|media/sprite.cpp|  #include "ui/button.h"
layers|ui/button.cpp|# include "game/game.h"
layers|core/screen.cpp|#include "../highscore/highscore_list.h"
layers|highscore/name_entry.cpp|#include "tests/support/log_sink.h"
layers|tests/support/headless.h|#include "game/game.h"
layers|tests/core/screen_test.cpp|#include "tests/game/mode_world.h"
layers|fuzz/font_scan_fuzz.cpp|#include "bench/bench_screen.h"
layers|tools/virtual_pad.cpp|#include "tests/game/mode_world.h"
held_keys|game/mode_frame.cpp|bool Paused() { return HeldKeys()[SDLK_p]; }
held_keys|ui/main_menu.cpp|bool Up() { return gEngine.keys[SDLK_UP] != 0; }
held_keys|highscore/name_entry.cpp|const Uint8* state = SDL_GetKeyboardState(nullptr);
held_keys|game/challenge.cpp|Uint8* keys = SDL_GetKeyState(nullptr);
held_keys|game/game.cpp|bool Turn() { return gGamepads.Held(0, GAMEPAD_A); }
held_keys|ui/options_screen.cpp|Uint8* held = freeMain->keys;
console|ui/info_screen.cpp|void Say() { printf("hello\\n"); }
console|core/engine.cpp|void Shout() { fprintf(stderr, "hello"); }
console|media/sound_stream.cpp|void Say() { puts("hello"); }
console|media/text_engine.cpp|void Say(const char* format, va_list list) { vfprintf(stderr, format, list); }
console|core/screen.cpp|void Say() { fputc(\047x\047, stdout); }
console|game/sidebar.cpp|void Say() { fputs("hello", stderr); }
console|core/termination.cpp|void Say() { std::cerr << "hello"; }
console|media/sprite.cpp|void Say() { perror("hello"); }
console|game/tumblo_engine.cpp|// the score on standard output\nvoid Say() { printf("%d", 1); }
console|game/game.cpp|void Quit() { exit(0); }
console|game/challenge.cpp|void Quit() { std::exit(1); }
console|highscore/highscore_screen.cpp|void Stop() { abort(); }
console|app/program.cpp|void Stop() { _Exit(2); }
console|ui/button.cpp|void Stop() { quick_exit(2); }
console|media/sound_stream.cpp|sed:s/Kept on purpose:/Kept:/
console|ui/info_screen.cpp|sed:s/Kept on purpose:/Kept:/
console|HACKING.md|sed:s/| `game\/challenge.cpp` |$/| `game\/sidebar.cpp` |/
format|core/ticks.cpp|int  Badly ( int x ){return x;}
licences|ui/newcomer.cpp|int newcomer;'

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
tree=$scratch/tree
mkdir "$tree"
if git -C "$root" rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  (cd "$root" && git ls-files -z --cached --others --exclude-standard |
     tar --null -T - --ignore-failed-read -cf - 2>/dev/null) | tar -xf - -C "$tree"
else
  (cd "$root" && tar --exclude='./build*' --exclude=./.git -cf - .) | tar -xf - -C "$tree"
fi

failures=0
failed() { echo "FAILED: $1"; sed 's/^/    /' "$scratch/out"; failures=$((failures + 1)); }
check() { bash "$tree/scripts/check_$1.sh" >"$scratch/out" 2>&1; }

for name in $(echo "$BROKEN_RULES" | cut -d'|' -f1 | sort -u); do
  check "$name" && continue
  [ $? = 77 ] && echo "skipped: $name (its tool is missing here)" || failed "$name rejects the untouched tree:"
done

while IFS='|' read -r name file broken; do
  target=$tree/$file
  rm -f "$scratch/original"
  [ -f "$target" ] && cp -p "$target" "$scratch/original"
  mkdir -p "$(dirname "$target")"
  if [[ "$broken" == sed:* ]]; then
    sed -i -e "${broken#sed:}" "$target"
    cmp -s "$target" "$scratch/original" && { echo "FAILED: the row for $file changes nothing"; failures=$((failures + 1)); }
  else
    printf '%b\n' "$broken" >>"$target"
  fi
  status=0
  check "$name" || status=$?
  if [ "$status" = 77 ]; then
    echo "skipped: $name on $file (its tool is missing here)"
  elif [ "$status" = 0 ] || ! grep -qF "$file" "$scratch/out"; then
    failed "$name lets this through in $file: $broken"
  else
    echo "rejected by $name: $(grep -F "$file" "$scratch/out" | head -n 1)"
  fi
  if [ -f "$scratch/original" ]; then cp -p "$scratch/original" "$target"; else rm -f "$target"; fi
done <<<"$BROKEN_RULES"

rows=$(grep -c . <<<"$BROKEN_RULES")
echo "$((rows - failures)) of $rows broken rules rejected, the untouched tree accepted"
[ "$failures" -eq 0 ]
