#include "ui/info_screen.h"

// Placeholder until the screen is built: goes straight back to the menu.
bool InfoScreen()
{
    return true;
}
