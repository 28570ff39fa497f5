#ifndef KOLVO_TESTS_HEADLESS_H
#define KOLVO_TESTS_HEADLESS_H

#include "tests/support/scripted_input.h"

#include <SDL/SDL.h>

#include <functional>
#include <string>
#include <vector>

// Starts the process-wide engine once per test program: SDL's dummy video, a 640 x 480 32-bit
// screen, and a fresh temporary directory as the working directory, holding the log and a link
// "data" to the generated game data. Later calls do nothing.
void StartHeadlessEngine();

// StartHeadlessEngine, then both process-wide fonts from the game data.
void StartHeadlessGame();

std::string TestDirectory();  // the working directory the engine was started in

// The colour of the screen pixel at (x, y) as 0xRRGGBB, and of every one inside a rectangle.
Uint32 ScreenPixel(int x, int y);
std::vector<Uint32> CaptureScreen(int x, int y, int w, int h);

// Runs a step after every flip of the screen while it lives: the frame number (0 for the first
// flip) lets a test script keys, events and time frame by frame.
class FrameScript {
public:
    explicit FrameScript(std::function<void(int frame)> step);
    ~FrameScript();
    FrameScript(const FrameScript&) = delete;
    FrameScript& operator=(const FrameScript&) = delete;
    int Frames() const { return frames; }

private:
    std::function<void(int)> step;
    int frames = 0;
};


#endif
