#ifndef KOLVO_TESTS_TEST_FILES_H
#define KOLVO_TESTS_TEST_FILES_H

#include <SDL/SDL.h>

#include <string>
#include <utility>
#include <vector>

// Files that tests make in the working directory. Paths returned are relative to it.
std::string WriteTextFile(const std::string& name, const std::string& contents);
std::string ReadWholeFile(const std::string& name);

// A 24-bit picture of w x h pixels filled with colour (0xRRGGBB); optional square of another
// colour at its top-left corner, side pixels wide.
std::string WritePicture(const std::string& name, int w, int h, Uint32 colour, Uint32 squareColour = 0,
                         int side = 0);

// A font picture: its marker row holds the given marker runs (first pixel, length); every glyph
// pixel of rows 1 and below is glyphColour, the rest background (black, which becomes transparent).
struct FontRun {
    int start;
    int length;
};
std::string WriteFontPicture(const std::string& name, int width, int height,
                             const std::vector<FontRun>& runs, Uint32 glyphColour = 0xFFFFFF);

#endif
