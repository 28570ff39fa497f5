// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 Mossbrook

// How long the computer takes to choose a stone's place: every stone of a game it plays alone at
// the challenge's starting speed, as it saw each when the stone appeared, chosen one after the
// other, round and round. The counter slowest_ms is the stone that took longest, each stone timed
// by its quickest round in the processor time of the benchmark's thread: what the choice costs,
// not what a machine busy with other work adds to it now and then.
#include "core/frame_pacer.h"
#include "game/challenge.h"
#include "game/computer_player.h"
#include "tests/support/fake_clock.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <vector>

constexpr int BENCH_STONES = 1000;

static std::vector<ComputerView> SeenStones()
{
    FakeClock clock(1);
    TumbloEngine playfield;
    playfield.Init(CHALLENGE_START_SPEED);
    ComputerPlayer computer;
    std::vector<ComputerView> views;
    bool falling = false;
    while (int(views.size()) < BENCH_STONES) {
        const bool stone = playfield.State() & STATE_STONE;
        if (stone && !falling)
            views.push_back(SeePlayfield(playfield));
        falling = stone;
        if (!playfield.Run(computer.Keys(playfield)))
            break;
        clock.Advance(FRAME_PERIOD_MS);
    }
    return views;
}

static double ThreadMilliseconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

static void BM_ComputerChoosesMove(benchmark::State& state)
{
    const std::vector<ComputerView> views = SeenStones();
    std::vector<double> quickest(views.size(), 1e9);
    size_t next = 0;
    for (auto _ : state) {
        const double start = ThreadMilliseconds();
        benchmark::DoNotOptimize(ChooseMove(views[next]));
        quickest[next] = std::min(quickest[next], ThreadMilliseconds() - start);
        next = (next + 1) % views.size();
    }
    state.counters["stones"] = double(views.size());
    state.counters["slowest_ms"] = *std::max_element(quickest.begin(), quickest.end());
}
BENCHMARK(BM_ComputerChoosesMove)->Unit(benchmark::kMicrosecond);
