// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/game.h"

#include "core/engine.h"
#include "core/frame_look.h"
#include "core/frame_pacer.h"
#include "core/page_edge.h"
#include "core/screen.h"
#include "core/ticks.h"
#include "game/mode_core.h"
#include "highscore/highscore_screen.h"
#include "highscore/highscore_table.h"
#include "highscore/name_entry.h"

#include <cstdio>

static constexpr int GAME_START_SPEED = 400;
static constexpr int GAME_LINES_PER_LEVEL = 10;
static constexpr int GAME_SPEED_BONUS_STEP = 50;
static constexpr Uint32 GAME_BANNER_MS = 2000;
static constexpr Uint32 GAME_OVER_MS = 2000;
static constexpr int GAME_NAME_SIZE = 100;
static constexpr int GAME_BANNER_SIZE = 32;

// The single game's one side, on the 640 x 480 screen: the playfield in the middle, the clock and
// the panel at the left, the message over the playfield.
// clang-format off
static const ModeSide GAME_SIDE = {
    MODE_SINGLE_PLAYER, 200, 10, 20, 100, 270, 200, "Init Tumblo engine failed!", nullptr,
    "Tumblo Graphics loaded!", "Game Over", "Run Tumblo failed!", "Draw Tumblo failed!",
    "Draw Gimmicks failed!"};
static const ModeRules GAME_RULES = {
    1, &GAME_SIDE, GAME_START_SPEED, 20, 10, "Tumblo engine ready!",
    "Load Tumblo Graphics failed!", "Enter inner Mainloop", nullptr, "Unloaded Tumblo Graphics",
    "Unloaded Tumblo Sounds", "Tumblo Reset Done"};
// clang-format on

// Play and "Game Over" share one kind of frame. A closed window is noted and logged; play ends
// after the frame, once a level banner is over; "Game Over" shows its time out. Play begins with
// the pads let go; a level banner is a phase of play, so a direction held through it goes on
// counting after it, as its key does; "Game Over" keeps them as play left them.
static const FrameRules GAME_FRAME = {FRAME_PERIOD_MS,     FRAME_EVENTS_ALL, FRAME_END_AFTER_WAIT,
                                      FRAME_DRAWS_CHANGES, "Flip failed!",   FRAME_CLOSED_NOTED};
static const FrameRules GAME_OVER_FRAME = {
    FRAME_PERIOD_MS, FRAME_EVENTS_ALL,   FRAME_END_AFTER_WAIT,         FRAME_DRAWS_CHANGES,
    "Flip failed!",  FRAME_CLOSED_NOTED, "user killed window! - exit", "Fill Screen failed!",
    FRAME_PADS_KEPT};

// The phases of play: the game runs, or a new level's number shows over the playfield while
// nothing moves and the clock is held.
enum GamePhase { GAME_PLAYS, GAME_SHOWS_LEVEL };

// One single game from set-up to the highscore chain; as a screen, its frames of play, which
// move between play and the level banners.
class SingleGame : public Screen {
public:
    SingleGame() : core(GAME_RULES) {}
    bool SetUp();
    bool Play();  // the frames of play, then the end of the game; the result of Game

    void HandleEvent(const SDL_Event& event) override { core.NoteEvent(event); }
    bool Step() override;
    void AddLook(FrameLook& look) const override;
    bool Draw() override;
    bool Done() const override;
    Uint32 QuietFor(Uint32 now) const override;

    ModeCore core;
    int level = 0;

private:
    void LevelRule();
    bool EndOfGame(bool ended);
    bool OfferToHighscore();

    GamePhase phase = GAME_PLAYS;
    Uint32 bannerStart = 0;
    int nextLevelLines = 0;
    int speedBonus = 0;
    char name[GAME_NAME_SIZE] = {};
};

// "Game Over" over the playfield for two seconds after play; nothing moves, a closed window is
// only logged.
class GameOverScreen : public Screen {
public:
    explicit GameOverScreen(SingleGame& game) : game(game), start(Ticks()) {}
    void HandleEvent(const SDL_Event&) override {}
    bool Step() override { return true; }
    void AddLook(FrameLook& look) const override { game.core.AddLook(look); }
    bool Draw() override
    {
        static const char* const TEXTS[] = {"Game Over"};
        return game.core.Draw(game.level, TEXTS);
    }
    bool Done() const override { return Ticks() - start >= GAME_OVER_MS; }

private:
    SingleGame& game;
    Uint32 start;
};

bool SingleGame::SetUp()
{
    gEngine.Log(1, "Game called...");
    return core.SetUp();
}

// A frame that fails ends the play; whether play had ended by then decides how the game ends.
bool SingleGame::Play()
{
    ShowPageControls(PAGE_SINGLE);
    RunScreen(*this, GAME_FRAME);
    return EndOfGame(core.Over() || WindowClosed());
}

// A banner's last frame hands back to play without a step: the frame of play that began the
// level has stepped already, and this is its picture.
bool SingleGame::Step()
{
    const Uint32 now = Ticks();
    if (phase == GAME_SHOWS_LEVEL) {
        // Held up to the banner's last frame too, however long ago the one before it was.
        core.HoldClock(now);
        if (now - bannerStart >= GAME_BANNER_MS)
            phase = GAME_PLAYS;
        return true;
    }
    if (!core.StepPlay())
        return false;
    LevelRule();
    return true;
}

// A banner's end is 2000 ms after its start, as Step compares.
Uint32 SingleGame::QuietFor(Uint32 now) const
{
    if (phase == GAME_SHOWS_LEVEL)
        return TicksUntilPassed(bannerStart, GAME_BANNER_MS - 1, now);
    return core.QuietFor(now);
}

// Play ends like Escape on a closed window too, but never inside a banner.
bool SingleGame::Done() const
{
    return phase == GAME_PLAYS && (core.Over() || WindowClosed());
}

void SingleGame::AddLook(FrameLook& look) const
{
    look.Add(phase);
    look.Add(level);
    core.AddLook(look);
}

bool SingleGame::Draw()
{
    if (phase == GAME_PLAYS)
        return core.Draw(level, nullptr);
    char banner[GAME_BANNER_SIZE];
    snprintf(banner, sizeof banner, "Level %i", level);
    const char* const texts[] = {banner};
    return core.Draw(level, texts);
}

// Every ten cleared rows begin a level, and each level adds 50 more to the speed than the one
// before. The playfield ignores a speed above 1000 and keeps its last one. Kept on purpose: the
// log still shows what was computed; log readers follow the levels by it. The level's banner
// shows from this frame on for two seconds, the clock held from now.
void SingleGame::LevelRule()
{
    TumbloEngine& playfield = core.Playfield(0);
    if (playfield.GetLines() < nextLevelLines)
        return;
    level += 1;
    nextLevelLines += GAME_LINES_PER_LEVEL;
    speedBonus += GAME_SPEED_BONUS_STEP;
    int speed = playfield.GetSpeed() + speedBonus;
    playfield.SetSpeed(speed);
    gEngine.Log(2, "Start Level %i", level);
    gEngine.Log(2, "Calculated Speed: %i", speed);
    phase = GAME_SHOWS_LEVEL;
    bannerStart = Ticks();
    core.HoldClock(bannerStart);
}

// After the frames of play: the lose sound, "Game Over", the highscore chain, the release.
// Returns the result of Game.
bool SingleGame::EndOfGame(bool ended)
{
    PlayEndSound(core.loseSound, MODE_LOSE_SOUND);
    if (ended) {
        GameOverScreen over(*this);
        if (!RunScreen(over, GAME_OVER_FRAME))
            ended = false;  // the game still ends in order, but reports the failure
        if (!OfferToHighscore())
            return false;
    }
    core.Release();
    return ended;
}

// The result, the name and the list. False when Game must return false at once; a result that
// does not enter the list is no failure.
bool SingleGame::OfferToHighscore()
{
    int playTime = core.PlayTime();
    int score = core.Playfield(0).GetScore();
    if (!ReachesHighscore(score, level, playTime))
        return true;
    if (ClearScreen(gEngine.screen) != 0)
        return Fail("Fill Screen failed!");
    if (!GetName("Enter your name", name, GAME_NAME_SIZE))
        return Fail("Get name failed!");
    if (!EnterHighscore(name, score, level, playTime))
        return true;
    PlayEndSound(core.highscoreSound, MODE_HIGHSCORE_SOUND);
    return ShowHighscore();
}

bool Game()
{
    SingleGame game;
    return game.SetUp() && game.Play();
}
