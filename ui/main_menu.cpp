#include "ui/main_menu.h"

#include "app/frame.h"
#include "app/globals.h"
#include "app/program.h"

// Placeholder until the menu is built: shows the loading frame and chooses exit.
int RunMainMenu()
{
    SDL_FillRect(gEngine.screen, nullptr, 0);
    gWhiteFont.PutString(250, 200, "Loading...");
    FlipScreen(gEngine.screen);
    return MENU_EXIT;
}
