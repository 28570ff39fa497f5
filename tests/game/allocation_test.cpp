#include "tests/game/playfield_fixture.h"

#include <cstdlib>
#include <new>

// The whole test program allocates through these; they count only while a test asks them to.
static bool counting = false;
static int allocations = 0;
static bool onlyBlocks = true;

static void* Allocate(std::size_t size)
{
    if (counting) {
        ++allocations;
        onlyBlocks = onlyBlocks && size == sizeof(Block);
    }
    return std::malloc(size ? size : 1);
}

void* operator new(std::size_t size)
{
    if (void* memory = Allocate(size))
        return memory;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete[](void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
void operator delete[](void* memory, std::size_t) noexcept { std::free(memory); }

TEST_F(PlayfieldTest, RunAllocatesOnlyTheFourBlocksOfEachNewStone)
{
    engine.SetSpeed(900);
    srand(7);
    int spawns = 0;
    for (int call = 0; call < 200000 && !engine.IsGameOver(); ++call) {
        const bool falling = engine.State() & STATE_STONE;
        const Uint32 keys = Uint32(rand()) & (KEY_LEFT | KEY_RIGHT | KEY_ROTATE | KEY_DOWN);
        clock.Advance(Uint32(rand() % 40));
        counting = true;
        engine.Run(keys);
        counting = false;
        spawns += !falling && (engine.State() & STATE_STONE);
    }
    EXPECT_TRUE(engine.IsGameOver()) << "a game played to its end";
    EXPECT_GT(spawns, 10);
    // The spawn that ends the game allocates up to four blocks before it finds a cell taken.
    EXPECT_GE(allocations, 4 * spawns);
    EXPECT_LE(allocations, 4 * spawns + STONE_BLOCKS);
    EXPECT_TRUE(onlyBlocks);
}
