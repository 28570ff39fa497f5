// The challenge run whole: who wins, the speed balance, pause and the result display.
#include "game/challenge.h"

#include "tests/game/mode_world.h"

#include <gtest/gtest.h>

using Texts = std::vector<std::string>;

// How one challenge went: the texts over the left and the right playfield in the first frame of
// the result display, and how many frames that display lasted.
struct Outcome {
    Texts texts;
    int resultFrames = 0;
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
        if (outcome.resultFrames++ == 0)
            outcome.texts = {TextOver(world.left, 10, 60), TextOver(world.right, 380, 460)};
        HoldKey(SDLK_RETURN);
    });
    EXPECT_TRUE(Challenge());
    EXPECT_TRUE(world.log.Contains("Release Point reached!"));
    return outcome;
}

TEST(Challenge, TheHigherScoreWinsAndAnEvenTopOutCountsAgainstTheLeftFirst)
{
    // The left clears two rows at once, then tops out: still ahead on points.
    ModeWorld ahead([](TumbloEngine* left, TumbloEngine*) { FillRows(left, 19, 20); });
    Outcome outcome = RunChallenge(ahead, [&](int frame) {
        if (frame == 0)
            Bury(ahead.left);
        ahead.clock.Advance(601);
    });
    EXPECT_EQ(outcome.texts, (Texts{"You Won", "You Lost"}));
    EXPECT_EQ(ahead.endSounds, Texts{MODE_HIGHSCORE_SOUND});

    ModeWorld even;
    outcome = RunChallenge(even, [&](int frame) {
        if (frame == 0)
            Bury(even.left), Bury(even.right);
        even.clock.Advance(601);
    });
    EXPECT_TRUE(even.log.InOrder({"Left Player lost!", "Right Player lost!"}));
    EXPECT_EQ(outcome.texts, (Texts{"You Lost", "You Won"}));
    EXPECT_EQ(even.endSounds, LOSE_SOUND_ONLY);
}

TEST(Challenge, PauseHoldsBothSidesAndTheClockAndAnEscapeStillHeldEndsTheDrawAtOnce)
{
    ModeWorld world;
    std::vector<int> held;
    Outcome outcome = RunChallenge(world, [&](int frame) {
        HoldKey(SDLK_p, frame == 0);
        world.clock.Advance(frame == 0 ? 201 : 5000);
        if (frame == 0)
            return;
        const std::vector<int> rows = {StoneRow(world.left), StoneRow(world.right)};
        held = frame == 1 ? rows : held;
        EXPECT_EQ(rows, held);
        EXPECT_TRUE(FieldShows(world.left, 10, 60, "Paused"));
        EXPECT_TRUE(FieldShows(world.right, 380, 460, "Paused"));
        EXPECT_TRUE(ClockShows(290, "0:0"));
        HoldKey(SDLK_ESCAPE, frame >= 4);  // and never let go
    });
    EXPECT_EQ(outcome.texts, (Texts{"Patt", "Patt"}));
    EXPECT_EQ(world.endSounds, LOSE_SOUND_ONLY);
    EXPECT_EQ(outcome.resultFrames, 1);
    EXPECT_EQ(world.log.Count("User exits!"), 2);
}

// Starts with the given rows full on each side, then fills more on one side once the first frame
// has cleared them; returns the speeds of both sides after that second clear.
static std::vector<int> SpeedsAfterTwoClears(int leftRows, int rightRows, bool againLeft, int againRows,
                                             std::vector<int>* firstSpeeds)
{
    ModeWorld world([&](TumbloEngine* left, TumbloEngine* right) {
        FillRows(left, FIELD_ROWS - leftRows, FIELD_ROWS - 1);
        FillRows(right, FIELD_ROWS - rightRows, FIELD_ROWS - 1);
    });
    std::vector<int> speeds;
    RunChallenge(world, [&](int frame) {
        TumbloEngine* again = againLeft ? world.left : world.right;
        world.clock.Advance(601);
        if (frame == 0) {
            *firstSpeeds = {world.left->GetSpeed(), world.right->GetSpeed()};
            FillRows(again, FIELD_ROWS - againRows, FIELD_ROWS - 1);
        } else if (again->GetLastPoints() != 0) {
            speeds = {world.left->GetSpeed(), world.right->GetSpeed()};
            HoldKey(SDLK_ESCAPE);
        }
    });
    return speeds;
}

TEST(Challenge, TheTrailingSideFallsFasterByFivePerPointOfLeadUpTo1000)
{
    std::vector<int> first;
    // 40 to 10, then the right clears two rows and leads 50 to 40.
    std::vector<int> then = SpeedsAfterTwoClears(2, 1, false, 2, &first);
    EXPECT_EQ(first, (std::vector<int>{400, 550}));
    EXPECT_EQ(then, (std::vector<int>{450, 550}));
    // 160 to 40 asks for 1000; one more row on the left makes a lead of 130, which is ignored.
    then = SpeedsAfterTwoClears(4, 2, true, 1, &first);
    EXPECT_EQ(first, (std::vector<int>{400, 1000}));
    EXPECT_EQ(then, (std::vector<int>{400, 1000}));
}
