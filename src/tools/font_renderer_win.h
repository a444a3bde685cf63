// Drawing the font bitmap with GDI: every one-byte code and both kanji passes in the chosen face,
// and what it lacks in the system's Japanese one.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "common/exact_text.h"

// What the drawing took from the system's Japanese face for the codes the chosen face lacks.
struct FallbackUse {
    int drawn = 0;   // codes drawn, all told
    int codes = 0;   // of which from the Japanese face
    ExactText face;  // its name; empty when it drew nothing
};

// Draws the codes into a 2048 x 2048 one-bit bitmap in the font as described, black on white,
// unclipped and unscaled, each code the chosen face lacks in the system's Japanese face of the
// same size, and copies the bits (rows top to bottom) into topDownBits. progress(text) comes
// before each pass. False when the bitmap, the drawing surface or a font could not be made.
bool RenderFontBitmap(HWND window, const LOGFONTW& font, const std::function<void(const char*)>& progress,
                      std::vector<std::uint8_t>& topDownBits, FallbackUse& fallback);
