#include "ui/input_handler.h"

InputHandler::InputHandler() : event(), savedUnicode(0), lastKey(0) {}

bool InputHandler::Init()
{
    savedUnicode = SDL_EnableUNICODE(1);
    lastKey = 0;
    return true;
}

bool InputHandler::Poll()
{
    lastKey = 0;
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT)
            return false;
        if (event.type == SDL_KEYDOWN)
            lastKey = event.key.keysym.unicode;
    }
    return true;
}

void InputHandler::GetKey(int32_t* key) const
{
    *key = lastKey;
}

void InputHandler::Release()
{
    SDL_EnableUNICODE(savedUnicode);
    lastKey = 0;
}
