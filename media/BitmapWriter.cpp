#include "media/BitmapWriter.h"

#include <cstring>
#include <new>
#include <vector>

#include "framework/Scoped.h"
#include "media/BitmapLayout.h"

namespace {
BitmapHeaderFields FieldsOf(const BITMAPINFOHEADER& header) {
    return {header.biWidth,       header.biHeight,    header.biBitCount,
            header.biCompression, header.biSizeImage, header.biClrUsed};
}

bool LayoutOfBlock(const BYTE* block, BitmapLayout* layout) {
    BITMAPINFOHEADER header;
    memcpy(&header, block, sizeof(header));
    return ComputeBitmapLayout(FieldsOf(header), layout);
}

// Up to 8 bits per pixel the pixels index a palette; above, asking for palette indices makes
// Wine return garbage pixels and masks, and there is no palette to index anyway.
UINT UsageFor(WORD bitCount) { return bitCount <= 8 ? DIB_PAL_COLORS : DIB_RGB_COLORS; }

// Each read on a fresh screen DC, released after use.
int ReadScreenBits(HBITMAP bitmap, UINT lines, void* bits, BITMAPINFO* info, UINT usage) {
    ScopedGetDC screen(nullptr);
    return GetDIBits(screen, bitmap, 0, lines, bits, info, usage);
}

void FillColorTable(UINT colors, RGBQUAD* table) {
    std::vector<PALETTEENTRY> entries;
    try {
        entries.resize(colors);  // zeroed: a short answer leaves black entries
    } catch (...) {
        return;
    }
    ScopedGetDC screen(nullptr);
    GetSystemPaletteEntries(screen, 0, colors, entries.data());
    for (UINT k = 0; k < colors; ++k)
        table[k] = {entries[k].peBlue, entries[k].peGreen, entries[k].peRed, entries[k].peFlags};
}
}  // namespace

PackedBitmap PackBitmap(HBITMAP bitmap) {
    // The header query may write three masks, or a colour table, behind the header: room for
    // the largest table keeps whatever it writes inside.
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD table[256];
    } query = {};
    query.header.biSize = sizeof(BITMAPINFOHEADER);
    // With a zero bit count no colour table comes back, so only masks depend on the usage: RGB.
    ReadScreenBits(bitmap, 0, nullptr, reinterpret_cast<BITMAPINFO*>(&query), DIB_RGB_COLORS);
    BitmapLayout layout;
    if (!ComputeBitmapLayout(FieldsOf(query.header), &layout)) return nullptr;

    PackedBitmap packed(new (std::nothrow) BYTE[layout.roomSize]);
    if (!packed) return nullptr;
    BYTE* block = packed.get();
    memset(block, 0, layout.roomSize);
    memcpy(block, &query.header, sizeof(query.header));
    UINT lines = static_cast<UINT>(query.header.biHeight < 0 ? -query.header.biHeight : query.header.biHeight);
    ReadScreenBits(bitmap, lines, block + layout.bitsOffset, reinterpret_cast<BITMAPINFO*>(block),
                   UsageFor(query.header.biBitCount));
    // The file's layout is the one the block was sized for, whatever the second call rewrote.
    BitmapLayout after;
    if (!LayoutOfBlock(block, &after) || after.bitsOffset != layout.bitsOffset || after.blockSize > layout.roomSize)
        memcpy(block, &query.header, sizeof(query.header));
    if (layout.colors > 0)
        FillColorTable(layout.colors,
                       reinterpret_cast<RGBQUAD*>(block + kBitmapInfoHeaderSize + layout.maskBytes));
    return packed;
}

bool WritePackedBitmap(const char* path, const BYTE* block) {
    BitmapLayout layout;
    if (!path || !block || !LayoutOfBlock(block, &layout)) return false;
    ScopedHandle file(CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid()) return false;
    uint8_t fileHeader[kBitmapFileHeaderSize];
    WriteBitmapFileHeader(layout, fileHeader);
    DWORD written = 0;
    bool headerOk = WriteFile(file.Get(), fileHeader, sizeof(fileHeader), &written, nullptr) != FALSE;
    bool blockOk = WriteFile(file.Get(), block, layout.blockSize, &written, nullptr) != FALSE;
    return headerOk && blockOk;
}

bool SaveBitmapFile(const char* path, HBITMAP bitmap) {
    if (!path || !bitmap) return false;
    PackedBitmap block = PackBitmap(bitmap);
    return block && WritePackedBitmap(path, block.get());
}
