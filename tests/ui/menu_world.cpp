#include "tests/ui/menu_world.h"

#include "media/sound_stream.h"
#include "media/text_engine.h"
#include "tests/support/headless.h"
#include "tests/support/test_files.h"
#include "ui/button.h"
#include "ui/pointer.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>

static void WriteButtonPictures(const char* name, int w, int h)
{
    std::string base = std::string("data/grafik/") + name;
    WritePicture(base + ".jpg", w, h, LOOK_NORMAL);
    WritePicture(base + "_a.jpg", w, h, LOOK_HOVER);
}

void StartMenuWorld()
{
    StartHeadlessEngine();
    if (gWhiteFont.surface)
        return;
    ASSERT_EQ(unlink("data"), 0);  // the link to the game's data
    for (const char* dir : {"data", "data/grafik", "data/sound"})
        ASSERT_EQ(mkdir(dir, 0755), 0);
    WriteButtonPictures("menu_startgame", 242, 50);
    WriteButtonPictures("menu_startchallenge", 311, 58);
    WriteButtonPictures("menu_options", 163, 52);
    WriteButtonPictures("menu_info", 113, 42);
    WriteButtonPictures("menu_quit", 105, 51);
    WritePicture("data/grafik/menu_top.jpg", 300, 100, 0x0000AA);
    WritePicture("data/grafik/mouse.bmp", 12, 12, 0xFF00FF, 0xFFFFFF, 6);
    WritePicture("data/grafik/back.jpg", 90, 40, LOOK_NORMAL);
    WritePicture("data/grafik/sndon.jpg", 50, 50, LOOK_SOUND_ON);
    WritePicture("data/grafik/sndoff.jpg", 50, 50, LOOK_SOUND_OFF);
    WriteTextFile("data/sound/stonedown.wav", ReadWholeFile(KOLVO_DATA_DIR "/sound/stonedown.wav"));
    WriteFontPicture("data/grafik/font.bmp", 64, 10, {{0, 1}, {8, 1}, {16, 1}, {24, 1}});
    ASSERT_TRUE(gWhiteFont.LoadFont("data/grafik/font.bmp"));
}

static int mouseX, mouseY;
static Uint8 mouseButtons;

FakeMouse::FakeMouse()
{
    Move(0, 0), Release();
    SetMouseStateSource([](int* x, int* y) { return *x = mouseX, *y = mouseY, mouseButtons; });
}

FakeMouse::~FakeMouse() { SetMouseStateSource(nullptr); }
void FakeMouse::Move(int x, int y) { mouseX = x, mouseY = y; }
void FakeMouse::Hold(Uint8 sdlMask) { mouseButtons = sdlMask; }

static HoverSounds* hoverSounds = nullptr;

HoverSounds::HoverSounds()
{
    hoverSounds = this;
    SetHoverSoundPlay([](SoundStream&) { return ++hoverSounds->plays, true; });
}

HoverSounds::~HoverSounds()
{
    SetHoverSoundPlay(nullptr);
    hoverSounds = nullptr;
}
