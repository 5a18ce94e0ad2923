#pragma once
// An off-screen bitmap of a window's client size, so a control paints in one copy.
#include <windows.h>

#include "framework/Scoped.h"

class BackBuffer {
public:
    BackBuffer() = default;
    virtual ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    bool Create(HWND window);
    void Release();
    HDC Context() const { return memoryDc.Get(); }
    int Width() const { return width; }
    int Height() const { return height; }

private:
    // The bitmap goes after the context it is selected into (members go in reverse order).
    ScopedGdiObject bitmap{nullptr};
    ScopedDC memoryDc;
    HGDIOBJ previousBitmap = nullptr;
    int width = 0;
    int height = 0;
};
