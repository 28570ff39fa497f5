// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/game.h"

#include "core/engine.h"
#include "core/frame_look.h"
#include "core/frame_pacer.h"
#include "core/screen.h"
#include "core/ticks.h"
#include "game/game_clock.h"
#include "game/graphics_script.h"
#include "game/mode_frame.h"
#include "game/sidebar.h"
#include "game/sign_points.h"
#include "game/tumblo_engine.h"
#include "highscore/highscore_screen.h"
#include "highscore/highscore_table.h"
#include "highscore/name_entry.h"
#include "media/sound_stream.h"
#include "media/text_engine.h"

// Where the single game puts things on the 640 x 480 screen, in pixels.
static constexpr int GAME_FIELD_X = 200, GAME_FIELD_Y = 10;
static constexpr int GAME_CLOCK_X = 20, GAME_CLOCK_Y = 10;
static constexpr int GAME_SIDEBAR_X = 20, GAME_SIDEBAR_Y = 100;
static constexpr int GAME_MESSAGE_X = 270, GAME_MESSAGE_Y = 200;

static constexpr int GAME_START_SPEED = 400;
static constexpr int GAME_LINES_PER_LEVEL = 10;
static constexpr int GAME_SPEED_BONUS_STEP = 50;
static constexpr Uint32 GAME_BANNER_MS = 2000;
static constexpr Uint32 GAME_OVER_MS = 2000;
static constexpr int GAME_NAME_SIZE = 100;

// Play, the level banners and "Game Over" share one kind of frame. Play begins with the pads let
// go; a direction held through a banner goes on counting after it, as its key does.
static const FrameRules GAME_FRAME = {FRAME_PERIOD_MS, FRAME_EVENTS_ALL, FRAME_END_AFTER_WAIT,
                                      FRAME_DRAWS_CHANGES, "Flip failed!"};
static const FrameRules GAME_PHASE_FRAME = {
    FRAME_PERIOD_MS, FRAME_EVENTS_ALL,      FRAME_END_AFTER_WAIT, FRAME_DRAWS_CHANGES,
    "Flip failed!",  "Fill Screen failed!", FRAME_PADS_KEPT};

// What the screen of the single game shows: the phase the game is in, and part of a frame's look.
enum GameShows { GAME_SHOWS_PLAY, GAME_SHOWS_BANNER, GAME_SHOWS_OVER };

// One single game: its playfield, its pictures and four sounds, and the state of its frames. It is
// one screen in three phases: play, a level banner (run from inside a frame of play) and "Game
// Over". The members are declared in the order of construction and destroyed in reverse, the
// playfield before the pictures it borrows.
class SingleGame : public Screen {
public:
    bool SetUp();
    bool Play();  // the frames of play, then the end of the game; the result of Game

    void HandleEvent(const SDL_Event& event) override;
    bool Step() override;
    void AddLook(FrameLook& look) const override;
    bool Draw() override;
    bool Done() const override;

private:
    bool StepPlay();
    bool StepPlayfield(Uint32 keyBits);
    void LevelRule();
    bool ShowPhase(GameShows phase);
    bool EndOfGame();
    bool OfferToHighscore();
    void Release();

    SoundStream landingSound, lineSound, loseSound, highscoreSound;
    PlayfieldPictures pictures;
    TumbloEngine playfield;
    PauseMusicKeys pauseMusicKeys;
    GameClock clock;
    SignPoints signPoints;
    GameShows shows = GAME_SHOWS_PLAY;
    Uint32 phaseStart = 0;  // when the banner or "Game Over" began
    bool quit = false;
    int level = 0;
    int nextLevelLines = 0;
    int speedBonus = 0;
    char name[GAME_NAME_SIZE] = {};
};

bool SingleGame::SetUp()
{
    gEngine.Log(1, "Game called...");
    if (!playfield.Init(GAME_START_SPEED))
        return Fail("Init Tumblo engine failed!");
    gEngine.Log(2, "Tumblo engine ready!");
    if (!OpenModeSounds(landingSound, lineSound, loseSound, highscoreSound))
        return Fail("Load Tumblo Sound failed!");
    playfield.SetSound(SOUND_STONE_DOWN, &landingSound);
    playfield.SetSound(SOUND_ROWS_CLEARED, &lineSound);
    gEngine.Log(2, "Tumblo Sound loaded!");
    if (!LoadGraphicsScriptFile("data/grafik/graphic.txt", pictures))
        return Fail("Load Tumblo Graphics failed!");
    pictures.LendTo(playfield);
    gEngine.Log(2, "Tumblo Graphics loaded!");
    gEngine.Log(2, "Enter inner Mainloop");
    Uint32 now = Ticks();
    pauseMusicKeys.Start(now);
    clock.Start(now);
    signPoints.Start(now);
    ReportSetUp(&playfield, nullptr);
    return true;
}

// A frame that fails ends the play; quit stays as it was, and decides how the game ends.
bool SingleGame::Play()
{
    RunScreen(*this, GAME_FRAME);
    return EndOfGame();
}

// A closed window ends the game like Escape; in the banner and "Game Over" the display goes on.
// A window that goes away pauses the game, in a banner too, so that play does not go on alone.
void SingleGame::HandleEvent(const SDL_Event& event)
{
    if (event.type == SDL_QUIT)
        quit = true;
    pauseMusicKeys.Note(event);
}

// Nothing steps while the banner or "Game Over" shows; the banner holds the clock.
bool SingleGame::Step()
{
    if (shows == GAME_SHOWS_PLAY)
        return StepPlay();
    if (shows == GAME_SHOWS_BANNER)
        clock.Hold(Ticks());
    return true;
}

bool SingleGame::Done() const
{
    if (shows == GAME_SHOWS_PLAY)
        return quit;
    return Ticks() - phaseStart >= (shows == GAME_SHOWS_BANNER ? GAME_BANNER_MS : GAME_OVER_MS);
}

// The keys and pad inputs held now; P and M, throttled; the playfield, its points and the clock,
// which move only while the game runs; and a new level, which may begin paused or not.
bool SingleGame::StepPlay()
{
    Uint32 keyBits = PlayerKeyBits(MODE_SINGLE_PLAYER);
    quit |= LeaveHeld();
    pauseMusicKeys.Check(Ticks());
    if (pauseMusicKeys.Paused())
        clock.Hold(Ticks());
    else if (!StepPlayfield(keyBits))
        return false;
    LevelRule();
    return true;
}

bool SingleGame::StepPlayfield(Uint32 keyBits)
{
    if (!playfield.Run(keyBits)) {
        if (!playfield.IsGameOver())
            return Fail("Run Tumblo failed!");
        gEngine.Log(2, "Game Over");
        quit = true;
    }
    Uint32 now = Ticks();
    signPoints.Catch(playfield, now);
    if (!clock.Update(now))
        quit = true;
    return true;
}

// Everything a frame of the game shows: the phase, the playfield with its panel and clock, and
// the message over the playfield.
void SingleGame::AddLook(FrameLook& look) const
{
    const Uint32 now = Ticks();
    look.Add(shows);
    look.Add(level);
    playfield.AddLook(look);
    clock.AddLook(look);
    look.Add(pauseMusicKeys.Paused());
    signPoints.AddLook(look, now);
}

// The playfield, the message over it, the clock and the side panel. The message is the new
// level's number in the banner and "Game Over" after the game; in play it is "Paused" while
// paused, else the points of the latest row clear for a while.
bool SingleGame::Draw()
{
    if (!playfield.Draw(GAME_FIELD_X, GAME_FIELD_Y))
        return Fail("Draw Tumblo failed!");
    if (shows == GAME_SHOWS_BANNER)
        gOrangeFont.PutStringF(GAME_MESSAGE_X, GAME_MESSAGE_Y, "Level %i", level);
    else if (shows == GAME_SHOWS_OVER)
        gOrangeFont.PutString(GAME_MESSAGE_X, GAME_MESSAGE_Y, "Game Over");
    else if (pauseMusicKeys.Paused())
        gOrangeFont.PutString(GAME_MESSAGE_X, GAME_MESSAGE_Y, "Paused");
    else
        signPoints.Draw(GAME_MESSAGE_X, GAME_MESSAGE_Y, Ticks());
    clock.Draw(GAME_CLOCK_X, GAME_CLOCK_Y);
    return DrawSidebar(GAME_SIDEBAR_X, GAME_SIDEBAR_Y, level, playfield, gWhiteFont) ||
           Fail("Draw Gimmicks failed!");
}

// Every ten cleared rows begin a level, and each level adds 50 more to the speed than the one
// before. The playfield ignores a speed above 1000 and keeps its last one. Kept on purpose: the
// log still shows what was computed; log readers follow the levels by it.
void SingleGame::LevelRule()
{
    if (playfield.GetLines() < nextLevelLines)
        return;
    level += 1;
    nextLevelLines += GAME_LINES_PER_LEVEL;
    speedBonus += GAME_SPEED_BONUS_STEP;
    int speed = playfield.GetSpeed() + speedBonus;
    playfield.SetSpeed(speed);
    gEngine.Log(2, "Start Level %i", level);
    gEngine.Log(2, "Calculated Speed: %i", speed);
    // The new level's number over the playfield for two seconds, in the middle of this frame of
    // play, which is drawn after it. A banner frame that fails ends only the banner.
    ShowPhase(GAME_SHOWS_BANNER);
    shows = GAME_SHOWS_PLAY;
}

// Runs the frames of the banner or "Game Over" until their time is up; false when one failed.
bool SingleGame::ShowPhase(GameShows phase)
{
    shows = phase;
    phaseStart = Ticks();
    return RunScreen(*this, GAME_PHASE_FRAME);
}

// After the frames of play: the lose sound, "Game Over", the highscore chain, the release.
// Returns the result of Game.
bool SingleGame::EndOfGame()
{
    PlayEndSound(loseSound, MODE_LOSE_SOUND);
    if (quit) {
        if (!ShowPhase(GAME_SHOWS_OVER))
            quit = false;  // the game still ends in order, but reports the failure
        if (!OfferToHighscore())
            return false;
    }
    Release();
    return quit;
}

// The result, the name and the list. False when Game must return false at once; a result that
// does not enter the list is no failure.
bool SingleGame::OfferToHighscore()
{
    int playTime = clock.PlayTime();
    int score = playfield.GetScore();
    if (!ReachesHighscore(score, level, playTime))
        return true;
    if (ClearScreen(gEngine.screen) != 0)
        return Fail("Fill Screen failed!");
    if (!GetName("Enter your name", name, GAME_NAME_SIZE))
        return Fail("Get name failed!");
    if (!EnterHighscore(name, score, level, playTime))
        return true;
    PlayEndSound(highscoreSound, MODE_HIGHSCORE_SOUND);
    return ShowHighscore();
}

void SingleGame::Release()
{
    gEngine.Log(2, "Release Point reached!");
    pictures.Unload();
    gEngine.Log(2, "Unloaded Tumblo Graphics");
    landingSound.Stop();
    lineSound.Stop();
    highscoreSound.Stop();
    loseSound.Stop();
    gEngine.Log(2, "Unloaded Tumblo Sounds");
    playfield.Reset();
    gEngine.Log(2, "Tumblo Reset Done");
}

bool Game()
{
    SingleGame game;
    return game.SetUp() && game.Play();
}
