#include "ui/options_screen.h"

// Placeholder until the screen is built: goes straight back to the menu.
bool OptionsScreen()
{
    return true;
}
