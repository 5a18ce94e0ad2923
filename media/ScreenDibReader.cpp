#include "media/ScreenDibReader.h"

#include "framework/Scoped.h"

int ScreenDibReader::ReadBits(HBITMAP bitmap, UINT lines, void* bits, BITMAPINFO* info, UINT usage) {
    ScopedGetDC screen(nullptr);
    return GetDIBits(screen, bitmap, 0, lines, bits, info, usage);
}

UINT ScreenDibReader::ReadSystemPalette(UINT count, PALETTEENTRY* entries) {
    ScopedGetDC screen(nullptr);
    return GetSystemPaletteEntries(screen, 0, count, entries);
}
