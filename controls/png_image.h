// PNG pictures with per-pixel transparency: loading from the program's Res folder and drawing.
#pragma once

#include <windows.h>

#include "controls/png_decode.h"
#include "controls/png_pixels.h"

// Loads "<ModuleDirectory>\Res\<fileName>"; null when it is missing or not a 32-bit PNG.
PngImage* LoadResImage(const char* fileName);

// Blends the cx x cy region of `image` at (srcX, srcY) onto `hdc` at (x, y). The region is cut at the
// image's right and bottom edges; nothing is drawn for an empty region, a null image or a negative
// source offset.
void DrawPngImage(HDC hdc, int x, int y, int cx, int cy, const PngImage* image, int srcX, int srcY);
