#pragma once
// The screen-DC reads the bitmap writer makes, each on a fresh GetDC(NULL) released after use.
// Tests put their own reader in to play a platform's answers.
#include <windows.h>

class ScreenDibReader {
public:
    virtual ~ScreenDibReader() = default;
    // GetDIBits(screen DC, bitmap, 0, lines, bits, info, usage).
    virtual int ReadBits(HBITMAP bitmap, UINT lines, void* bits, BITMAPINFO* info, UINT usage);
    // GetSystemPaletteEntries(screen DC, 0, count, entries).
    virtual UINT ReadSystemPalette(UINT count, PALETTEENTRY* entries);
};
