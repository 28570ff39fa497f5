// The menu inside the outer loop: a user visits screens and comes back, then leaves.
#include "app/program.h"

#include "tests/support/fake_clock.h"
#include "tests/support/headless.h"
#include "tests/support/log_sink.h"
#include "tests/ui/menu_world.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct Spot {
    int x, y;
};
static const Spot OPTIONS_BUTTON = {100, 280}, INFO_BUTTON = {100, 330}, QUIT_BUTTON = {100, 370};

// Clicks the given buttons, one per menu visit, and leaves every other screen with a key. Knows
// which screen shows by the last line in log.
static void VisitInTurn(const std::vector<Spot>& clicks, LogSink& log)
{
    FakeClock clock;
    FakeMouse mouse;
    size_t next = 0;
    FrameScript script([&](int frame) {
        const std::string& last = log.lines.back().text;
        mouse.Release();
        if (last == "Menue Called!" && next < clicks.size())  // the "Loading..." frame
            mouse.Click(clicks[next].x, clicks[next].y), ++next;
        else if (last == "Data loaded!" || last == "Logo loaded!")
            PushKeyDown(SDLK_x, 'x');
        if (frame == 100)
            PushQuit();
    });
    RunOuterLoop();
}

TEST(OuterLoop, EveryVisitOfAScreenLogsItsOwnStartLine)
{
    StartMenuWorld();
    DrainEvents();
    LogSink log;
    VisitInTurn({OPTIONS_BUTTON, OPTIONS_BUTTON, INFO_BUTTON, QUIT_BUTTON}, log);
    EXPECT_EQ(log.Count("StartOptions"), 2);
    EXPECT_EQ(log.Count("Menue Called!"), 4);
    EXPECT_TRUE(log.InOrder({"StartOptions", "Return true", "Menue Called!", "StartOptions", "Return true",
                             "Menue Called!", "StartInfo", "user exits!", "Menue Called!", "User chose Exit!",
                             "Outer Mainloop finished, Goodbye!"}))
        << log.All();
}
