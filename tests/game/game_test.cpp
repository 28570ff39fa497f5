// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// The single game run whole: levels, pause, music, clock, the sign points and the end of the game.
#include "game/game.h"

#include "game/challenge.h"
#include "highscore/highscore_list.h"
#include "highscore/highscore_table.h"
#include "media/sound_stream.h"
#include "tests/game/mode_world.h"

#include <gtest/gtest.h>

#include <cstdio>

constexpr int FIELD_X = 200, TEXT_X = 270, CLOCK_X = 20;
constexpr int BANNER_FRAMES = 20;  // the first level's 2000 ms banner, at 100 ms a frame

// Each level begins with a banner that holds the stone for exactly two seconds (the last frame
// 1 ms short), and adds 50 more speed than the level before, up to the playfield's 1000.
TEST(Game, EveryTenRowsALevelBegins)
{
    ModeWorld world;
    HighscoreList list;  // ten results that no game here reaches
    for (int place = 0; place < HIGHSCORE_PLACES; ++place)
        list.Add(MakeHighscoreEntry("Best", 1000000, 9, 600));
    ASSERT_TRUE(list.Save(HIGHSCORE_FILE, HIGHSCORE_KEY));
    int bannerRow = -1, cappedSpeed = 0;
    std::vector<int> linesAtLevel;  // the rows cleared when each level began
    FrameScript script([&](int frame) {
        TumbloEngine* field = world.left;
        bannerRow = frame == 0 ? field->StonePosition(0).row : bannerRow;
        if (frame <= BANNER_FRAMES + 1) {
            EXPECT_EQ(field->StonePosition(0).row, bannerRow) << frame;
            EXPECT_TRUE(FieldShows(field, FIELD_X, TEXT_X, frame <= BANNER_FRAMES ? "Level 1" : ""))
                << frame;
        }
        if (world.log.Contains("Start Level " + std::to_string(linesAtLevel.size() + 1)))
            linesAtLevel.push_back(field->GetLines());
        // Then a row a frame at every speed.
        const int bannerStep = frame == BANNER_FRAMES - 1 ? 99 : frame == BANNER_FRAMES ? 1 : 100;
        world.clock.Advance(frame <= BANNER_FRAMES ? bannerStep : 601);
        if (cappedSpeed == 0 && (world.log.Contains("Calculated Speed: 1150") || frame > 1000)) {
            cappedSpeed = field->GetSpeed();  // and a level rule gone wrong stops here too
            PushQuit();
        } else if ((field->State() & STATE_STONE) && field->StonePosition(0).row == 0 &&
                   !field->BlockAt(0, 20)) {
            FillBottom(field, 10);  // the stone lands on them and clears ten lines
        }
    });
    EXPECT_TRUE(Game());
    EXPECT_EQ(linesAtLevel, (std::vector{0, 10, 20, 30, 40}));
    EXPECT_TRUE(world.log.InOrder(
        {"Game called...", "Enter inner Mainloop", "Start Level 1", "Calculated Speed: 450",
         "Start Level 2", "Calculated Speed: 550", "Start Level 3", "Calculated Speed: 700",
         "Start Level 4", "Calculated Speed: 900", "Start Level 5", "Calculated Speed: 1150"}))
        << world.log.All();
    EXPECT_EQ(cappedSpeed, 900);
}

// P held from the frame after the clock shows 1:0 toggles at once, then in the first 10 ms frame
// past each 200 ms window. Paused, M held for two windows switches the music off and on.
TEST(Game, HoldingPTogglesAPauseThatHoldsStoneAndClockEvery200MsAndMTheMusic)
{
    constexpr int HELD_FROM = BANNER_FRAMES + 2, FRAME_MS = 10, FIRST_TOGGLE = HELD_FROM + 1;
    constexpr int TOGGLE_FRAMES = MODE_KEY_REPEAT_MS / FRAME_MS + 1;
    constexpr int LAST_TOGGLE = FIRST_TOGGLE + 2 * TOGGLE_FRAMES, LEAVE = LAST_TOGGLE + 5;
    ModeWorld world;
    std::vector<int> toggles;
    std::vector<bool> music;
    int pausedRow = -1;
    gSoundOn = true;
    FrameScript script([&](int frame) {
        TumbloEngine* field = world.left;
        if (frame < BANNER_FRAMES)
            return world.clock.Advance(100);
        if (frame == BANNER_FRAMES)
            return world.clock.Advance(59000);  // 59 s since the banner's last frame held the clock
        if (frame <= HELD_FROM) {
            EXPECT_TRUE(ClockShows(CLOCK_X, frame < HELD_FROM ? "0:59" : "1:0"));
            HoldKey(SDLK_p, frame == HELD_FROM);
            return world.clock.Advance(frame < HELD_FROM ? 1001 : 201);
        }
        if (frame <= LAST_TOGGLE) {
            if (FieldShows(field, FIELD_X, TEXT_X, "Paused") != (toggles.size() % 2 == 1))
                toggles.push_back(frame), pausedRow = field->StonePosition(0).row;
            return world.clock.Advance(FRAME_MS);
        }
        HoldKey(SDLK_p, false);
        EXPECT_EQ(field->StonePosition(0).row, pausedRow);
        EXPECT_TRUE(ClockShows(CLOCK_X, "1:0"));
        world.clock.Advance(10000);
        HoldKey(SDLK_m, frame < LAST_TOGGLE + 3);
        if (frame < LEAVE)
            music.push_back(gSoundOn);
        HoldKey(SDLK_ESCAPE, frame == LEAVE);
    });
    EXPECT_TRUE(Game());
    EXPECT_EQ(toggles, (std::vector<int>{FIRST_TOGGLE, FIRST_TOGGLE + TOGGLE_FRAMES, LAST_TOGGLE}));
    EXPECT_EQ(music, (std::vector<bool>{true, false, true, true}));
    gSoundOn = true;
}

// Two rows cleared show their 40 points for one second. Then 261 counts of 59 s fill the 255th
// minute: the clock shows 0:40 and the game ends with two seconds of "Game Over". The result
// qualifies; the name is confirmed with a Return still held as the list opens.
TEST(Game, AResultThatQualifiesIsNamedThenStoredAndShownOnTheList)
{
    ModeWorld world;
    std::remove(HIGHSCORE_FILE);
    const std::string name = "Ada";
    bool rowShown = false;
    int clearedAt = -1, gameOverFrames = 0, listFrames = 0;
    size_t typed = 0;
    FrameScript script([&](int frame) {
        TumbloEngine* field = world.left;
        if (frame < BANNER_FRAMES)
            return world.clock.Advance(100);
        if (frame == BANNER_FRAMES)
            FillBottom(field, 2);
        if (clearedAt < 0 && field->GetLastPoints() != 0)
            clearedAt = frame;
        if (clearedAt < 0 || frame <= clearedAt + 2) {
            bool fresh = clearedAt >= 0 && frame <= clearedAt + 1;
            EXPECT_TRUE(FieldShows(field, FIELD_X, TEXT_X, fresh ? "2 x 20 = 40" : "")) << frame;
            // A row whenever a millisecond passes, until the rows are cleared.
            field->SetSpeed(frame == clearedAt + 2 ? -100000000 : SPEED_MAX);
            return world.clock.Advance(clearedAt < 0 || frame == clearedAt + 1 ? 1
                                       : frame == clearedAt                    ? 999
                                                                               : 100);
        }
        if (!world.log.Contains("Clock out of Bound!"))
            return world.clock.Advance(59000);
        if (world.log.Contains("Highscore called...")) {
            ++listFrames;
            rowShown = rowShown || Shows(10, 70, 600, [] {  // name, level, time and points
                           for (auto [x, text] :
                                {std::pair{10, "Ada"}, {180, "1"}, {340, "0:40"}, {540, "40"}})
                               gWhiteFont.PutString(x, 70, text);
                       });
            return world.clock.Advance(100);
        }
        const bool over = FieldShows(field, FIELD_X, TEXT_X, "Game Over");
        EXPECT_TRUE(!over || ClockShows(CLOCK_X, "0:40"));
        gameOverFrames += over;
        if (over || gameOverFrames == 0)
            return world.clock.Advance(100);
        PushKeyDown(typed < name.size() ? SDLK_a : SDLK_RETURN,
                    typed < name.size() ? name[typed] : '\r');
        HoldKey(SDLK_RETURN, typed++ >= name.size());
    });
    EXPECT_TRUE(Game());
    EXPECT_GT(clearedAt, BANNER_FRAMES);
    EXPECT_EQ(gameOverFrames, 20);
    EXPECT_TRUE(rowShown) << "the list, read from the file, shows the stored result";
    EXPECT_EQ(listFrames, 7) << "the list waits out 500 ms before a held key leaves it";
    EXPECT_EQ(world.endSounds, (std::vector<std::string>{MODE_LOSE_SOUND, MODE_HIGHSCORE_SOUND}));
    EXPECT_TRUE(world.log.InOrder(
        {"Clock out of Bound!", "Highscore called...", "User exits!", "Release Point reached!"}));
}

// The falling stones' cells (column * 100 + row) after every frame of a mode while act(frame)
// holds keys or pads: 100 ms a frame in the banner, 50 ms after; the window closes after 100.
static std::vector<int> StoneCells(bool (*run)(), const std::function<void(int frame)>& act)
{
    ModeWorld world([](TumbloEngine* left, TumbloEngine*) { left->SetNextType(2); });  // it turns
    std::vector<int> cells;
    FrameScript script([&](int frame) {
        act(frame);
        for (TumbloEngine* field : {world.left, world.right})
            for (int block = 0; field && block < STONE_BLOCKS; ++block)
                cells.push_back(field->StonePosition(block).column * 100 +
                                field->StonePosition(block).row);
        world.clock.Advance(frame < BANNER_FRAMES ? 100 : 50);
        if (frame > 100)
            PushQuit();
    });
    EXPECT_TRUE(run());
    return cells;
}

// A pad plays as its keys: any pad in the single game, pad 0 on the challenge's left and pad 1 on
// its right. Back ends the play as Escape does; A or Start leave the result as Return does.
TEST(Game, APadPlaysAsItsKeysInBothModesAndAWindowGoneAwayPausesTheGameUntilP)
{
    const Uint8 AXIS = SDL_JOYAXISMOTION, HAT = SDL_JOYHATMOTION, PUSH = SDL_JOYBUTTONDOWN;
    const std::tuple<bool (*)(), SDLKey, PadInput> rows[] = {
        // clang-format off
        {Game, SDLK_LEFT, {HAT, 0, 0, SDL_HAT_LEFT}}, {Game, SDLK_RIGHT, {AXIS, 2, 0, 20000}},
        {Game, SDLK_UP, {PUSH, 1, 0}}, {Game, SDLK_DOWN, {AXIS, 0, 1, 32767}},
        {Challenge, SDLK_a, {HAT, 0, 0, SDL_HAT_LEFT}}, {Challenge, SDLK_w, {PUSH, 0, 1}},
        {Challenge, SDLK_LEFT, {AXIS, 1, 0, -20000}}, {Challenge, SDLK_DOWN, {PUSH, 1, 12}},
        // clang-format on
    };
    enum { IDLE, KEYS, PAD };
    for (const auto& [mode, key, pad] : rows) {
        std::vector<int> played[3];
        for (const int by : {IDLE, KEYS, PAD})
            played[by] = StoneCells(mode, [&](int frame) {
                const auto hold = [&](SDLKey k, PadInput p, bool held) {
                    by == PAD ? HoldPad(p, held) : HoldKey(k, held);
                };
                hold(key, pad, by != IDLE && frame >= BANNER_FRAMES && frame < 40);
                hold(SDLK_ESCAPE, {PUSH, 1, 4}, frame == 41);
                hold(SDLK_RETURN, {PUSH, 0, pad.pad ? 6 : 0}, frame > 42);  // Start, A
            });
        EXPECT_NE(played[PAD], played[IDLE]) << key << ": the pad moves the stone";
        EXPECT_EQ(played[PAD], played[KEYS]) << key;
    }

    // Focus lost or the window minimised pause as P does and let the pads go (A held from frame 10
    // turns the stone); P or Start resume, not the window's return; the pointer leaving does nothing.
    const auto cells = [](bool p,
                          const std::vector<std::pair<Uint8, Uint8>>& events) {  // gain, state
        return StoneCells(Game, [=](int frame) {
            if (frame == 10 || (p && frame == BANNER_FRAMES))
                HoldPad({SDL_JOYBUTTONDOWN, 0, 0}, frame == 10);
            HoldKey(SDLK_p, p && (frame == BANNER_FRAMES || frame == 30));
            HoldPad({SDL_JOYBUTTONDOWN, 1, 6}, !p && frame == 30);
            for (size_t i = 0; frame == BANNER_FRAMES && i < events.size(); ++i) {
                SDL_Event event = {};
                event.active = {SDL_ACTIVEEVENT, events[i].first, events[i].second};
                SDL_PushEvent(&event);
            }
            HoldKey(SDLK_ESCAPE, frame == 45);
        });
    };
    const Uint8 INPUT = SDL_APPINPUTFOCUS, LOST = 0, WON = 1;
    const std::vector<int> byP = cells(true, {}), unpaused = cells(false, {});
    EXPECT_NE(byP, unpaused) << "P pauses";
    EXPECT_EQ(cells(false, {{LOST, INPUT}, {WON, INPUT}}), byP);
    EXPECT_EQ(cells(false, {{LOST, SDL_APPACTIVE}, {LOST, INPUT}, {WON, SDL_APPACTIVE}}), byP);
    EXPECT_EQ(cells(false, {{LOST, SDL_APPMOUSEFOCUS}}), unpaused);
}
