#pragma once
// Writing a screen-compatible bitmap to a .bmp file at the display's colour depth.
#include <windows.h>

#include <memory>

using PackedBitmap = std::unique_ptr<BYTE[]>;

// Writes bitmap to path, replacing any file there; false when either is missing or a step fails.
bool SaveBitmapFile(const char* path, HBITMAP bitmap);

// The bitmap as one block: its BITMAPINFOHEADER as the platform reports it, the three masks
// when that header says BI_BITFIELDS, the colour table (the system palette) and the pixels.
// Null when the depth is not 1, 4, 8, 16, 24 or 32.
PackedBitmap PackBitmap(HBITMAP bitmap);

// A 14-byte file header, then the block; true when both writes succeed.
bool WritePackedBitmap(const char* path, const BYTE* block);
