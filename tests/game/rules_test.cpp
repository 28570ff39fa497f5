#include "tests/game/playfield_fixture.h"

#include "media/sound_stream.h"
#include "media/sprite.h"

#include <cstdlib>
#include <new>

TEST(TumbloEngine, SpeedsUpToOneThousandAreTakenOnlyByInitAndByARunningGame)
{
    FakeClock clock;
    TumbloEngine engine;
    Sprite picture;
    engine.SetSpeed(500);
    EXPECT_EQ(engine.FallInterval(), 0u) << "no game runs before Init";
    engine.SetGraphic(-1, &picture);
    EXPECT_FALSE(engine.Run(0) || engine.Init(1001));
    EXPECT_EQ(engine.State(), 0);
    ASSERT_TRUE(engine.Init(400));
    EXPECT_EQ(engine.FallInterval(), 600u);
    EXPECT_EQ(engine.GetGraphic(-1), nullptr) << "Init empties the slots";
    ASSERT_TRUE(engine.Run(0));  // the first stone comes at once
    EXPECT_FALSE(engine.Init(100));
    EXPECT_EQ(engine.State(), STATE_RUNNING | STATE_STONE) << "the first game goes on at speed 400";
    engine.SetSpeed(1001);
    EXPECT_EQ(engine.GetSpeed(), 400);
    engine.SetSpeed(1000);
    EXPECT_EQ(engine.FallInterval(), 0u);
    engine.Reset();
    ASSERT_TRUE(engine.Init(-200));
    EXPECT_EQ(engine.FallInterval(), 1200u);
}

TEST_F(PlayfieldTest, FourRowsScore160WithOneClearSoundOnTheClearingCallOnly)
{
    SoundStream landed, cleared;
    engine.SetSound(SOUND_STONE_DOWN, &landed);
    engine.SetSound(SOUND_ROWS_CLEARED, &cleared);
    Build({"XXXXXXXXXX.", "XXXXXXXXXX.", "OOOOOOOOOO.", "XXXXXXXXXX."});
    StopFalling();
    Spawn(1);
    Fall(1);
    Press(KEY_ROTATE);  // upright in column 4
    for (int press = 0; press < 6; ++press)
        Press(KEY_RIGHT);
    FallUntilLanded();
    EXPECT_EQ(engine.SoundPlays(SOUND_STONE_DOWN), 1);
    const auto counters = [&] {
        return std::vector{engine.GetLastLines(), engine.GetLastPoints(), engine.GetLines(), engine.GetScore(),
                           engine.SoundPlays(SOUND_ROWS_CLEARED)};
    };
    EXPECT_EQ(counters(), (std::vector{0, 0, 0, 0, 0})) << "the landing call clears nothing";
    Fall(1);
    EXPECT_EQ(counters(), (std::vector{4, 160, 4, 160, 1}));
    EXPECT_EQ(Rows(17), Picture(4, "..........."));
    Fall(1);
    EXPECT_EQ(counters(), (std::vector{0, 0, 4, 160, 1}));
}

TEST_F(PlayfieldTest, RowsClearedApartMoveEachRowAboveByTheRowsBelowIt)
{
    Build({"X..........", "XX.........", "XXXXXXXXXXX", "..X.X......", "XXOXXXXXXXX", "...X......."});
    ASSERT_TRUE(engine.Run(0));
    EXPECT_EQ(engine.GetLastPoints(), 40);
    EXPECT_EQ(Rows(15), (Picture{"...........", "...........", "X..........", "XX.........", "..X.X......",
                                 "...X......."}));
}

TEST_F(PlayfieldTest, TheNextStoneWaitsTwoIntervalsAfterTheLanding)
{
    Spawn(0);
    FallUntilLanded();
    engine.SetSpeed(400);
    clock.Advance(1200);
    engine.Run(0);
    EXPECT_FALSE(engine.State() & STATE_STONE);
    clock.Advance(1);
    engine.Run(0);
    EXPECT_TRUE(engine.State() & STATE_STONE);
}

TEST_F(PlayfieldTest, ABlockInRowZeroOrASpawnOntoABlockEndsTheGameUntilTheNextInit)
{
    Spawn(0);
    engine.PlaceBlock(4, 2, 0);  // right below the square
    FallUntilLanded();
    EXPECT_FALSE(engine.Run(0));
    EXPECT_EQ(engine.State(), STATE_GAME_OVER);
    clock.Advance(100000);
    EXPECT_FALSE(engine.Run(KEY_DOWN));
    ASSERT_TRUE(engine.Init(400));
    EXPECT_TRUE(engine.Run(0));
    EXPECT_EQ(Rows(2), Picture(19, "..........."));

    // A stone spawned onto a block ends the game too; its blocks placed before stay.
    engine.Reset();
    ASSERT_TRUE(engine.Init(400));
    engine.PlaceBlock(4, 1, 1);
    engine.SetNextType(0);
    EXPECT_FALSE(engine.Run(0));
    EXPECT_TRUE(engine.IsGameOver());
    EXPECT_EQ(Rows(0)[0], "....XX.....");
}

// Every allocation of this test program passes here (the library's other forms call these); a
// test turns the count on around the calls it watches.
static bool counting = false;
static int allocations = 0, otherSizes = 0;

void* operator new(std::size_t size)
{
    allocations += counting;
    otherSizes += counting && size != sizeof(Block);
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
// The non-throwing form too, so that nothing this program allocates comes from another allocator
// than the one its delete hands memory back to (a sanitizer's would be).
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    allocations += counting;
    otherSizes += counting && size != sizeof(Block);
    return std::malloc(size ? size : 1);
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

TEST_F(PlayfieldTest, RunAllocatesOnlyTheFourBlocksOfEachNewStone)
{
    engine.SetSpeed(900);
    srand(7);
    int spawns = 0;
    for (int call = 0; call < 200000 && !engine.IsGameOver(); ++call) {
        const bool falling = engine.State() & STATE_STONE;
        clock.Advance(Uint32(rand() % 40));
        counting = true;
        engine.Run(Uint32(rand()) & (KEY_LEFT | KEY_RIGHT | KEY_ROTATE | KEY_DOWN));
        counting = false;
        spawns += !falling && (engine.State() & STATE_STONE);
    }
    EXPECT_GT(spawns, 10);
    EXPECT_EQ(otherSizes, 0);
    // The spawn that ends the game allocates up to four blocks before it finds a cell taken.
    EXPECT_GE(allocations, 4 * spawns);
    EXPECT_LE(allocations, 4 * spawns + 4);
}
