#ifndef KOLVO_TESTS_GAME_MODE_WORLD_H
#define KOLVO_TESTS_GAME_MODE_WORLD_H

#include "game/tumblo_engine.h"
#include "tests/support/fake_clock.h"
#include "tests/support/log_sink.h"

#include <functional>
#include <string>
#include <vector>

// A game mode run whole in this process: fake time, the log, and what the mode reports about
// itself, its playfields (right stays null in the single game) and the end sounds it starts.
struct ModeWorld {
    using Arrange = std::function<void(TumbloEngine* left, TumbloEngine* right)>;
    explicit ModeWorld(Arrange arrange = nullptr);
    ~ModeWorld();

    FakeClock clock;
    LogSink log;
    TumbloEngine* left = nullptr;
    TumbloEngine* right = nullptr;
    std::vector<std::string> endSounds;
};

// Settles blocks into every free cell of rows first to last.
void FillRows(TumbloEngine* field, int first, int last);
// Fills every free cell but the outer columns: no row is full, and the stone, which falls down the
// middle, cannot move any more.
void Bury(TumbloEngine* field);
int StoneRow(const TumbloEngine* field);  // the row of the falling stone's pivot block

// Whether the w x 20 pixels at (x, y) look as drawing on black would make them.
bool Shows(int x, int y, int w, const std::function<void()>& draw);
// An orange text at (textX, 200) over the playfield drawn at (fieldX, 10); "" for none.
bool FieldShows(TumbloEngine* field, int fieldX, int textX, const char* text);
// A white text in the 80 pixels from (x, 10), where the clock stands.
bool ClockShows(int x, const char* text);

#endif
