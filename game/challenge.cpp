#include "game/challenge.h"

// Placeholder until the screen is built: goes straight back to the menu.
bool Challenge()
{
    return true;
}
