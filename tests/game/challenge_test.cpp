// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// The challenge run whole: who wins, the result display and the speed balance.
#include "game/challenge.h"

#include "core/frame_pacer.h"

#include "tests/game/mode_world.h"

using Texts = std::vector<std::string>;

// The texts over both playfields in the result display's first frame, and its frames.
struct Outcome {
    Texts texts;
    int resultFrames = 0;
    Uint32 waited = 0;  // from the last frame of play to the first of the result display
};

// Runs a challenge whose frames of play follow play(frame); the result display is left with Return.
static Outcome RunChallenge(ModeWorld& world, const std::function<void(int frame)>& play)
{
    Outcome outcome;
    const auto textOver = [](TumbloEngine* field, int fieldX, int textX) -> std::string {
        for (const char* text : {"You Won", "You Lost", "Patt"})
            if (FieldShows(field, fieldX, textX, text))
                return text;
        return "?";
    };
    FrameScript script([&](int frame) {
        static Uint32 lastPlay;
        if (world.log.Count("Tumblo Sound loaded!") < 2)  // the second one comes with the end sound
            return play(frame), void(lastPlay = world.clock.Now());
        if (outcome.resultFrames++ == 0) {
            outcome.texts = {textOver(world.left, 10, 60), textOver(world.right, 380, 460)};
            outcome.waited = world.clock.Now() - lastPlay;
        }
        HoldKey(SDLK_RETURN);
    });
    EXPECT_TRUE(Challenge());
    return outcome;
}

// The higher score wins; at an even score the side that topped out loses; left early, it is a draw.
TEST(Challenge, TheResultDisplayNamesTheWinner)
{
    const struct {
        bool leftScores;   // the left clears two rows at once first
        const char* ends;  // then these sides top out; none: Escape, held on
        Texts texts;
        const char* sound;
    } cases[] = {
        {true, "L", {"You Won", "You Lost"}, MODE_HIGHSCORE_SOUND},  // still ahead on points
        {false, "L", {"You Lost", "You Won"}, MODE_LOSE_SOUND},
        {false, "R", {"You Won", "You Lost"}, MODE_LOSE_SOUND},
        {false, "LR", {"You Lost", "You Won"}, MODE_LOSE_SOUND},  // both at once: the left first
        {false, "", {"Patt", "Patt"}, MODE_LOSE_SOUND},  // the held Escape ends the display too
    };
    for (const auto& c : cases) {
        ModeWorld world([&](TumbloEngine* left, TumbloEngine*) {
            if (c.leftScores)
                FillBottom(left, 2);
        });
        Outcome outcome = RunChallenge(world, [&](int frame) {
            for (char side : std::string(frame == 0 ? c.ends : ""))
                // All but the outer columns: no row clears, and the stone cannot leave the middle.
                FillBottom(side == 'L' ? world.left : world.right, FIELD_ROWS, 1,
                           FIELD_COLUMNS - 1);
            HoldKey(SDLK_ESCAPE, !*c.ends);
            world.clock.Advance(601);
        });
        EXPECT_EQ(outcome.texts, c.texts) << c.ends;
        EXPECT_EQ(world.endSounds, Texts{c.sound});
        EXPECT_EQ(outcome.resultFrames, *c.ends ? 2 : 1);
        EXPECT_GE(outcome.waited, 300u) << "the end waits before the result shows";
    }
}

// Both sides' speeds after their full rows clear in the first frame, and again after side again
// clears more rows filled then.
static std::vector<int> SpeedsAfterTwoClears(int leftRows, int rightRows, bool againLeft,
                                             int againRows)
{
    ModeWorld world([&](TumbloEngine* left, TumbloEngine* right) {
        FillBottom(left, leftRows);
        FillBottom(right, rightRows);
    });
    std::vector<int> speeds;
    RunChallenge(world, [&](int frame) {
        TumbloEngine* again = againLeft ? world.left : world.right;
        world.clock.Advance(601);
        if (frame == 0 || again->GetLastPoints() != 0)
            speeds.insert(speeds.end(), {world.left->GetSpeed(), world.right->GetSpeed()});
        if (frame == 0)
            FillBottom(again, againRows);
        else if (again->GetLastPoints() != 0)
            HoldKey(SDLK_ESCAPE);
    });
    return speeds;
}

TEST(Challenge, TheTrailingSideFallsFasterByFivePerPointOfLeadUpTo1000AndATieChangesNothing)
{
    // 40 to 10, then the right clears two rows and leads 50 to 40.
    EXPECT_EQ(SpeedsAfterTwoClears(2, 1, false, 2), (std::vector<int>{400, 550, 450, 550}));
    // 160 to 40 asks for 1000; one more row on the left makes a lead of 130, which is ignored.
    EXPECT_EQ(SpeedsAfterTwoClears(4, 2, true, 1), (std::vector<int>{400, 1000, 400, 1000}));
    // Caught up to an even score, either side: no speed changes.
    EXPECT_EQ(SpeedsAfterTwoClears(0, 2, true, 2), (std::vector<int>{600, 400, 600, 400}));
    EXPECT_EQ(SpeedsAfterTwoClears(2, 0, false, 2), (std::vector<int>{400, 600, 400, 600}));
}

// With -c the computer plays the right side; F1 hands it the left one too, and the two play until
// a playfield is full; the higher score wins. A well down the right edge shortens the game.
TEST(Challenge, TwoComputersPlayItToItsEnd)
{
    ModeWorld world([](TumbloEngine* left, TumbloEngine* right) {
        FillBottom(left, FIELD_ROWS - 8, 0, FIELD_COLUMNS - 1);
        FillBottom(right, FIELD_ROWS - 8, 0, FIELD_COLUMNS - 1);
    });
    gChallengeComputer = true;
    int scores[2] = {};
    Outcome outcome = RunChallenge(world, [&](int frame) {
        if (frame == 0)
            PushKeyDown(SDLK_F1);
        scores[0] = world.left->GetScore(), scores[1] = world.right->GetScore();
        world.clock.Advance(FRAME_PERIOD_MS);
    });
    gChallengeComputer = false;
    EXPECT_EQ(world.log.Count("Computer takes the right playfield"), 1);
    EXPECT_EQ(world.log.Count("Computer takes the left playfield"), 1);
    EXPECT_EQ(world.log.Count("Left Player lost!") + world.log.Count("Right Player lost!"), 1);
    EXPECT_GT(std::min(scores[0], scores[1]), 0);
    const Texts won = {"You Won", "You Lost"}, lost = {"You Lost", "You Won"};
    EXPECT_EQ(outcome.texts, scores[0] > scores[1] ? won : lost);
}
