// The challenge run whole: who wins, the speed balance, pause and the result display.
#include "game/challenge.h"

#include "game/mode_frame.h"
#include "tests/game/mode_world.h"
#include "tests/support/headless.h"

#include <gtest/gtest.h>

constexpr int LEFT_X = 10, RIGHT_X = 380, LEFT_TEXT_X = 60, RIGHT_TEXT_X = 460, CLOCK_X = 290;

// How one challenge went: the texts over both playfields in the first frame of the result display,
// how many frames that display lasted, and the end sounds.
struct Outcome {
    std::string left, right;
    int resultFrames = 0;
    std::vector<std::string> sounds;
};

static std::string TextOver(TumbloEngine* field, int fieldX, int textX)
{
    for (const char* text : {"You Won", "You Lost", "Patt"})
        if (FieldShows(field, fieldX, textX, text))
            return text;
    return "?";
}

// Runs a challenge whose frames of play follow play(frame); the result display is left with Return.
static Outcome RunChallenge(ModeWorld& world, const std::function<void(int frame)>& play)
{
    Outcome outcome;
    FrameScript script([&](int frame) {
        if (world.log.Count("Tumblo Sound loaded!") < 2)  // the second one comes with the end sound
            return play(frame);
        if (outcome.resultFrames++ == 0) {
            outcome.left = TextOver(world.left, LEFT_X, LEFT_TEXT_X);
            outcome.right = TextOver(world.right, RIGHT_X, RIGHT_TEXT_X);
        }
        HoldKey(SDLK_RETURN);
    });
    EXPECT_TRUE(Challenge());
    EXPECT_TRUE(world.log.Contains("Release Point reached!"));
    outcome.sounds = world.endSounds;
    return outcome;
}

static const std::vector<std::string> LOSE_ONLY = {MODE_LOSE_SOUND}, WIN_ONLY = {MODE_HIGHSCORE_SOUND};

TEST(Challenge, TheHigherScoreWinsAndAnEvenTopOutCountsAgainstTheLeftFirst)
{
    // The left clears two rows at once and then tops out: still ahead on points.
    ModeWorld ahead([](TumbloEngine* left, TumbloEngine*) { FillRows(left, 19, 20); });
    Outcome outcome = RunChallenge(ahead, [&](int frame) {
        if (frame == 0)
            Bury(ahead.left);
        ahead.clock.Advance(601);
    });
    EXPECT_TRUE(ahead.log.Contains("Left Player lost!"));
    EXPECT_FALSE(ahead.log.Contains("Right Player lost!"));
    EXPECT_EQ(std::vector<std::string>({outcome.left, outcome.right}), (std::vector<std::string>{"You Won", "You Lost"}));
    EXPECT_EQ(outcome.sounds, WIN_ONLY);

    ModeWorld even;
    outcome = RunChallenge(even, [&](int frame) {
        if (frame == 0)
            Bury(even.left), Bury(even.right);
        even.clock.Advance(601);
    });
    EXPECT_TRUE(even.log.InOrder({"Left Player lost!", "Right Player lost!"}));
    EXPECT_EQ(std::vector<std::string>({outcome.left, outcome.right}), (std::vector<std::string>{"You Lost", "You Won"}));
    EXPECT_EQ(outcome.sounds, LOSE_ONLY);
}

TEST(Challenge, PauseHoldsBothSidesAndTheClockAndAnEscapeStillHeldEndsTheDrawAtOnce)
{
    ModeWorld world;
    Position held[2] = {};
    Outcome outcome = RunChallenge(world, [&](int frame) {
        if (frame == 0) {
            HoldKey(SDLK_p);
            return world.clock.Advance(201);
        }
        HoldKey(SDLK_p, false);
        if (frame == 1)
            held[0] = world.left->StonePosition(0), held[1] = world.right->StonePosition(0);
        EXPECT_EQ(StoneRow(world.left), held[0].row);
        EXPECT_EQ(StoneRow(world.right), held[1].row);
        EXPECT_TRUE(FieldShows(world.left, LEFT_X, LEFT_TEXT_X, "Paused"));
        EXPECT_TRUE(FieldShows(world.right, RIGHT_X, RIGHT_TEXT_X, "Paused"));
        EXPECT_TRUE(ClockShows(CLOCK_X, "0:0"));
        world.clock.Advance(5000);
        HoldKey(SDLK_ESCAPE, frame >= 4);  // and never let go
    });
    EXPECT_EQ(std::vector<std::string>({outcome.left, outcome.right}), (std::vector<std::string>{"Patt", "Patt"}));
    EXPECT_EQ(outcome.sounds, LOSE_ONLY);
    EXPECT_EQ(outcome.resultFrames, 1);
    EXPECT_EQ(world.log.Count("User exits!"), 2);
}

TEST(Challenge, TheTrailingSideFallsFasterByFivePerPointOfLeadUpTo1000)
{
    // Left 40, right 10; then the right clears two rows and leads 50 to 40.
    ModeWorld world([](TumbloEngine* left, TumbloEngine* right) {
        FillRows(left, 19, 20);
        FillRows(right, 20, 20);
    });
    std::vector<int> speeds;  // left and right, after the first frame and after the right's clear
    RunChallenge(world, [&](int frame) {
        world.clock.Advance(601);
        if (frame == 0) {
            speeds = {world.left->GetSpeed(), world.right->GetSpeed()};
            FillRows(world.right, 19, 20);
        }
        if (frame > 0 && world.right->GetLastPoints() != 0) {
            speeds.insert(speeds.end(), {world.left->GetSpeed(), world.right->GetSpeed()});
            HoldKey(SDLK_ESCAPE);
        }
    });
    EXPECT_EQ(speeds, (std::vector<int>{400, 550, 450, 550}));

    // Left 160, right 40: a lead of 120 asks for 1000. One more row makes 130, which is ignored.
    ModeWorld far([](TumbloEngine* left, TumbloEngine* right) {
        FillRows(left, 17, 20);
        FillRows(right, 19, 20);
    });
    speeds.clear();
    RunChallenge(far, [&](int frame) {
        far.clock.Advance(601);
        if (frame == 0) {
            speeds = {far.right->GetSpeed()};
            FillRows(far.left, 20, 20);
        }
        if (frame > 0 && far.left->GetLastPoints() != 0) {
            speeds.insert(speeds.end(), {far.left->GetScore() - far.right->GetScore(), far.right->GetSpeed()});
            HoldKey(SDLK_ESCAPE);
        }
    });
    EXPECT_EQ(speeds, (std::vector<int>{1000, 130, 1000}));
}
