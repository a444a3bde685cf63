// Drawing the font bitmap with GDI: every one-byte code and both kanji passes, in one font.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

// Draws the codes into a 2048 x 2048 one-bit bitmap in the font as the font dialog described
// it (in the Japanese character set), black on white, unclipped and unscaled, and copies its bits (rows top to bottom) into
// topDownBits. progress(text) comes before each pass. False when the bitmap, the drawing
// surface or the font could not be made.
bool RenderFontBitmap(HWND window, const LOGFONTW& font, const std::function<void(const char*)>& progress,
                      std::vector<std::uint8_t>& topDownBits);
