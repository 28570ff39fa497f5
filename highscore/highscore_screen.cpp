#include "highscore/highscore_screen.h"

// Placeholder until the screen is built: goes straight back to the menu.
bool ShowHighscore()
{
    return true;
}
