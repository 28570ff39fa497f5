// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/challenge.h"

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
#include "media/sound_stream.h"
#include "media/text_engine.h"

// Where the challenge puts things on the 640 x 480 screen, in pixels.
static constexpr int CHALLENGE_LEFT_X = 10, CHALLENGE_RIGHT_X = 380, CHALLENGE_FIELD_Y = 10;
static constexpr int CHALLENGE_CLOCK_X = 290, CHALLENGE_CLOCK_Y = 10;
static constexpr int CHALLENGE_SIDEBAR_X = 255;
static constexpr int CHALLENGE_LEFT_SIDEBAR_Y = 50, CHALLENGE_RIGHT_SIDEBAR_Y = 220;
static constexpr int CHALLENGE_LEFT_TEXT_X = 60, CHALLENGE_RIGHT_TEXT_X = 460;
static constexpr int CHALLENGE_TEXT_Y = 200;
static constexpr int CHALLENGE_NO_LEVEL = -1;

static constexpr int CHALLENGE_START_SPEED = 400;
// The trailing player's speed: 400 at an even score, 5 more per point of lead.
static constexpr int CHALLENGE_SPEED_PER_POINT = 5;
static constexpr int CHALLENGE_SPEED_BASE_POINTS = 80;
static constexpr Uint32 CHALLENGE_END_WAIT_MS = 300;

static const int CHALLENGE_GRAPHIC_SLOTS[] = {-1, 0, 1};

// What the screen of the challenge shows; part of a frame's look.
enum ChallengeShows { CHALLENGE_SHOWS_PLAY, CHALLENGE_SHOWS_RESULT };

// One challenge: two playfields that share one set of pictures and the effect sounds. Members are
// declared in the order of construction and destroyed in reverse, the right playfield first.
class TwoPlayerChallenge {
public:
    ~TwoPlayerChallenge();
    bool SetUp();
    void Play();

private:
    bool LoadGraphics();
    bool Frame();
    bool KeepsFrame(ChallengeShows shows);
    bool Step(TumbloEngine& playfield, Uint32 keyBits, SignPoints& sign, const char* lost,
              const char* failed);
    void BalanceSpeeds();
    bool DrawFields();
    bool DrawMessages();
    bool DrawSidebars();
    void EndSoundAndWait();
    void ShowResult();
    bool ResultFrame();
    void Release();

    SoundStream landingSound, lineSound, highscoreSound, loseSound;
    TumbloEngine left, right;
    PauseMusicKeys pauseMusicKeys;
    GameClock clock;
    SignPoints leftSign, rightSign;
    FramePacer pacer;  // one cadence for the running challenge and its result display
    FrameLook look;
    bool quit = false;
    bool paused = false;
};

// The pictures belong to the script loader until they are unloaded, on every way out.
TwoPlayerChallenge::~TwoPlayerChallenge()
{
    UnloadGraphics(&left);
}

// The script is read once, into the left playfield; the right one borrows its pictures.
bool TwoPlayerChallenge::LoadGraphics()
{
    gEngine.Log(2, "Loading Graphics for Left player...");
    if (!LoadGraphicsScriptFile("data/grafik/graphic.txt", &left))
        return Fail("FAILED");
    gEngine.Log(2, "DONE");
    gEngine.Log(2, "Mirror Graphics to Right player...");
    for (int slot : CHALLENGE_GRAPHIC_SLOTS)
        right.SetGraphic(slot, left.GetGraphic(slot));
    gEngine.Log(2, "DONE");
    return true;
}

bool TwoPlayerChallenge::SetUp()
{
    gEngine.Log(2, "Challenge called...");
    if (!left.Init(CHALLENGE_START_SPEED))
        return Fail("Init Left Player failed!");
    if (!right.Init(CHALLENGE_START_SPEED))
        return Fail("Init Right Player failed!");
    if (!OpenModeSounds(landingSound, lineSound, loseSound, highscoreSound))
        return Fail("Load Tumblo Sound failed!");
    for (TumbloEngine* playfield : {&right, &left}) {
        playfield->SetSound(SOUND_STONE_DOWN, &landingSound);
        playfield->SetSound(SOUND_ROWS_CLEARED, &lineSound);
    }
    gEngine.Log(2, "Tumblo Sound loaded!");
    if (!LoadGraphics())
        return false;
    gEngine.Log(2, "Enter inner mainloop...");
    Uint32 now = Ticks();
    pauseMusicKeys.Start(now);
    clock.Start(now);
    leftSign.Start(now);
    rightSign.Start(now);
    ReportSetUp(&left, &right);
    return true;
}

void TwoPlayerChallenge::Play()
{
    bool loopFailed = false;
    while (!quit) {
        if (!Frame()) {
            loopFailed = true;
            break;
        }
        pacer.Wait();
    }
    EndSoundAndWait();
    if (!loopFailed)
        ShowResult();
    Release();
}

// One frame of play. False when a step failed (logged).
bool TwoPlayerChallenge::Frame()
{
    // 1-2: the window's events, both players' keys.
    quit |= DrainEventsForQuit();
    Uint32 leftBits = LetterKeyBits(), rightBits = ArrowKeyBits();
    if (KeyHeld(SDLK_ESCAPE)) {
        gEngine.Log(2, "User exits!");
        quit = true;
    }
    // 3: pause and music, throttled.
    pauseMusicKeys.Check(Ticks(), &paused);
    // 4-6: both playfields step in the same frame, the left first, so both can be lost at once.
    if (paused) {
        clock.Hold(Ticks());
    } else {
        if (!Step(left, leftBits, leftSign, "Left Player lost!", "Run PlayerLeft failed!") ||
            !Step(right, rightBits, rightSign, "Right Player lost!", "Run PlayerRight failed!"))
            return false;
        quit |= !clock.Update(Ticks());
    }
    // 7: the trailing player's stones fall faster, paused or not.
    BalanceSpeeds();
    // 8-13: a clean screen, drawn and flipped; a frame that would look as the one shown is kept.
    if (KeepsFrame(CHALLENGE_SHOWS_PLAY))
        return true;
    if (!FillScreen() || !DrawFields() || !DrawMessages())
        return false;
    if (!clock.Draw(CHALLENGE_CLOCK_X, CHALLENGE_CLOCK_Y))
        Fail("Draw Clock failed!");
    if (!DrawSidebars())
        return false;
    return FlipScreen(gEngine.screen) == 0 || Fail("Flip screen failed!");
}

bool TwoPlayerChallenge::Step(TumbloEngine& playfield, Uint32 keyBits, SignPoints& sign,
                              const char* lost, const char* failed)
{
    if (!playfield.Run(keyBits)) {
        if (!playfield.IsGameOver())
            return Fail(failed);
        gEngine.Log(2, "%s", lost);
        quit = true;
    }
    sign.Catch(playfield, Ticks());
    return true;
}

// Only the trailing player's speed is set; the leader keeps whatever it last had. A lead of more
// than 120 points asks for more than 1000, which the playfield ignores.
void TwoPlayerChallenge::BalanceSpeeds()
{
    int lead = left.GetScore() - right.GetScore();
    if (lead > 0)
        right.SetSpeed(CHALLENGE_SPEED_PER_POINT * (CHALLENGE_SPEED_BASE_POINTS + lead));
    else if (lead < 0)
        left.SetSpeed(CHALLENGE_SPEED_PER_POINT * (CHALLENGE_SPEED_BASE_POINTS - lead));
}

bool TwoPlayerChallenge::DrawFields()
{
    if (!left.Draw(CHALLENGE_LEFT_X, CHALLENGE_FIELD_Y))
        return Fail("Draw PlayerLeft failed!");
    if (!right.Draw(CHALLENGE_RIGHT_X, CHALLENGE_FIELD_Y))
        return Fail("Draw PlayerRight failed!");
    return true;
}

// Everything a frame of the challenge draws: what the screen shows, both playfields with their
// panels, the clock, and the messages over the playfields. True when that is as shown and the
// frame was kept.
bool TwoPlayerChallenge::KeepsFrame(ChallengeShows shows)
{
    const Uint32 now = Ticks();
    look.Add(shows);
    for (const TumbloEngine* playfield : {&left, &right}) {
        playfield->AddLook(look);
        look.Add(playfield->IsGameOver());
    }
    clock.AddLook(look);
    look.Add(paused);
    leftSign.AddLook(look, now);
    rightSign.AddLook(look, now);
    return look.Keeps(now);
}

// "Paused" over both playfields while paused, else each side's latest row clear for a while.
bool TwoPlayerChallenge::DrawMessages()
{
    if (paused) {
        bool drawn = gOrangeFont.PutString(CHALLENGE_LEFT_TEXT_X, CHALLENGE_TEXT_Y, "Paused") &&
                     gOrangeFont.PutString(CHALLENGE_RIGHT_TEXT_X, CHALLENGE_TEXT_Y, "Paused");
        return drawn || Fail("Draw Paused failed!");
    }
    if (!leftSign.Draw(CHALLENGE_LEFT_TEXT_X, CHALLENGE_TEXT_Y, Ticks()))
        return Fail("Draw sign points left failed!");
    if (!rightSign.Draw(CHALLENGE_RIGHT_TEXT_X, CHALLENGE_TEXT_Y, Ticks()))
        return Fail("Draw sign points right failed!");
    return true;
}

bool TwoPlayerChallenge::DrawSidebars()
{
    if (!DrawSidebar(CHALLENGE_SIDEBAR_X, CHALLENGE_LEFT_SIDEBAR_Y, CHALLENGE_NO_LEVEL, &left,
                     &gWhiteFont))
        return Fail("Draw Gimmicks left failed!");
    if (!DrawSidebar(CHALLENGE_SIDEBAR_X, CHALLENGE_RIGHT_SIDEBAR_Y, CHALLENGE_NO_LEVEL, &right,
                     &gWhiteFont))
        return Fail("Draw Gimmicks Right failed!");
    return true;
}

// A winner gets the fanfare, a draw the lose sound. Then a short pause, in which nothing is read,
// so that the last moves of the game do not leave the result at once.
void TwoPlayerChallenge::EndSoundAndWait()
{
    if (left.GetScore() != right.GetScore())
        PlayEndSound(highscoreSound, MODE_HIGHSCORE_SOUND);
    else
        PlayEndSound(loseSound, MODE_LOSE_SOUND);
    gEngine.Log(2, "Tumblo Sound loaded!");
    Uint32 start = Ticks();
    while (Ticks() - start < CHALLENGE_END_WAIT_MS)
        Delay(1);
}

void TwoPlayerChallenge::ShowResult()
{
    quit = false;
    while (!quit) {
        if (!ResultFrame())
            return;
        pacer.Wait();
    }
}

struct ChallengeResult {
    const char* left;
    const char* right;
};

// Higher score wins; at an even score the player whose playfield filled up loses; with neither
// (the challenge was left early) it is a draw.
static ChallengeResult JudgeChallenge(const TumbloEngine& left, const TumbloEngine& right)
{
    static const char WON[] = "You Won", LOST[] = "You Lost", DRAW[] = "Patt";
    if (left.GetScore() > right.GetScore())
        return {WON, LOST};
    if (right.GetScore() > left.GetScore())
        return {LOST, WON};
    if (left.IsGameOver())
        return {LOST, WON};
    if (right.IsGameOver())
        return {WON, LOST};
    return {DRAW, DRAW};
}

bool TwoPlayerChallenge::ResultFrame()
{
    quit |= DrainEventsForQuit();
    if (KeyHeld(SDLK_RETURN) || KeyHeld(SDLK_SPACE) || KeyHeld(SDLK_ESCAPE)) {
        gEngine.Log(2, "User exits!");
        quit = true;
    }
    if (KeepsFrame(CHALLENGE_SHOWS_RESULT))
        return true;
    if (!FillScreen() || !DrawFields())
        return false;
    if (!clock.Draw(CHALLENGE_CLOCK_X, CHALLENGE_CLOCK_Y))
        Fail("Draw Clock failed!");
    if (!DrawSidebars())
        return false;
    ChallengeResult result = JudgeChallenge(left, right);
    if (!gOrangeFont.PutString(CHALLENGE_LEFT_TEXT_X, CHALLENGE_TEXT_Y, result.left) ||
        !gOrangeFont.PutString(CHALLENGE_RIGHT_TEXT_X, CHALLENGE_TEXT_Y, result.right))
        return Fail("Draw Game Over failed!");
    return FlipScreen(gEngine.screen) == 0 || Fail("Flip failed!");
}

void TwoPlayerChallenge::Release()
{
    gEngine.Log(2, "Release Point reached!");
    UnloadGraphics(&left);
    landingSound.Stop();
    lineSound.Stop();
    highscoreSound.Stop();
    loseSound.Stop();
    left.Reset();
    right.Reset();
}

bool Challenge()
{
    TwoPlayerChallenge challenge;
    if (!challenge.SetUp())
        return false;
    challenge.Play();
    return true;
}
