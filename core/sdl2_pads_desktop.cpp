// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/sdl2_pads_edge.h"

#include "core/engine.h"
#include "core/gamepads.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <dlfcn.h>

static const char SDL2_LIBRARY[] = "libSDL2-2.0.so.0";
constexpr unsigned SDL2_INIT_JOYSTICK = 0x200;
constexpr int SDL2_MAPPING_SIZE = 512;  // a mapping line; a pad's name is cut to fit

// The few calls of SDL 2's stable interface that mapping a pad needs.
struct Sdl2Guid {
    Uint8 data[16];
};
struct Sdl2Calls {
    int (*InitSubSystem)(unsigned flags);
    int (*NumJoysticks)();
    int (*IsGameController)(int device);
    const char* (*JoystickNameForIndex)(int device);
    Sdl2Guid (*JoystickGetDeviceGUID)(int device);
    void (*JoystickGetGUIDString)(Sdl2Guid guid, char* text, int size);
    void* (*JoystickOpen)(int device);
    int (*JoystickNumButtons)(void* joystick);
    int (*JoystickNumAxes)(void* joystick);
    int (*JoystickNumHats)(void* joystick);
    void (*JoystickClose)(void* joystick);
    int (*GameControllerAddMapping)(const char* mapping);
};

template <typename Call>
static bool Find(void* library, const char* name, Call& call)
{
    call = reinterpret_cast<Call>(dlsym(library, name));
    return call != nullptr;
}

static bool FindCalls(void* library, Sdl2Calls& sdl)
{
    return Find(library, "SDL_InitSubSystem", sdl.InitSubSystem) &&
           Find(library, "SDL_NumJoysticks", sdl.NumJoysticks) &&
           Find(library, "SDL_IsGameController", sdl.IsGameController) &&
           Find(library, "SDL_JoystickNameForIndex", sdl.JoystickNameForIndex) &&
           Find(library, "SDL_JoystickGetDeviceGUID", sdl.JoystickGetDeviceGUID) &&
           Find(library, "SDL_JoystickGetGUIDString", sdl.JoystickGetGUIDString) &&
           Find(library, "SDL_JoystickOpen", sdl.JoystickOpen) &&
           Find(library, "SDL_JoystickNumButtons", sdl.JoystickNumButtons) &&
           Find(library, "SDL_JoystickNumAxes", sdl.JoystickNumAxes) &&
           Find(library, "SDL_JoystickNumHats", sdl.JoystickNumHats) &&
           Find(library, "SDL_JoystickClose", sdl.JoystickClose) &&
           Find(library, "SDL_GameControllerAddMapping", sdl.GameControllerAddMapping);
}

// Adds to the line, cut at SDL2_MAPPING_SIZE.
static void Append(char* line, const char* format, ...) __attribute__((format(printf, 2, 3)));
static void Append(char* line, const char* format, ...)
{
    const size_t used = strlen(line);
    va_list args;
    va_start(args, format);
    vsnprintf(line + used, SDL2_MAPPING_SIZE - used, format, args);
    va_end(args);
}

// SDL 2's mapping line for the pad, read in its device layout: "guid,name,a:b0,...".
static void MakeMapping(const Sdl2Calls& sdl, int device, void* joystick, char* line)
{
    static const char* const KEYS[GAMEPAD_INPUTS] = {"dpleft", "dpright", "dpup", "dpdown",
                                                     "a",      "b",       "back", "start"};
    const int buttons = sdl.JoystickNumButtons(joystick), hats = sdl.JoystickNumHats(joystick);
    const char* name = sdl.JoystickNameForIndex(device);
    const GamepadLayout& layout = FindDeviceLayout(name, buttons, hats);
    sdl.JoystickGetGUIDString(sdl.JoystickGetDeviceGUID(device), line, SDL2_MAPPING_SIZE);
    // SDL 2.26 and later keep a check sum of the pad's name in the GUID's bytes 2 and 3 (before,
    // they are zero). A line with zeros there stands for every pad of the GUID's vendor, product and
    // version whatever its name, and SDL tries it after lines with the pad's check sum; zeros make
    // the line mean the same to every SDL 2.
    if (strlen(line) == 32)
        memcpy(line + 4, "0000", 4);
    const size_t nameStart = strlen(line) + 1;
    Append(line, ",%.200s", name ? name : "pad");
    for (char* c = line + nameStart; *c; ++c)  // a comma would end the name early: as SDL does
        if (*c == ',')
            *c = ' ';
    for (int input = 0; input < GAMEPAD_INPUTS; ++input)
        if (layout.button[input] >= 0 && layout.button[input] < buttons)
            Append(line, ",%s:b%d", KEYS[input], layout.button[input]);
    if (hats > 0 && layout.button[GAMEPAD_LEFT] < 0)
        Append(line, ",dpup:h0.1,dpright:h0.2,dpdown:h0.4,dpleft:h0.8");
    if (sdl.JoystickNumAxes(joystick) >= 2)
        Append(line, ",leftx:a0,lefty:a1");
    gEngine.Log(2, "Gamepad %s is no controller SDL 2 knows: read as %s", name ? name : "",
                layout.name);
}

void AdoptUnknownPads()
{
    void* library = dlopen(SDL2_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
    if (!library)
        return;
    Sdl2Calls sdl;
    // SDL 2's joysticks stay started: stopping them would forget the mappings given here.
    if (FindCalls(library, sdl) && sdl.InitSubSystem(SDL2_INIT_JOYSTICK) == 0) {
        for (int device = 0; device < sdl.NumJoysticks(); ++device) {
            if (sdl.IsGameController(device))
                continue;
            void* joystick = sdl.JoystickOpen(device);
            if (!joystick)
                continue;
            char line[SDL2_MAPPING_SIZE];
            MakeMapping(sdl, device, joystick, line);
            sdl.JoystickClose(joystick);
            sdl.GameControllerAddMapping(line);
        }
    }
    dlclose(library);
}
