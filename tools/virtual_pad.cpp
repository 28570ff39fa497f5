// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook
//
// Gamepads without hardware, for playing the game with a scripted pad on SDL 1.2 over SDL 2 (the
// window stories do). Preloaded into the game (LD_PRELOAD), it attaches SDL 2 virtual joysticks
// as soon as SDL has started, before the game looks for its pads, and sets their buttons, axes
// and hats from the lines written to a named pipe, so that the game reads them through SDL 2's
// own drivers and sdl12-compat, as it reads a real pad.
//   KOLVO_VIRTUAL_PADS       the pads in order, separated by spaces: "controller", a game
//                            controller as SDL 2 maps it (A 0, B 1, Back 4, Start 6, the d-pad
//                            11 to 14, the left stick axes 0 and 1), or "joystick", a pad SDL 2
//                            knows nothing of (2 axes, 4 buttons, 1 hat); "controller" if unset
//   KOLVO_VIRTUAL_PAD_INPUT  the named pipe; each line is "PAD button|axis|hat NUMBER VALUE"
// On the classic SDL 1.2 there is no SDL 2 to attach to, and nothing is done.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dlfcn.h>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

constexpr int VIRTUAL_PADS_MAX = 4;
constexpr unsigned VIRTUAL_SDL2_INIT_JOYSTICK = 0x200;
constexpr int VIRTUAL_TYPE_UNKNOWN = 0, VIRTUAL_TYPE_GAMECONTROLLER = 1;

// The calls of SDL 2's stable interface used here.
struct VirtualSdl2 {
    int (*InitSubSystem)(unsigned flags);
    int (*AttachVirtual)(int type, int axes, int buttons, int hats);
    void* (*Open)(int device);
    int (*SetButton)(void* joystick, int button, uint8_t value);
    int (*SetAxis)(void* joystick, int axis, int16_t value);
    int (*SetHat)(void* joystick, int hat, uint8_t value);
};

static VirtualSdl2 sdl2;
static void* virtualPads[VIRTUAL_PADS_MAX];

template <typename Call>
static bool Find(void* library, const char* name, Call& call)
{
    call = reinterpret_cast<Call>(dlsym(library, name));
    return call != nullptr;
}

static bool FindSdl2()
{
    void* library = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_NOLOAD);
    return library && Find(library, "SDL_InitSubSystem", sdl2.InitSubSystem) &&
           Find(library, "SDL_JoystickAttachVirtual", sdl2.AttachVirtual) &&
           Find(library, "SDL_JoystickOpen", sdl2.Open) &&
           Find(library, "SDL_JoystickSetVirtualButton", sdl2.SetButton) &&
           Find(library, "SDL_JoystickSetVirtualAxis", sdl2.SetAxis) &&
           Find(library, "SDL_JoystickSetVirtualHat", sdl2.SetHat);
}

// Applies one line of the pipe; a line that names no pad or no input is skipped.
static void Apply(const char* line)
{
    int pad = -1, number = 0, value = 0;
    char input[8] = "";
    if (sscanf(line, "%d %7s %d %d", &pad, input, &number, &value) != 4 || pad < 0 ||
        pad >= VIRTUAL_PADS_MAX || !virtualPads[pad])
        return;
    if (strcmp(input, "button") == 0)
        sdl2.SetButton(virtualPads[pad], number, uint8_t(value));
    else if (strcmp(input, "axis") == 0)
        sdl2.SetAxis(virtualPads[pad], number, int16_t(value));
    else if (strcmp(input, "hat") == 0)
        sdl2.SetHat(virtualPads[pad], number, uint8_t(value));
}

// Reads the pipe for as long as the game runs. It is opened for writing as well, so it never
// reaches its end between two writers: closing it there would throw away a line a writer had
// just put in, and a pad would miss a press. Plain reads, not stdio: a thread blocked inside fgets
// holds its stream's lock, and a C library that locks every stream at exit would wait for it.
static void ReadInput(const char* path)
{
    const int pipe = open(path, O_RDWR);
    if (pipe < 0)
        return;
    char line[128];
    size_t length = 0;
    for (;;) {
        const ssize_t got = read(pipe, line + length, sizeof line - 1 - length);
        if (got <= 0)
            break;
        length += size_t(got);
        line[length] = '\0';
        char* end;
        while ((end = strchr(line, '\n')) != nullptr) {
            *end = '\0';
            Apply(line);
            length -= size_t(end + 1 - line);
            memmove(line, end + 1, length + 1);
        }
        if (length == sizeof line - 1)
            length = 0;  // a line too long for any input: dropped
    }
    close(pipe);
}

static void AttachPads()
{
    static bool attached = false;
    if (attached || !FindSdl2() || sdl2.InitSubSystem(VIRTUAL_SDL2_INIT_JOYSTICK) != 0)
        return;
    attached = true;
    const char* kinds = getenv("KOLVO_VIRTUAL_PADS");
    char list[128];
    snprintf(list, sizeof list, "%s", kinds ? kinds : "controller");
    int pads = 0;
    for (char* kind = strtok(list, " "); kind && pads < VIRTUAL_PADS_MAX;
         kind = strtok(nullptr, " ")) {
        const bool controller = strcmp(kind, "joystick") != 0;
        const int device = controller ? sdl2.AttachVirtual(VIRTUAL_TYPE_GAMECONTROLLER, 6, 15, 0)
                                      : sdl2.AttachVirtual(VIRTUAL_TYPE_UNKNOWN, 2, 4, 1);
        virtualPads[pads++] = device >= 0 ? sdl2.Open(device) : nullptr;
    }
    const char* input = getenv("KOLVO_VIRTUAL_PAD_INPUT");
    if (input)
        std::thread(ReadInput, input).detach();
}

// SDL 1.2's SDL_Init, which loads SDL 2 on sdl12-compat; the pads are attached right after it.
extern "C" int SDL_Init(uint32_t flags)
{
    static int (*init)(uint32_t) =
        reinterpret_cast<int (*)(uint32_t)>(dlsym(RTLD_NEXT, "SDL_Init"));
    const int result = init ? init(flags) : -1;
    if (result == 0)
        AttachPads();
    return result;
}
