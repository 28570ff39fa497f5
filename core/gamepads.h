// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_CORE_GAMEPADS_H
#define KOLVO_CORE_GAMEPADS_H

#include <SDL/SDL.h>

#include <functional>

// What a pad holds that the game reads: the four directions (the d-pad, or the left stick beyond
// its dead zone) and four buttons named as on an Xbox controller.
enum GamepadInput {
    GAMEPAD_LEFT,
    GAMEPAD_RIGHT,
    GAMEPAD_UP,
    GAMEPAD_DOWN,
    GAMEPAD_A,
    GAMEPAD_B,
    GAMEPAD_BACK,
    GAMEPAD_START,
    GAMEPAD_INPUTS
};

constexpr int GAMEPAD_MAX = 8;  // pads kept; SDL's joysticks beyond these are not opened
// The left stick holds a direction when it is pushed beyond a third of its travel (of 32767
// either way) and mostly along that direction: the other axis at most half as far. A stick that
// rests a little off its middle holds nothing, and a push a little off left is left only.
constexpr int GAMEPAD_DEAD_ZONE = 32767 / 3;
constexpr int GAMEPAD_ACROSS_DIVISOR = 2;

// Where a pad has the inputs the game reads: a button number for each, or -1 for none. The
// directions name buttons only on pads whose d-pad is four buttons; on every pad, hat 0 counts as
// the d-pad and axes 0 and 1 as the left stick.
struct GamepadLayout {
    const char* name;  // as the log names it
    Sint8 button[GAMEPAD_INPUTS];
};

// SDL 1.2 over SDL 2 asked for one layout for every pad it knows (SDL12COMPAT_USE_GAME_CONTROLLERS,
// see engine.cpp): A 0, B 1, Back 4, Start 6, the d-pad's up, down, left and right as buttons 11
// to 14, and no hat.
extern const GamepadLayout GAMEPAD_CONTROLLER_LAYOUT;

// A browser hands every pad over in the Gamepad API's standard mapping: A 0, B 1, Back 8, Start 9,
// the d-pad's up, down, left and right as buttons 12 to 15, axes 0 and 1 the left stick, no hat.
extern const GamepadLayout GAMEPAD_STANDARD_LAYOUT;

// Whether the SDL 1.2 linked is the one over SDL 2 (which calls itself 1.2.50 or later) with the
// controller layout asked for: a number other than 0, as that library reads the setting.
bool UsesControllerLayout(const SDL_version& linked, const char* controllerSetting);

// The layout of a pad as its own driver numbers its buttons (the classic library, and SDL 2's
// pads that it does not know as controllers), chosen from what SDL tells of it: its name and its
// counts of buttons and hats. A pad of no known kind gets a layout that reads its first two
// buttons and nothing else besides the d-pad and stick.
const GamepadLayout& FindDeviceLayout(const char* name, int buttons, int hats);

// A player's own layout for a pad, from SDL 2's mapping lines ("guid,name,a:b0,b:b1,...", one a
// line, as SDL_GAMECONTROLLERCONFIG holds them; a line may end in CRLF): the first line whose name
// is the pad's, both without the spaces around them (kernel names often end in spaces). A comma
// ends a field, so SDL's format cannot hold a name with one; SDL writes a space for each, and a
// line matches such a pad when it does the same. Its a, b, back, start and d-pad buttons (bN) are
// read; hats and axes stay hat 0 and axes 0 and 1, and an input the line does not give is none.
// False when no line names the pad.
bool ReadMappingLayout(const char* config, const char* name, GamepadLayout& layout);

// What chooses the layout a pad is read in: where the platform's pads come from, the SDL linked,
// the player's settings, and what SDL tells of the pad.
struct GamepadFacts {
    bool standardMapping;           // the platform's pads come so (PadsInStandardMapping)
    SDL_version linked;             // SDL_Linked_Version
    const char* controllerSetting;  // SDL12COMPAT_USE_GAME_CONTROLLERS, or null
    const char* mappings;           // SDL_GAMECONTROLLERCONFIG, or null
    const char* name;
    int buttons, hats;
};

// The standard mapping on a platform that gives it (a browser's), whatever its SDL's version;
// else SDL 2's controller layout where UsesControllerLayout; else the player's mapping line for
// the pad, read into `own`; else the table's row for it (FindDeviceLayout).
const GamepadLayout& ChooseGamepadLayout(const GamepadFacts& facts, GamepadLayout& own);

// What SDL reports of one pad at one moment.
struct GamepadReading {
    Uint32 buttons;         // bit n while button n is held
    Uint8 hat;              // SDL_HAT_ bits of hat 0
    Sint16 stickX, stickY;  // axes 0 and 1, negative left and up
};

// The inputs (bit n for GamepadInput n) that a reading holds in a layout.
Uint32 GamepadInputsHeld(const GamepadLayout& layout, const GamepadReading& reading);

// The gamepads connected and what each one holds. Their state is read from SDL once a
// frame (Poll): both SDL 1.2 libraries keep it up to date, and their events are turned off (SDL
// 1.2 over SDL 2 translates a controller's events into joystick events, the classic library sends
// them while the window is away: the game reads the state once, the same way for both). Pads are
// numbered in the order SDL lists its joysticks at start, which is the order it found the devices
// in (the classic library by device number, SDL 2 as its device scan met them), not the order they
// were plugged in: pad 0 is the first SDL lists. The desktop's pads are those connected at start;
// in a browser a pad is opened when it comes and closed when it goes, and keeps its number
// meanwhile (gamepad_edge.h).
//
// What counts is what a pad holds now, with two exceptions that keep a pad from acting on its
// own: what was held when the pads were let go (at the start of a screen, when the window comes
// back, and when a pad comes) counts only once it is let go and pressed again, so a pad unplugged
// while held stops at the next screen; a pad that goes lets go of everything it held at once; and
// nothing counts while the window lacks the keyboard focus.
class Gamepads {
public:
    Gamepads() = default;
    ~Gamepads() { Close(); }
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // Starts SDL's joysticks and opens each one connected now, logging "Gamepad N: name" and the
    // layout it is read in. False when SDL's joysticks cannot start; the game then plays without
    // pads.
    bool Open();
    // Closes the pads and SDL's joysticks, and forgets what the pads held.
    void Close();
    // How many pads are open.
    int Count() const { return count; }
    // Whether pads that come and go are watched for (gamepad_edge.h): only while a screen reads
    // pads. A pad that came or went meanwhile is found once watched again.
    void Watch(bool now);

    // Opens the pads that came and closes those that went, then reads what every pad holds now.
    void Poll();
    // Whether the window has the keyboard focus: pads count only while it does, and what they
    // hold when it comes back counts only once let go and pressed again.
    void SetFocus(bool focused);
    // Lets every pad go, as if each were released: what is held now counts again only once it
    // has been released and pressed again, and presses not yet taken are forgotten.
    void LetGoAll();

    // Whether the pad (GAMEPAD_ANY: any pad) holds the input now.
    bool Held(int pad, GamepadInput input) const;
    // Whether the pad (GAMEPAD_ANY: any pad) pressed the input since its press was last taken;
    // takes that press, so each press is seen once.
    bool TakePress(int pad, GamepadInput input);

private:
    struct Pad {
        SDL_Joystick* joystick = nullptr;
        const GamepadLayout* layout = &GAMEPAD_CONTROLLER_LAYOUT;
        GamepadLayout ownLayout = {};  // the player's, from SDL_GAMECONTROLLERCONFIG
        bool letGo = false;            // block whatever the next poll finds held
        Uint32 blocked = 0;            // inputs held when let go, ignored until released
        Uint32 held = 0;               // inputs that count now
        Uint32 pressed = 0;            // inputs pressed since their press was taken
    };
    void OpenPad(int number);
    void Replug();
    bool Read(int number, GamepadReading& reading) const;
    void Update(Pad& pad, Uint32 now);

    Pad pads[GAMEPAD_MAX];
    int count = 0;
    bool started = false;  // SDL's joysticks, by Open
    bool watching = false;
    bool focused = true;
};

// Which pads count for Held and TakePress: one by its number, or any of them.
constexpr int GAMEPAD_ANY = -1;

// Whether a player holds the key (in the engine's key state) or the input on the pad now: asked
// wherever a pad stands in for a key, so that its input counts exactly as the key held.
bool KeyOrPadHeld(SDLKey key, int pad, GamepadInput input);
// Return, or A or Start on any pad: what leaves a screen that shows a result.
bool ReturnHeld();

// Test seam: a reader that stands in for SDL's joysticks. Poll asks it for pads 0 to
// GAMEPAD_MAX - 1 whether or not Open found any; it fills the reading and returns true for a pad
// it plays, false for one that is not there. Such pads are read in the controller layout. An
// empty reader gives the pads back to SDL.
using GamepadReader = std::function<bool(int pad, GamepadReading& reading)>;
void SetGamepadReader(GamepadReader reader);

// The process's pads, defined with the other process-wide objects in app/globals.cpp.
extern Gamepads gGamepads;

#endif
