#ifndef KOLVO_TESTS_HIGHSCORE_SUPPORT_H
#define KOLVO_TESTS_HIGHSCORE_SUPPORT_H

#include <SDL/SDL.h>

#include <functional>
#include <string>
#include <vector>

// Starts the engine and moves into a new empty working directory (so no highscore file) holding
// its own data/grafik/font.bmp, a font whose every glyph shows its character code as a bit
// column (so equal screens mean equal texts), and data/grafik/cursor.bmp, a green bar.
void EnterFreshDirectory();
constexpr Uint32 CURSOR_GREEN = 0x00FF00;

// Runs the independent format tool with the arguments and returns what it printed.
std::string RunFormatTool(const std::string& arguments);

// Clears the screen, lets draw paint on it, and captures the rectangle.
std::vector<Uint32> Rendered(const std::function<void()>& draw, int x, int y, int w, int h);

#endif
