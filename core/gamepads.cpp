// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/gamepads.h"

#include "core/engine.h"
#include "core/gamepad_edge.h"
#include "core/sdl2_pads_edge.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

// clang-format off
const GamepadLayout GAMEPAD_CONTROLLER_LAYOUT = {"controller", {13, 14, 11, 12, 0, 1, 4, 6}};
const GamepadLayout GAMEPAD_STANDARD_LAYOUT = {"standard", {14, 15, 12, 13, 0, 1, 8, 9}};
// clang-format on

// A kind of pad the classic library may hand over, known by a part of its name and its counts.
struct GamepadModel {
    const char* nameParts;  // lower case, separated by '|'; a name holding any of them matches
    int buttonsMin, buttonsMax;
    int hats;  // -1: any number
    GamepadLayout layout;
};

// Both SDL 1.2 on Linux (evdev and joydev alike) and SDL 2's own Linux driver number a pad's buttons
// by their key codes: those from BTN_JOYSTICK (0x120) up in order (BTN_SOUTH 0x130, the d-pad
// buttons 0x220 and BTN_TRIGGER_HAPPY 0x2c0 after the rest), then those below it: SDL 2 from code
// 0, so that a Share button's KEY_RECORD comes last, SDL 1.2 from BTN_MISC (0x100) only, so that it
// has no Share button. ABS_HAT0X/Y is hat 0. So each row follows the key codes its kernel driver
// gives the pad (Linux 6.1 and later), and the counts tell apart what one driver gives differently.
// The first row that matches wins; the last matches every pad.
// Layout order: left, right, up, down (d-pad buttons), A, B (both turn), Back, Start.
//
// xpad names many pads without "Xbox" (its xpad_device table); these are read as Xbox pads when
// their counts are xpad's. xpad's keys: A B X Y START SELECT THUMBL THUMBR, then TL TR MODE (C Z on
// the first Xbox), TL2 TR2 when the triggers are buttons (fight sticks), BTN_TRIGGER_HAPPY1-4 for
// left, right, up, down when the d-pad is buttons (the 360 wireless receiver has the hat as well).
static constexpr char XPAD_NAMES[] =
    "xbox|x-box|logitech gamepad f310|logitech gamepad f510|logitech gamepad f710|horipad one|"
    "razer sabertooth|razer atrox|mad catz street fighter iv fightpad|mad catz fightstick te 2";
// clang-format off
static const GamepadModel GAMEPAD_MODELS[] = {
    // hid-microsoft over Bluetooth, through hid-input: the report's 15 buttons as BTN_SOUTH on
    // (A B - X Y - LB RB - - View Menu Xbox LS RS), the d-pad a hat, the Series' Share KEY_RECORD
    // last. View is 10, Menu 11; LB 6 and RB 7 must not pause or end.
    {"xbox wireless controller", 15, 16, 1,
        {"Xbox over Bluetooth (hid-microsoft)", {-1, -1, -1, -1, 0, 1, 10, 11}}},
    // xpad, the d-pad as buttons (the wireless receiver): A B X Y TL TR SELECT START MODE THUMBL
    // THUMBR, then the d-pad 11 to 14.
    {XPAD_NAMES, 15, 15, -1, {"Xbox, d-pad as buttons (xpad)", {11, 12, 13, 14, 0, 1, 6, 7}}},
    // xpad, the triggers as buttons (fight sticks): A B X Y TL TR TL2 TR2 SELECT START MODE THUMBL
    // THUMBR, the d-pad a hat; LT is 6 and RT 7.
    {XPAD_NAMES, 13, 13, -1, {"Xbox, triggers as buttons (xpad)", {-1, -1, -1, -1, 0, 1, 8, 9}}},
    // xpad, both as buttons (dance pads): the thirteen above, then the d-pad 13 to 16.
    {XPAD_NAMES, 17, 17, -1,
        {"Xbox, triggers and d-pad as buttons (xpad)", {13, 14, 15, 16, 0, 1, 8, 9}}},
    // xpad: A B X Y TL TR SELECT START MODE THUMBL THUMBR (the first Xbox: A B C X Y Z SELECT START
    // THUMBL THUMBR), the d-pad a hat; a Share button or paddles after them.
    {XPAD_NAMES, 10, 32, -1, {"Xbox (xpad)", {-1, -1, -1, -1, 0, 1, 6, 7}}},
    // hid-sony, DualShock 3: SOUTH EAST NORTH WEST TL TR TL2 TR2 SELECT START MODE THUMBL THUMBR,
    // then DPAD_UP DOWN LEFT RIGHT.
    {"playstation(r)3", 17, 17, -1, {"PlayStation 3 (hid-sony)", {15, 16, 13, 14, 0, 1, 8, 9}}},
    // hid-playstation (DualSense, and the DualShock 4 from Linux 6.2) and hid-sony (the
    // DualShock 4 before): SOUTH EAST NORTH WEST TL TR TL2 TR2 SELECT START MODE THUMBL THUMBR,
    // the d-pad a hat. L2 and R2 are 6 and 7; Share 8, Options 9.
    {"wireless controller|dualsense|dualshock", 13, 13, -1,
        {"PlayStation 4 and 5 (hid-playstation, hid-sony)", {-1, -1, -1, -1, 0, 1, 8, 9}}},
    // hid-nintendo, Pro Controller: SOUTH (B) EAST (A) NORTH (X) WEST (Y) Z (Capture) TL TR TL2 TR2
    // SELECT (-) START (+) MODE THUMBL THUMBR, the d-pad a hat.
    {"pro controller", 14, 14, -1, {"Switch Pro (hid-nintendo)", {-1, -1, -1, -1, 1, 0, 9, 10}}},
    // hid-generic, the common pads sold without a brand: TRIGGER THUMB THUMB2 TOP TOP2 PINKIE BASE
    // BASE2 BASE3 BASE4 ..., with four face buttons, four shoulders, then Select and Start.
    {"usb|generic", 10, 12, -1, {"generic USB (hid-generic)", {-1, -1, -1, -1, 0, 1, 8, 9}}},
    // Any other pad: its d-pad, its stick and its first two buttons; what its others mean is
    // not known, and a shoulder must not end a game.
    {"", 0, 1000, -1, {"unknown: d-pad, stick, buttons 0 and 1", {-1, -1, -1, -1, 0, 1, -1, -1}}},
};
// clang-format on

// The classic library counts up to 1.2.15; the one over SDL 2 starts its count at 1.2.50.
static constexpr int GAMEPAD_OVER_SDL2 = SDL_VERSIONNUM(1, 2, 50);

// Where the game reads a pad from: SDL's joysticks, or a test's reader.
static GamepadReader gamepadReader;

void SetGamepadReader(GamepadReader reader)
{
    gamepadReader = std::move(reader);
}

bool UsesControllerLayout(const SDL_version& linked, const char* controllerSetting)
{
    const bool overSdl2 =
        SDL_VERSIONNUM(linked.major, linked.minor, linked.patch) >= GAMEPAD_OVER_SDL2;
    return overSdl2 && controllerSetting && atoi(controllerSetting) != 0;
}

const GamepadLayout& ChooseGamepadLayout(const GamepadFacts& facts, GamepadLayout& own)
{
    if (facts.standardMapping)
        return GAMEPAD_STANDARD_LAYOUT;
    if (UsesControllerLayout(facts.linked, facts.controllerSetting))
        return GAMEPAD_CONTROLLER_LAYOUT;
    if (ReadMappingLayout(facts.mappings, facts.name, own))
        return own;
    return FindDeviceLayout(facts.name, facts.buttons, facts.hats);
}

// Whether the name holds one of the '|'-separated lower-case parts, in any case.
static bool NameHasPart(const char* name, const char* parts)
{
    if (!*parts)
        return true;
    for (const char* part = parts; *part;) {
        const size_t length = strcspn(part, "|");
        for (const char* start = name; *start; ++start) {
            size_t i = 0;
            while (i < length && start[i] &&
                   tolower(static_cast<unsigned char>(start[i])) == part[i])
                ++i;
            if (i == length)
                return true;
        }
        part += part[length] ? length + 1 : length;
    }
    return false;
}

const GamepadLayout& FindDeviceLayout(const char* name, int buttons, int hats)
{
    for (const GamepadModel& model : GAMEPAD_MODELS)
        if (NameHasPart(name ? name : "", model.nameParts) && buttons >= model.buttonsMin &&
            buttons <= model.buttonsMax && (model.hats < 0 || hats == model.hats))
            return model.layout;
    return GAMEPAD_MODELS[sizeof GAMEPAD_MODELS / sizeof GAMEPAD_MODELS[0] - 1].layout;
}

// SDL 2's names for the inputs in a mapping line, in GamepadInput order.
static const char* const GAMEPAD_MAPPING_KEYS[GAMEPAD_INPUTS] = {
    "dpleft", "dpright", "dpup", "dpdown", "a", "b", "back", "start"};

// Whether the text up to `end` is exactly the word.
static bool IsWord(const char* text, const char* end, const char* word)
{
    const size_t length = strlen(word);
    return size_t(end - text) == length && strncmp(text, word, length) == 0;
}

// Whether a mapping line's name field is the pad's name: both without the spaces around them, and
// a comma in the pad's name read as a space, as SDL writes such a name (a comma ends the field).
static bool IsPadName(const char* field, const char* end, const char* name)
{
    while (field < end && isspace(static_cast<unsigned char>(*field)))
        ++field;
    while (end > field && isspace(static_cast<unsigned char>(end[-1])))
        --end;
    while (isspace(static_cast<unsigned char>(*name)))
        ++name;
    const char* nameEnd = name + strlen(name);
    while (nameEnd > name && isspace(static_cast<unsigned char>(nameEnd[-1])))
        --nameEnd;
    if (end - field != nameEnd - name || field == end)
        return false;
    for (; field < end; ++field, ++name)
        if (*field != (*name == ',' ? ' ' : *name))
            return false;
    return true;
}

// Where the field that starts at `field` ends: at the next comma, or the line's end.
static const char* FieldEnd(const char* field, const char* lineEnd)
{
    const char* comma = static_cast<const char*>(memchr(field, ',', size_t(lineEnd - field)));
    return comma ? comma : lineEnd;
}

// Reads one "key:bN" field of a mapping line into the layout; other fields change nothing. SDL
// reads a field without its spaces, and so does this.
static void ReadMappingField(const char* field, const char* fieldEnd, GamepadLayout& layout)
{
    char text[24] = {};
    size_t length = 0;
    for (; field < fieldEnd; ++field) {
        if (*field == ' ')
            continue;
        if (length + 1 == sizeof text)
            return;
        text[length++] = *field;
    }
    const char* const end = text + length;
    const char* colon = strchr(text, ':');
    if (!colon || colon + 1 == end || colon[1] != 'b')
        return;
    int button = 0;
    for (const char* digit = colon + 2; digit < end; ++digit) {
        if (!isdigit(static_cast<unsigned char>(*digit)) || button >= 32)
            return;
        button = button * 10 + (*digit - '0');
    }
    for (int input = 0; input < GAMEPAD_INPUTS; ++input)
        if (IsWord(text, colon, GAMEPAD_MAPPING_KEYS[input]) && colon + 2 < end && button < 32)
            layout.button[input] = Sint8(button);
}

bool ReadMappingLayout(const char* config, const char* name, GamepadLayout& layout)
{
    for (const char* line = config; line && name && *line;) {
        const char* const next = line + strcspn(line, "\n");
        const char* lineEnd = next > line && next[-1] == '\r' ? next - 1 : next;  // CRLF as LF
        const char* nameStart = FieldEnd(line, lineEnd);
        const char* nameEnd = nameStart < lineEnd ? FieldEnd(nameStart + 1, lineEnd) : lineEnd;
        if (nameEnd < lineEnd && IsPadName(nameStart + 1, nameEnd, name)) {
            layout = {"SDL_GAMECONTROLLERCONFIG", {-1, -1, -1, -1, -1, -1, -1, -1}};
            for (const char* field = nameEnd + 1; field < lineEnd;) {
                const char* fieldEnd = FieldEnd(field, lineEnd);
                ReadMappingField(field, fieldEnd, layout);
                field = fieldEnd + 1;
            }
            return true;
        }
        line = *next ? next + 1 : next;
    }
    return false;
}

// A stick direction: the axis along it pushed that way beyond the dead zone, measured on the
// stick's length, and the axis across it clearly smaller.
static bool StickHolds(int along, int across, long long length2)
{
    const int alongAbs = abs(along), acrossAbs = abs(across);
    return along > 0 && length2 > 1LL * GAMEPAD_DEAD_ZONE * GAMEPAD_DEAD_ZONE &&
           acrossAbs * GAMEPAD_ACROSS_DIVISOR <= alongAbs;
}

Uint32 GamepadInputsHeld(const GamepadLayout& layout, const GamepadReading& reading)
{
    static const Uint8 HAT_BITS[] = {SDL_HAT_LEFT, SDL_HAT_RIGHT, SDL_HAT_UP, SDL_HAT_DOWN};
    const int x = reading.stickX, y = reading.stickY;
    // A d-pad on axes reaches the corner (-32768, -32768): 2^31, beyond an int.
    const long long length2 = 1LL * x * x + 1LL * y * y;
    const bool stick[] = {StickHolds(-x, y, length2), StickHolds(x, y, length2),
                          StickHolds(-y, x, length2), StickHolds(y, x, length2)};
    Uint32 held = 0;
    for (int input = 0; input < GAMEPAD_INPUTS; ++input) {
        const int button = layout.button[input];
        bool on = button >= 0 && button < 32 && (reading.buttons >> button & 1);
        if (input <= GAMEPAD_DOWN)
            on = on || (reading.hat & HAT_BITS[input]) || stick[input];
        held |= Uint32(on) << input;
    }
    return held;
}

bool Gamepads::Open()
{
    Close();
    const bool standard = PadsInStandardMapping();
    const bool controller =
        !standard &&
        UsesControllerLayout(*SDL_Linked_Version(), getenv("SDL12COMPAT_USE_GAME_CONTROLLERS"));
    if (controller)
        AdoptUnknownPads();
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0)
        return Fail("Couldn't start the gamepads: %s", SDL_GetError());
    started = true;
    // The game reads the pads' state itself, once a frame: their events would only fill the queue.
    SDL_JoystickEventState(SDL_IGNORE);
    Watch(true);
    PadsCameOrWent();  // every pad is looked at below; from now on one that comes or goes is noticed
    for (int pad = 0; pad < GAMEPAD_MAX; ++pad)
        if (PadThere(pad))
            OpenPad(pad);
    if (count > 0)  // what a report of a pad that plays wrong needs to say
        gEngine.Log(2, "Gamepad buttons: %s layout",
                    standard ? "standard" : (controller ? "controller" : "device"));
    return true;
}

void Gamepads::OpenPad(int number)
{
    Pad& pad = pads[number];
    pad.joystick = SDL_JoystickOpen(number);
    if (!pad.joystick) {
        gEngine.Log(2, "Couldn't open gamepad %d: %s", number, SDL_GetError());
        return;
    }
    const char* name = SDL_JoystickName(number);
    gEngine.Log(2, "Gamepad %d: %s", number, name ? name : "");
    const GamepadFacts facts = {PadsInStandardMapping(),
                                *SDL_Linked_Version(),
                                getenv("SDL12COMPAT_USE_GAME_CONTROLLERS"),
                                getenv("SDL_GAMECONTROLLERCONFIG"),
                                name,
                                SDL_JoystickNumButtons(pad.joystick),
                                SDL_JoystickNumHats(pad.joystick)};
    pad.layout = &ChooseGamepadLayout(facts, pad.ownLayout);
    gEngine.Log(2, "Gamepad %d layout: %s", number, pad.layout->name);
    ++count;
}

void Gamepads::Close()
{
    // SDL may have quit meanwhile, taking the joysticks with it.
    started = started && SDL_WasInit(SDL_INIT_JOYSTICK) != 0;
    for (Pad& pad : pads) {
        if (pad.joystick && started)
            SDL_JoystickClose(pad.joystick);
        pad = Pad{};
    }
    Watch(false);
    // Started again, SDL looks for the pads afresh.
    if (started)
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    started = false;
    count = 0;
}

bool Gamepads::Read(int number, GamepadReading& reading) const
{
    if (gamepadReader)
        return gamepadReader(number, reading);
    SDL_Joystick* joystick = pads[number].joystick;
    if (!joystick)
        return false;
    const int buttons = SDL_JoystickNumButtons(joystick);
    for (int button = 0; button < buttons && button < 32; ++button)
        reading.buttons |= Uint32(SDL_JoystickGetButton(joystick, button) != 0) << button;
    reading.hat = SDL_JoystickNumHats(joystick) > 0 ? SDL_JoystickGetHat(joystick, 0) : 0;
    if (SDL_JoystickNumAxes(joystick) >= 2) {
        reading.stickX = SDL_JoystickGetAxis(joystick, 0);
        reading.stickY = SDL_JoystickGetAxis(joystick, 1);
    }
    return true;
}

void Gamepads::Update(Pad& pad, Uint32 now)
{
    if (pad.letGo || !focused)
        pad.blocked = now;
    pad.letGo = false;
    pad.blocked &= now;                        // what was released counts again when next pressed
    const Uint32 counts = now & ~pad.blocked;  // nothing while the window is away
    pad.pressed |= counts & ~pad.held;
    pad.held = counts;
}

// A pad that went is closed and lets go of everything it held, its presses not yet taken too; a
// pad that came counts what it holds only once that is let go and pressed again.
void Gamepads::Replug()
{
    for (int number = 0; number < GAMEPAD_MAX; ++number) {
        Pad& pad = pads[number];
        const bool there = PadThere(number);
        if (pad.joystick && !there) {
            SDL_JoystickClose(pad.joystick);
            pad = Pad{};
            --count;
            gEngine.Log(2, "Gamepad %d gone", number);
        } else if (!pad.joystick && there) {
            OpenPad(number);
            pad.letGo = true;
        }
    }
}

void Gamepads::Poll()
{
    if (started && !gamepadReader && PadsCameOrWent())
        Replug();
    if (count == 0 && !gamepadReader)
        return;
    if (!gamepadReader)
        SDL_JoystickUpdate();
    for (int number = 0; number < GAMEPAD_MAX; ++number) {
        GamepadReading reading = {};
        if (Read(number, reading))
            Update(pads[number], GamepadInputsHeld(*pads[number].layout, reading));
    }
}

void Gamepads::Watch(bool now)
{
    if (started && now != watching)
        WatchPads(now);
    watching = started && now;
}

void Gamepads::SetFocus(bool now)
{
    if (now != focused)
        LetGoAll();
    focused = now;
}

void Gamepads::LetGoAll()
{
    for (Pad& pad : pads) {
        pad.letGo = true;
        pad.held = pad.pressed = 0;
    }
}

bool Gamepads::Held(int pad, GamepadInput input) const
{
    if (input < 0 || input >= GAMEPAD_INPUTS)
        return false;
    for (int number = 0; number < GAMEPAD_MAX; ++number)
        if ((pad == GAMEPAD_ANY || pad == number) && (pads[number].held >> input & 1))
            return true;
    return false;
}

bool Gamepads::TakePress(int pad, GamepadInput input)
{
    if (input < 0 || input >= GAMEPAD_INPUTS)
        return false;
    bool taken = false;
    for (int number = 0; number < GAMEPAD_MAX; ++number)
        if ((pad == GAMEPAD_ANY || pad == number) && (pads[number].pressed >> input & 1)) {
            pads[number].pressed &= ~(Uint32(1) << input);
            taken = true;
        }
    return taken;
}

bool KeyOrPadHeld(SDLKey key, int pad, GamepadInput input)
{
    return gEngine.keys[key] != 0 || gGamepads.Held(pad, input);
}

bool ReturnHeld()
{
    return KeyOrPadHeld(SDLK_RETURN, GAMEPAD_ANY, GAMEPAD_A) ||
           KeyOrPadHeld(SDLK_RETURN, GAMEPAD_ANY, GAMEPAD_START);
}
