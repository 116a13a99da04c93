// Reading PNG files into PngImage records with libpng.
#pragma once

#include <cstdio>

#include "controls/png_pixels.h"

// Longest side, in pixels, of a picture the loader accepts; a larger header is treated as damage.
constexpr unsigned kMaxPngSide = 2048;

// Reads the PNG file at `path` (narrow text). Only 32 bits a pixel after expansion are accepted:
// 8-bit RGBA, or a palette or 8-bit RGB picture with a transparency chunk. Null for a missing,
// damaged or other file.
PngImage* LoadPngImage(const char* path);

// As LoadPngImage, from a stream opened for binary reading; the stream is closed in every case.
PngImage* ReadPngStream(FILE* file);

// Frees an image and its rows; the program itself keeps its pictures until it ends.
void FreePngImage(PngImage* image);
