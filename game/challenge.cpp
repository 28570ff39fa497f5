// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

#include "game/challenge.h"

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

// A failed flip logs a line of its own in play and in the result display.
static const FrameRules CHALLENGE_PLAY_FRAME = {FRAME_PERIOD_MS, FRAME_EVENTS_ALL,
                                                FRAME_END_AFTER_WAIT, FRAME_DRAWS_CHANGES,
                                                "Flip screen failed!"};
static const FrameRules CHALLENGE_RESULT_FRAME = {
    FRAME_PERIOD_MS, FRAME_EVENTS_ALL, FRAME_END_AFTER_WAIT, FRAME_DRAWS_CHANGES, "Flip failed!"};

// What the screen of the challenge shows: the phase it is in, and part of a frame's look.
enum ChallengeShows { CHALLENGE_SHOWS_PLAY, CHALLENGE_SHOWS_RESULT };

// One challenge: two playfields that share one set of pictures and the effect sounds. It is one
// screen in two phases: play, then the result display. Members are declared in the order of
// construction and destroyed in reverse, the right playfield first, the pictures after both.
class TwoPlayerChallenge : public Screen {
public:
    bool SetUp();
    void Play();

    void HandleEvent(const SDL_Event& event) override;
    bool Step() override;
    void AddLook(FrameLook& look) const override;
    bool Draw() override;
    bool Done() const override { return quit; }

private:
    bool LoadGraphics();
    bool StepPlay();
    bool StepPlayfield(TumbloEngine& playfield, Uint32 keyBits, SignPoints& sign, const char* lost,
                       const char* failed);
    void BalanceSpeeds();
    bool DrawFields();
    void DrawMessages();
    bool DrawSidebars();
    void EndSoundAndWait();
    void Release();

    SoundStream landingSound, lineSound, highscoreSound, loseSound;
    PlayfieldPictures pictures;
    TumbloEngine left, right;
    PauseMusicKeys pauseMusicKeys;
    GameClock clock;
    SignPoints leftSign, rightSign;
    ChallengeShows shows = CHALLENGE_SHOWS_PLAY;
    bool quit = false;
};

// The script is read once; both playfields borrow its pictures.
bool TwoPlayerChallenge::LoadGraphics()
{
    gEngine.Log(2, "Loading Graphics for Left player...");
    if (!LoadGraphicsScriptFile("data/grafik/graphic.txt", pictures))
        return Fail("FAILED");
    pictures.LendTo(left);
    gEngine.Log(2, "DONE");
    gEngine.Log(2, "Mirror Graphics to Right player...");
    pictures.LendTo(right);
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

// A frame of play that fails skips the result display.
void TwoPlayerChallenge::Play()
{
    const bool played = RunScreen(*this, CHALLENGE_PLAY_FRAME);
    EndSoundAndWait();
    if (played) {
        shows = CHALLENGE_SHOWS_RESULT;
        quit = false;
        RunScreen(*this, CHALLENGE_RESULT_FRAME);
    }
    Release();
}

// A window that goes away pauses the play (see PauseMusicKeys).
void TwoPlayerChallenge::HandleEvent(const SDL_Event& event)
{
    if (event.type == SDL_QUIT)
        quit = true;
    pauseMusicKeys.Note(event);
}

// In the result display Return, Space or Escape held leave it, and a pad's A or Start as Return;
// the frame is still drawn.
bool TwoPlayerChallenge::Step()
{
    if (shows == CHALLENGE_SHOWS_PLAY)
        return StepPlay();
    if (ReturnHeld() || KeyHeld(SDLK_SPACE) || KeyHeld(SDLK_ESCAPE)) {
        gEngine.Log(2, "User exits!");
        quit = true;
    }
    return true;
}

// Both players' keys and pads; P and M, throttled; both playfields step in the same frame, the left
// first, so both can be lost at once; and the trailing player's stones fall faster, paused or not.
bool TwoPlayerChallenge::StepPlay()
{
    Uint32 leftBits = PlayerKeyBits(MODE_LEFT_PLAYER), rightBits = PlayerKeyBits(MODE_RIGHT_PLAYER);
    if (LeaveHeld()) {
        gEngine.Log(2, "User exits!");
        quit = true;
    }
    pauseMusicKeys.Check(Ticks());
    if (pauseMusicKeys.Paused()) {
        clock.Hold(Ticks());
    } else {
        if (!StepPlayfield(left, leftBits, leftSign, "Left Player lost!",
                           "Run PlayerLeft failed!") ||
            !StepPlayfield(right, rightBits, rightSign, "Right Player lost!",
                           "Run PlayerRight failed!"))
            return false;
        quit |= !clock.Update(Ticks());
    }
    BalanceSpeeds();
    return true;
}

bool TwoPlayerChallenge::StepPlayfield(TumbloEngine& playfield, Uint32 keyBits, SignPoints& sign,
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

// Everything a frame of the challenge shows: the phase, both playfields with their panels, the
// clock, and the messages over the playfields.
void TwoPlayerChallenge::AddLook(FrameLook& look) const
{
    const Uint32 now = Ticks();
    look.Add(shows);
    for (const TumbloEngine* playfield : {&left, &right}) {
        playfield->AddLook(look);
        look.Add(playfield->IsGameOver());
    }
    clock.AddLook(look);
    look.Add(pauseMusicKeys.Paused());
    leftSign.AddLook(look, now);
    rightSign.AddLook(look, now);
}

struct ChallengeResult {
    const char* left;
    const char* right;
};

// Higher score wins; at an even score the player whose playfield filled up loses; with neither
// (the challenge was left early) it is a draw. Kept on purpose: a draw reads "Patt", the word
// players have always seen for it.
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

// Both playfields, the messages over them, the clock and both side panels. The messages are the
// result after play; in play they are "Paused" while paused, else each side's latest row clear
// for a while.
bool TwoPlayerChallenge::Draw()
{
    if (!DrawFields())
        return false;
    if (shows == CHALLENGE_SHOWS_PLAY)
        DrawMessages();
    clock.Draw(CHALLENGE_CLOCK_X, CHALLENGE_CLOCK_Y);
    if (!DrawSidebars())
        return false;
    if (shows == CHALLENGE_SHOWS_RESULT) {
        ChallengeResult result = JudgeChallenge(left, right);
        gOrangeFont.PutString(CHALLENGE_LEFT_TEXT_X, CHALLENGE_TEXT_Y, result.left);
        gOrangeFont.PutString(CHALLENGE_RIGHT_TEXT_X, CHALLENGE_TEXT_Y, result.right);
    }
    return true;
}

bool TwoPlayerChallenge::DrawFields()
{
    if (!left.Draw(CHALLENGE_LEFT_X, CHALLENGE_FIELD_Y))
        return Fail("Draw PlayerLeft failed!");
    if (!right.Draw(CHALLENGE_RIGHT_X, CHALLENGE_FIELD_Y))
        return Fail("Draw PlayerRight failed!");
    return true;
}

void TwoPlayerChallenge::DrawMessages()
{
    if (pauseMusicKeys.Paused()) {
        gOrangeFont.PutString(CHALLENGE_LEFT_TEXT_X, CHALLENGE_TEXT_Y, "Paused");
        gOrangeFont.PutString(CHALLENGE_RIGHT_TEXT_X, CHALLENGE_TEXT_Y, "Paused");
        return;
    }
    leftSign.Draw(CHALLENGE_LEFT_TEXT_X, CHALLENGE_TEXT_Y, Ticks());
    rightSign.Draw(CHALLENGE_RIGHT_TEXT_X, CHALLENGE_TEXT_Y, Ticks());
}

bool TwoPlayerChallenge::DrawSidebars()
{
    if (!DrawSidebar(CHALLENGE_SIDEBAR_X, CHALLENGE_LEFT_SIDEBAR_Y, CHALLENGE_NO_LEVEL, left,
                     gWhiteFont))
        return Fail("Draw Gimmicks left failed!");
    if (!DrawSidebar(CHALLENGE_SIDEBAR_X, CHALLENGE_RIGHT_SIDEBAR_Y, CHALLENGE_NO_LEVEL, right,
                     gWhiteFont))
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
    // Kept on purpose: logged a second time, here; log readers take it for the end of play.
    gEngine.Log(2, "Tumblo Sound loaded!");
    Uint32 start = Ticks();
    while (Ticks() - start < CHALLENGE_END_WAIT_MS)
        Delay(1);
}

void TwoPlayerChallenge::Release()
{
    gEngine.Log(2, "Release Point reached!");
    pictures.Unload();
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
