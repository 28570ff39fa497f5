// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#ifndef KOLVO_GAME_MODE_CORE_H
#define KOLVO_GAME_MODE_CORE_H

#include "game/computer_player.h"
#include "game/game_clock.h"
#include "game/graphics_script.h"
#include "game/mode_frame.h"
#include "game/sign_points.h"
#include "game/tumblo_engine.h"
#include "media/sound_stream.h"

class FrameLook;

constexpr int MODE_MAX_PLAYERS = 2;

// One side of a mode's screen: who steers it, where its pieces stand (pixels on the 640 x 480
// screen) and the lines its playfield logs. The log readers know each side by these lines.
struct ModeSide {
    PlayerControls controls;
    int fieldX, fieldY;
    int sidebarX, sidebarY;
    int messageX, messageY;
    const char* initFailed;     // its playfield would not start
    const char* lendLine;       // before its playfield borrows the pictures; null: nothing
    const char* lentLine;       // after it did
    const char* lost;           // its playfield filled up
    const char* runFailed;      // a step of its playfield failed
    const char* drawFailed;     // its playfield could not be drawn
    const char* sidebarFailed;  // its side panel could not be drawn
};

// What sets one mode apart from the other: its sides, its speed at start, where its clock stands
// and the lines it logs where both modes do the same thing. A null line is not logged.
struct ModeRules {
    int playerCount;  // 1 or 2
    const ModeSide* sides;
    int startSpeed;
    int clockX, clockY;
    const char* ready;             // after the playfields started
    const char* picturesFailed;    // the graphics script would not load
    const char* enterLoop;         // the frames of play begin
    const char* leave;             // Escape or Back ends play
    const char* picturesUnloaded;  // after the release of the pictures
    const char* soundsUnloaded;    // after the sounds stopped
    const char* resetDone;         // after the playfields were reset
};

// One player of a mode: its side, its playfield and the points of its latest row clear; and the
// computer, when it plays the side instead of the side's keys and pad.
struct ModePlayer {
    const ModeSide* side = nullptr;
    ComputerPlayer* computer = nullptr;  // owned by the mode
    TumbloEngine playfield;
    SignPoints sign;
};

// What a mode of play is, whichever mode: its players, the effect sounds and the pictures they
// share, the pause and music keys and the game clock, from set-up through the frames of play to
// the release. The members are destroyed in reverse: the playfields before the pictures they
// borrow, the sounds last.
class ModeCore {
public:
    // The rules, and the sides they name, must outlive the core: the modes pass static tables.
    explicit ModeCore(const ModeRules& rules);

    // Starts the playfields, opens the sounds and loads the pictures, logging the mode's lines,
    // then starts the keys, the clock and the signs. False at the first step that fails, logged.
    bool SetUp();
    // A window that goes away pauses play (PauseMusicKeys).
    void NoteEvent(const SDL_Event& event) { pauseMusicKeys.Note(event); }
    // One frame of play: every player's keys and pad, Escape or Back, P and M; then, unless
    // paused, every playfield in order (so all can be lost in one frame) and the clock; paused, the
    // clock is held. False when a playfield failed, logged; Over() tells whether play has ended.
    bool StepPlay();
    // Play has ended: Escape or Back, a playfield filled up, or the clock ran out.
    bool Over() const { return over; }
    // For how many milliseconds from now frames of play would change nothing unless an event
    // comes: until the next read of the keys, of P and M, a fall, a stone, the clock's next second
    // or a sign's end; paused, until the next read of P and M. 0 once play is over or while the
    // computer plays a side (it decides at every frame).
    Uint32 QuietFor(Uint32 now) const;
    void HoldClock(Uint32 now) { clock.Hold(now); }
    // What Draw shows: every playfield with its sign, the clock and the pause.
    void AddLook(FrameLook& look) const;
    // The playfields, the message over each, the clock and the side panels showing level
    // (SIDEBAR_NO_LEVEL: none). The messages are texts[i] when texts is given (a banner, a
    // result), else "Paused" while paused, else the points of the player's latest row clear for a
    // while. False when a piece failed, logged.
    bool Draw(int level, const char* const* texts);
    // Logs the mode's release lines, frees the pictures, stops the sounds and resets the
    // playfields.
    void Release();

    // Hands the player's playfield to the computer, or with null back to the side's keys and pad.
    void HandOver(int player, ComputerPlayer* computer);
    bool ComputerPlays(int player) const { return players[player].computer != nullptr; }
    TumbloEngine& Playfield(int player) { return players[player].playfield; }
    int PlayTime() const { return clock.PlayTime(); }  // in seconds

    // Lent to the playfields; the modes play the lose and the highscore sound at their end.
    SoundStream landingSound, lineSound, loseSound, highscoreSound;

private:
    bool StartPlayfields();
    bool LoadPictures();
    bool StepPlayer(ModePlayer& player, Uint32 keyBits);
    void DrawMessage(const ModePlayer& player, const char* text);

    const ModeRules& rules;  // not owned
    PlayfieldPictures pictures;
    ModePlayer players[MODE_MAX_PLAYERS];
    PauseMusicKeys pauseMusicKeys;
    GameClock clock;
    bool over = false;
};

#endif
