#ifndef KOLVO_UI_INPUT_HANDLER_H
#define KOLVO_UI_INPUT_HANDLER_H

#include <SDL/SDL.h>

#include <cstdint>

// The event pump of the menu-style screens (menu, options, name entry): drains SDL's event queue
// once per frame, reports a request to close the window and keeps the character of the last key
// pressed in that frame.
class InputHandler {
public:
    InputHandler();
    InputHandler(const InputHandler&) = delete;
    InputHandler& operator=(const InputHandler&) = delete;

    // Switches SDL's character translation on and remembers the previous setting. Always true.
    bool Init();
    // Takes every pending event. False as soon as a quit event is met: the events behind it stay
    // queued for whoever polls next. Only the last key-down of the poll counts.
    bool Poll();
    // The character (unicode, zero-extended) of the last key-down of the latest Poll; 0 when there
    // was none, or when that key gives no character (arrows, shift).
    void GetKey(int32_t* key) const;
    // Gives SDL's character translation back its setting from before Init.
    void Release();

    SDL_Event event;  // the record every poll reads into

private:
    int32_t savedUnicode;
    int32_t lastKey;
};

#endif
