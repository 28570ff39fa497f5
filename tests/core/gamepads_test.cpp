// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "core/gamepads.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <linux/input-event-codes.h>
#include <tuple>
#include <vector>

// A pad as its kernel driver presents it: its name, the key codes it has (in any order), its hats,
// and the key each input of the game should be, in GamepadInput order (0: none; the d-pad of a pad
// with a hat is that hat).
struct DriverPad {
    const char* name;
    std::vector<int> keys;
    int hats;
    int expected[GAMEPAD_INPUTS];
};

// SDL 2 numbers a pad's buttons by their key codes: BTN_JOYSTICK and above in order, then those
// below it; SDL 1.2 too, without those below BTN_MISC (KEY_RECORD: its rows here are SDL 2's).
static int ButtonOf(const DriverPad& pad, int key)
{
    std::vector<int> keys = pad.keys;
    std::sort(keys.begin(), keys.end(), [](int a, int b) {
        return std::make_pair(a < BTN_JOYSTICK, a) < std::make_pair(b < BTN_JOYSTICK, b);
    });
    return key ? int(std::find(keys.begin(), keys.end(), key) - keys.begin()) : -1;
}

TEST(Gamepads, EachKindOfPadTurnsWithItsFaceButtonsAndPausesAndEndsWithItsMiddleOnes)
{
    const auto with = [](std::vector<int> keys, std::initializer_list<int> more) {
        keys.insert(keys.end(), more);  // the keys a driver gives, and more of them
        return keys;
    };
    // xpad.c: xpad_common_btn, then xpad360_btn (xpad_btn on the first Xbox), xpad_btn_triggers
    // when the triggers are buttons, xpad_btn_pad when the d-pad is, KEY_RECORD for Share.
    const std::vector<int> XPAD = {BTN_A,      BTN_B,      BTN_X,  BTN_Y,  BTN_START, BTN_SELECT,
                                   BTN_THUMBL, BTN_THUMBR, BTN_TL, BTN_TR, BTN_MODE};
    const std::vector<int> DPAD_BUTTONS = with(
        XPAD, {BTN_TRIGGER_HAPPY1, BTN_TRIGGER_HAPPY2, BTN_TRIGGER_HAPPY3, BTN_TRIGGER_HAPPY4});
    const std::vector<int> TRIGGER_BUTTONS = with(XPAD, {BTN_TL2, BTN_TR2});
    // hid-input over Bluetooth: the report's buttons 1 to 15 as BTN_GAMEPAD on, whether the pad
    // has them or not (A B - X Y - LB RB - - View Menu Xbox LS RS).
    std::vector<int> bluetooth;
    for (int key = BTN_GAMEPAD; key < BTN_GAMEPAD + 15; ++key)
        bluetooth.push_back(key);
    const std::vector<int> PLAYSTATION = {BTN_WEST, BTN_SOUTH,  BTN_EAST,  BTN_NORTH,  BTN_TL,
                                          BTN_TR,   BTN_TL2,    BTN_TR2,   BTN_SELECT, BTN_START,
                                          BTN_MODE, BTN_THUMBL, BTN_THUMBR};
    const std::vector<int> GENERIC = {BTN_TRIGGER, BTN_THUMB,  BTN_THUMB2, BTN_TOP,
                                      BTN_TOP2,    BTN_PINKIE, BTN_BASE,   BTN_BASE2,
                                      BTN_BASE3,   BTN_BASE4,  BTN_BASE5,  BTN_BASE6};
    const int FACE_AND_MIDDLE[] = {0, 0, 0, 0, BTN_SOUTH, BTN_EAST, BTN_SELECT, BTN_START};
    const DriverPad pads[] = {
        // clang-format off
        {"Microsoft X-Box 360 pad", XPAD, 1, {0, 0, 0, 0, BTN_A, BTN_B, BTN_SELECT, BTN_START}},
        {"Microsoft X-Box pad v2 (US)", {BTN_A, BTN_B, BTN_X, BTN_Y, BTN_START, BTN_SELECT,
            BTN_THUMBL, BTN_THUMBR, BTN_C, BTN_Z}, 1, {}},
        {"Microsoft Xbox Series S|X Controller", with(XPAD, {KEY_RECORD}), 1, {}},
        {"Logitech Gamepad F310", XPAD, 1, {}},
        {"HORIPAD ONE", XPAD, 1, {}},
        {"Razer Sabertooth", XPAD, 1, {}},
        {"Mad Catz Wired Xbox 360 Controller (SFIV)", TRIGGER_BUTTONS, 1, {}},
        {"Mad Catz FightStick TE 2", TRIGGER_BUTTONS, 1, {}},
        {"Xbox 360 Wireless Receiver", DPAD_BUTTONS, 1, {BTN_TRIGGER_HAPPY1, BTN_TRIGGER_HAPPY2,
            BTN_TRIGGER_HAPPY3, BTN_TRIGGER_HAPPY4, BTN_A, BTN_B, BTN_SELECT, BTN_START}},
        {"Microsoft X-Box 360 pad", with(TRIGGER_BUTTONS, {BTN_TRIGGER_HAPPY1, BTN_TRIGGER_HAPPY2,
            BTN_TRIGGER_HAPPY3, BTN_TRIGGER_HAPPY4}), 0, {BTN_TRIGGER_HAPPY1, BTN_TRIGGER_HAPPY2,
            BTN_TRIGGER_HAPPY3, BTN_TRIGGER_HAPPY4, BTN_A, BTN_B, BTN_SELECT, BTN_START}},
        {"Xbox Wireless Controller", bluetooth, 1, {}},
        {"Xbox Wireless Controller", with(bluetooth, {KEY_RECORD}), 1, {}},
        {"Wireless Controller", PLAYSTATION, 1, {}},
        {"Sony Interactive Entertainment DualSense Wireless Controller", PLAYSTATION, 1, {}},
        {"Sony PLAYSTATION(R)3 Controller", {BTN_SELECT, BTN_THUMBL, BTN_THUMBR, BTN_START,
            BTN_DPAD_UP, BTN_DPAD_RIGHT, BTN_DPAD_DOWN, BTN_DPAD_LEFT, BTN_TL2, BTN_TR2, BTN_TL,
            BTN_TR, BTN_NORTH, BTN_EAST, BTN_SOUTH, BTN_WEST, BTN_MODE}, 0, {BTN_DPAD_LEFT,
            BTN_DPAD_RIGHT, BTN_DPAD_UP, BTN_DPAD_DOWN, BTN_SOUTH, BTN_EAST, BTN_SELECT, BTN_START}},
        {"Nintendo Switch Pro Controller", {BTN_SELECT, BTN_Z, BTN_THUMBL, BTN_TL, BTN_TL2,
            BTN_START, BTN_MODE, BTN_THUMBR, BTN_SOUTH, BTN_EAST, BTN_NORTH, BTN_WEST, BTN_TR,
            BTN_TR2}, 1, {0, 0, 0, 0, BTN_EAST, BTN_SOUTH, BTN_SELECT, BTN_START}},
        {"DragonRise Inc.   Generic   USB  Joystick  ", GENERIC, 1,
            {0, 0, 0, 0, BTN_TRIGGER, BTN_THUMB, BTN_BASE3, BTN_BASE4}},
        {"Acme Flight Stick", GENERIC, 1, {0, 0, 0, 0, BTN_TRIGGER, BTN_THUMB, 0, 0}},
        {"/tmp/pad", {BTN_TRIGGER, BTN_THUMB}, 0, {0, 0, 0, 0, BTN_TRIGGER, BTN_THUMB, 0, 0}},
        // clang-format on
    };
    for (DriverPad pad : pads) {
        if (!pad.expected[GAMEPAD_A])
            std::copy(std::begin(FACE_AND_MIDDLE), std::end(FACE_AND_MIDDLE), pad.expected);
        const GamepadLayout& layout = FindDeviceLayout(pad.name, int(pad.keys.size()), pad.hats);
        for (int input = 0; input < GAMEPAD_INPUTS; ++input)
            EXPECT_EQ(layout.button[input], ButtonOf(pad, pad.expected[input]))
                << pad.name << ", input " << input;
    }
}

// The stick at an angle from straight left (counter-clockwise, towards down), pushed as far as
// the length says, in 32767ths.
TEST(Gamepads, TheStickHoldsTheDirectionItIsMostlyPushedIn)
{
    const Uint32 L = 1 << GAMEPAD_LEFT, R = 1 << GAMEPAD_RIGHT, U = 1 << GAMEPAD_UP,
                 D = 1 << GAMEPAD_DOWN;
    const std::tuple<double, double, Uint32> rows[] = {
        {0, 1, L},    {20, 1, L},   {-20, 1, L},  {25, 1, L},   {45, 1, 0},
        {70, 1, D},   {90, 1, D},   {180, 1, R},  {270, 1, U},  {250, 1, U},
        {0, 0.30, 0}, {0, 0.34, L}, {30, 0.9, 0}, {45, 0.4, 0}, {200, 0.99, R},
    };
    for (const auto& [degrees, length, expected] : rows) {
        const double angle = degrees * M_PI / 180;
        const GamepadReading reading = {0, 0,
                                        Sint16(std::lround(-std::cos(angle) * length * 32767)),
                                        Sint16(std::lround(std::sin(angle) * length * 32767))};
        EXPECT_EQ(GamepadInputsHeld(GAMEPAD_CONTROLLER_LAYOUT, reading), expected)
            << degrees << " degrees, length " << length;
    }
    // A d-pad on axes reaches the very ends; the corner's squared length does not fit an int.
    EXPECT_EQ(GamepadInputsHeld(GAMEPAD_CONTROLLER_LAYOUT, {0, 0, -32768, 0}), L);
    EXPECT_EQ(GamepadInputsHeld(GAMEPAD_CONTROLLER_LAYOUT, {0, 0, -32768, -32768}), 0u);
}

// A browser gives every pad in the standard mapping, whatever its SDL calls itself (emscripten's:
// 1.3.0) or the player sets; SDL 1.2 over SDL 2 gives the controller layout when the setting asks
// for it as a number; otherwise the player's line for the pad wins over the table. SDL 2's mapping
// lines name a pad; the classic library gives only the name, so that is matched.
TEST(Gamepads, EachPadIsReadInTheLayoutItsPlatformSDLAndPlayersLineByItsNameGiveIt)
{
    const char* const MINE =
        "# a comment, not a pad\n"
        "03000000,Other Pad,a:b5,start:b6\n"
        "03000000,My Pad,platform:Linux,a:b2,b:b1,back:b10,start:b11,"
        "dpup:b12,dpleft:h0.8,leftx:a0,x:b3,y:b40,dpdown:b99\n";
    const char* const XBOX = "Microsoft X-Box 360 pad";
    const std::tuple<GamepadFacts, const char*> rows[] = {
        // clang-format off
        {{true, {1, 3, 0}, "1", nullptr, "Xbox 360 Controller (STANDARD GAMEPAD)", 17, 0}, "standard"},
        {{true, {1, 2, 15}, nullptr, MINE, "My Pad", 17, 0}, "standard"},
        {{false, {1, 3, 0}, "1", MINE, "My Pad", 17, 0}, "controller"},
        {{false, {1, 2, 50}, "1", nullptr, XBOX, 11, 1}, "controller"},
        {{false, {1, 2, 60}, "2", nullptr, XBOX, 11, 1}, "controller"},
        {{false, {1, 2, 60}, "0", nullptr, XBOX, 11, 1}, "Xbox (xpad)"},
        {{false, {1, 2, 60}, "yes", nullptr, XBOX, 11, 1}, "Xbox (xpad)"},
        {{false, {1, 2, 60}, nullptr, MINE, "My Pad", 11, 1}, "SDL_GAMECONTROLLERCONFIG"},
        {{false, {1, 2, 15}, "1", MINE, "My Pad", 11, 1}, "SDL_GAMECONTROLLERCONFIG"},
        {{false, {1, 2, 15}, "1", MINE, XBOX, 11, 1}, "Xbox (xpad)"},
        {{false, {1, 2, 15}, nullptr, nullptr, nullptr, 2, 0}, "unknown: d-pad, stick, buttons 0 and 1"},
        // clang-format on
    };
    for (const auto& [facts, expected] : rows) {
        GamepadLayout own = {};
        EXPECT_STREQ(ChooseGamepadLayout(facts, own).name, expected)
            << (facts.name ? facts.name : "no name") << ", SDL 1." << int(facts.linked.minor) << "."
            << int(facts.linked.patch);
    }
    GamepadLayout layout = {};
    ASSERT_TRUE(ReadMappingLayout(MINE, "My Pad", layout));
    EXPECT_EQ(std::vector<int>(layout.button, layout.button + GAMEPAD_INPUTS),
              (std::vector<int>{-1, -1, 12, -1, 2, 1, 10, 11}));
    for (const char* name : {"My", "My Pad,", "my pad", ""})
        EXPECT_FALSE(ReadMappingLayout(MINE, name, layout)) << name;
    // Spaces around a name, as kernel names have, CRLF lines; SDL writes a name's comma as a space.
    const char* const WRITTEN = "03000000, Spaced  Pad ,start: b9\r\n03000000,Pad  Deluxe,a:b7\r\n";
    ASSERT_TRUE(ReadMappingLayout(WRITTEN, "Spaced  Pad   ", layout));
    EXPECT_EQ(layout.button[GAMEPAD_START], 9);
    ASSERT_TRUE(ReadMappingLayout(WRITTEN, "Pad, Deluxe", layout));
    EXPECT_EQ(layout.button[GAMEPAD_A], 7);
    EXPECT_FALSE(ReadMappingLayout(nullptr, "My Pad", layout));
    EXPECT_FALSE(ReadMappingLayout("03000000,My Pad", "My Pad", layout));  // no field after it
}

// One pad, read through the test reader (controller layout: A 0, Start 6). What was held when let go
// counts only once pressed again; each press is taken once and kept until taken; nothing counts
// while the window is away, nor what was held when it comes back.
TEST(Gamepads, APressCountsOnceAndOnlyWhileTheWindowIsThere)
{
    constexpr Uint32 A = 1 << 0, START = 1 << 6;
    GamepadReading reading = {};
    SetGamepadReader([&](int pad, GamepadReading& out) { return out = reading, pad == 0; });
    Gamepads pads;
    const auto hold = [&](Uint32 buttons) { reading.buttons = buttons, pads.Poll(); };
    hold(A);
    EXPECT_TRUE(pads.Held(0, GAMEPAD_A));
    pads.LetGoAll();
    hold(A);
    hold(A | START);
    EXPECT_FALSE(pads.Held(0, GAMEPAD_A));
    EXPECT_TRUE(pads.Held(GAMEPAD_ANY, GAMEPAD_START));  // pressed after the let-go
    hold(0);
    hold(A | START);  // a second press before the first is taken is the same press
    EXPECT_TRUE(pads.Held(0, GAMEPAD_A));
    EXPECT_TRUE(pads.TakePress(GAMEPAD_ANY, GAMEPAD_START));
    EXPECT_FALSE(pads.TakePress(0, GAMEPAD_START));
    hold(START);
    EXPECT_FALSE(pads.TakePress(0, GAMEPAD_START));  // still the same hold
    pads.LetGoAll();
    hold(0);
    EXPECT_FALSE(pads.TakePress(0, GAMEPAD_START));

    pads.SetFocus(false);
    hold(A);
    hold(START);
    EXPECT_FALSE(pads.Held(0, GAMEPAD_START));
    EXPECT_FALSE(pads.TakePress(0, GAMEPAD_START));
    pads.SetFocus(true);
    hold(START);
    EXPECT_FALSE(pads.Held(0, GAMEPAD_START));
    hold(0);
    hold(START);
    EXPECT_TRUE(pads.TakePress(0, GAMEPAD_START));
    SetGamepadReader(nullptr);
}
