// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// How well the computer plays alone: games of the playfield's own rules on a test clock, no
// window, at the challenge's starting speed, each of at most 2,000 stones, with the keys the
// computer holds handed to the playfield every 8 ms frame as in play. A playfield seeds its stones
// from the tick count at its start, so game n starts the clock at tick <first seed> + n.
//
//   computer_games [games, 20] [first seed, 1] [speed, 400] [six weights, in ComputerWeights' order]
//
// Prints each game's rows and stones and the mean of the rows; with weights, it plays with those
// instead of the game's own (how the game's own were chosen).
#include "core/frame_pacer.h"
#include "game/challenge.h"
#include "game/computer_player.h"
#include "tests/support/fake_clock.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

constexpr int GAMES_STONES = 2000;  // which can clear at most 2000 x 4 / 11 = 727 rows

struct GameResult {
    int stones;
    int rows;
    bool lost;
};

static GameResult PlayAlone(Uint32 seed, int speed, const ComputerWeights& weights)
{
    FakeClock clock(seed);
    TumbloEngine playfield;
    playfield.Init(speed);
    ComputerPlayer computer(weights);
    int stones = 0;
    bool falling = false;
    for (;;) {
        if (!playfield.Run(computer.Keys(playfield)))
            return {stones, playfield.GetLines(), true};
        const bool stone = playfield.State() & STATE_STONE;
        stones += stone && !falling;
        // The last stone has landed: one more step clears its rows, before the next can appear.
        if (falling && !stone && stones == GAMES_STONES) {
            clock.Advance(FRAME_PERIOD_MS);
            const bool lost = !playfield.Run(0);
            return {stones, playfield.GetLines(), lost};
        }
        falling = stone;
        clock.Advance(FRAME_PERIOD_MS);
    }
}

int main(int argc, char** argv)
{
    const int games = argc > 1 ? atoi(argv[1]) : 20;
    const Uint32 first = argc > 2 ? Uint32(atol(argv[2])) : 1;
    const int speed = argc > 3 ? atoi(argv[3]) : CHALLENGE_START_SPEED;
    ComputerWeights weights = COMPUTER_WEIGHTS;
    double ComputerWeights::*const fields[] = {
        &ComputerWeights::landingHeight,  &ComputerWeights::erodedCells,
        &ComputerWeights::rowTransitions, &ComputerWeights::columnTransitions,
        &ComputerWeights::holes,          &ComputerWeights::wells};
    for (int i = 4; i < argc && i < 10; ++i)
        weights.*fields[i - 4] = atof(argv[i]);
    long total = 0;
    int fewest = GAMES_STONES, lost = 0;
    for (int game = 0; game < games; ++game) {
        const GameResult result = PlayAlone(first + Uint32(game), speed, weights);
        printf("seed %u: %d rows, %d stones%s\n", first + game, result.rows, result.stones,
               result.lost ? ", topped out" : "");
        fflush(stdout);
        total += result.rows;
        fewest = std::min(fewest, result.rows);
        lost += result.lost;
    }
    printf(
        "%d games at speed %d, at most %d stones each: %.1f rows on average, fewest %d, %d "
        "topped out\n",
        games, speed, GAMES_STONES, double(total) / games, fewest, lost);
    return 0;
}
