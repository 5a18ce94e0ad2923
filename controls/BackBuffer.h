#pragma once
// An off-screen bitmap of a window's client size, so a control paints in one copy.
#include <windows.h>

class BackBuffer {
public:
    BackBuffer() = default;
    virtual ~BackBuffer();
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    bool Create(HWND window);
    void Release();
    HDC Context() const { return memoryDc; }
    int Width() const { return width; }
    int Height() const { return height; }

private:
    HDC memoryDc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    int width = 0;
    int height = 0;
};
