// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/game.h"

#include "core/engine.h"
#include "core/frame.h"
#include "core/frame_look.h"
#include "core/frame_pacer.h"
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

// What the screen of the single game shows; part of a frame's look.
enum GameShows { GAME_SHOWS_PLAY, GAME_SHOWS_BANNER, GAME_SHOWS_OVER };

// One single game: its playfield, its four sounds and the state of its frame loop. The members are
// declared in the order of construction; they are destroyed in reverse, the playfield first.
class SingleGame {
public:
    ~SingleGame();
    bool SetUp();
    bool Play();  // the frame loop, then the end of the game; the result of Game

private:
    bool Frame();
    bool Step(Uint32 keyBits);
    bool KeepsFrame(GameShows shows);
    void LevelRule();
    void ShowLevelBanner();
    bool BannerFrame();
    bool DrawMessage();
    bool DrawPanel(bool clockIsFatal);
    bool EndOfGame();
    void ShowGameOver();
    bool GameOverFrame();
    bool OfferToHighscore();
    void Release();

    SoundStream landingSound, lineSound, loseSound, highscoreSound;
    TumbloEngine playfield;
    PauseMusicKeys pauseMusicKeys;
    GameClock clock;
    SignPoints signPoints;
    FramePacer pacer;  // one cadence for the running game, the level banners and "Game Over"
    FrameLook look;
    bool quit = false;
    bool paused = false;
    int level = 0;
    int nextLevelLines = 0;
    int speedBonus = 0;
    char name[GAME_NAME_SIZE] = {};
};

// Pictures belong to the script loader until they are unloaded; this frees them on every way out,
// also after a failed set-up, where the release below never runs.
SingleGame::~SingleGame()
{
    UnloadGraphics(&playfield);
}

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
    if (!LoadGraphicsScriptFile("data/grafik/graphic.txt", &playfield))
        return Fail("Load Tumblo Graphics failed!");
    gEngine.Log(2, "Tumblo Graphics loaded!");
    gEngine.Log(2, "Enter inner Mainloop");
    Uint32 now = Ticks();
    pauseMusicKeys.Start(now);
    clock.Start(now);
    signPoints.Start(now);
    ReportSetUp(&playfield, nullptr);
    return true;
}

bool SingleGame::Play()
{
    while (!quit) {
        if (!Frame())
            break;  // quit stays as it was: a frame that fails before the game ended goes to the release
        pacer.Wait();
    }
    return EndOfGame();
}

// One frame, in the order the player sees it handled. False when a step failed (logged).
bool SingleGame::Frame()
{
    // 1-2: the window's events, the keys held now.
    quit |= DrainEventsForQuit();
    Uint32 keyBits = ArrowKeyBits();
    quit |= KeyHeld(SDLK_ESCAPE);
    // 3: pause and music, throttled.
    pauseMusicKeys.Check(Ticks(), &paused);
    // 4-6: the playfield, its points and the clock move only while the game runs.
    if (paused)
        clock.Hold(Ticks());
    else if (!Step(keyBits))
        return false;
    // 7: a new level may begin, paused or not.
    LevelRule();
    // 8-13: a clean screen, drawn and flipped; a frame that would look as the one shown is kept.
    if (KeepsFrame(GAME_SHOWS_PLAY))
        return true;
    if (!FillScreen())
        return false;
    if (!playfield.Draw(GAME_FIELD_X, GAME_FIELD_Y))
        return Fail("Draw Tumblo failed!");
    return DrawMessage() && DrawPanel(false);
}

bool SingleGame::Step(Uint32 keyBits)
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

// Everything a frame of the game draws: what the screen shows, the playfield with its panel and
// clock, and the message over the playfield. True when that is as shown and the frame was kept.
bool SingleGame::KeepsFrame(GameShows shows)
{
    const Uint32 now = Ticks();
    look.Add(shows);
    look.Add(level);
    playfield.AddLook(look);
    clock.AddLook(look);
    look.Add(paused);
    signPoints.AddLook(look, now);
    return look.Keeps(now);
}

// "Paused" while paused, else the points of the latest row clear for a while.
bool SingleGame::DrawMessage()
{
    if (paused)
        return gOrangeFont.PutString(GAME_MESSAGE_X, GAME_MESSAGE_Y, "Paused") ||
               Fail("Draw Paused failed!");
    return signPoints.Draw(GAME_MESSAGE_X, GAME_MESSAGE_Y, Ticks()) ||
           Fail("Draw sign points failed!");
}

// The clock, the sidebar and the flip, which end every frame of the game. A clock that cannot be
// written is only worth a log line in the running game; in the banner it ends the banner.
bool SingleGame::DrawPanel(bool clockIsFatal)
{
    if (!clock.Draw(GAME_CLOCK_X, GAME_CLOCK_Y)) {
        Fail("Draw Clock failed!");
        if (clockIsFatal)
            return false;
    }
    if (!DrawSidebar(GAME_SIDEBAR_X, GAME_SIDEBAR_Y, level, &playfield, &gWhiteFont))
        return Fail("Draw Gimmicks failed!");
    return FlipScreen(gEngine.screen) == 0 || Fail("Flip failed!");
}

// Every ten cleared rows begin a level, and each level adds 50 more to the speed than the one
// before. The playfield ignores a speed above 1000 and keeps its last one, though the log still
// shows what was computed.
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
    ShowLevelBanner();
}

// The new level's number over the playfield for two seconds; nothing steps and no key is read.
void SingleGame::ShowLevelBanner()
{
    Uint32 start = Ticks();
    while (Ticks() - start < GAME_BANNER_MS) {
        clock.Hold(Ticks());
        if (!BannerFrame())
            return;
        pacer.Wait();
    }
}

bool SingleGame::BannerFrame()
{
    quit |= DrainEventsForQuit();
    if (KeepsFrame(GAME_SHOWS_BANNER))
        return true;
    if (!FillScreen())
        return false;
    if (!playfield.Draw(GAME_FIELD_X, GAME_FIELD_Y))
        return Fail("Draw Tumblo failed!");
    if (!gOrangeFont.PutStringF(GAME_MESSAGE_X, GAME_MESSAGE_Y, "Level %i", level))
        return Fail("Draw Level failed!");
    return DrawPanel(true);
}

// After the frame loop: the lose sound, "Game Over", the highscore chain, the release. Returns
// the result of Game.
bool SingleGame::EndOfGame()
{
    PlayEndSound(loseSound, MODE_LOSE_SOUND);
    if (quit) {
        ShowGameOver();
        if (!OfferToHighscore())
            return false;
    }
    Release();
    return quit;
}

void SingleGame::ShowGameOver()
{
    Uint32 start = Ticks();
    while (Ticks() - start < GAME_OVER_MS) {
        if (!GameOverFrame()) {
            quit = false;  // the game still ends in order, but reports the failure
            return;
        }
        pacer.Wait();
    }
}

bool SingleGame::GameOverFrame()
{
    DrainEventsForQuit();  // a closed window cannot end the game twice; the display goes on
    if (KeepsFrame(GAME_SHOWS_OVER))
        return true;
    if (!FillScreen())
        return false;
    if (!playfield.Draw(GAME_FIELD_X, GAME_FIELD_Y))
        return Fail("Draw Tumblo failed!");
    if (!clock.Draw(GAME_CLOCK_X, GAME_CLOCK_Y))
        return Fail("Draw Clock failed!");
    if (!DrawSidebar(GAME_SIDEBAR_X, GAME_SIDEBAR_Y, level, &playfield, &gWhiteFont))
        return Fail("Draw Gimmicks failed!");
    if (!gOrangeFont.PutString(GAME_MESSAGE_X, GAME_MESSAGE_Y, "Game Over"))
        return Fail("Draw Game Over failed!");
    return FlipScreen(gEngine.screen) == 0 || Fail("Flip failed!");
}

// The result, the name and the list. False when Game must return false at once; a result that
// does not enter the list is no failure.
bool SingleGame::OfferToHighscore()
{
    int playTime = clock.PlayTime();
    int score = playfield.GetScore();
    if (!ReachesHighscore(score, level, playTime))
        return true;
    if (!FillScreen())
        return false;
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
    UnloadGraphics(&playfield);
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
