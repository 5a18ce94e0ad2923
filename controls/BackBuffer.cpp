#include "controls/BackBuffer.h"

#include "framework/Scoped.h"

BackBuffer::~BackBuffer() { Release(); }

bool BackBuffer::Create(HWND window) {
    Release();
    RECT client = {};
    if (!window || !GetClientRect(window, &client)) return false;
    ScopedGetDC windowDc(window);
    if (!windowDc) return false;
    ScopedGdiObject newBitmap(CreateCompatibleBitmap(windowDc, client.right, client.bottom));
    HDC newDc = CreateCompatibleDC(windowDc);
    if (!newBitmap.Get() || !newDc) {
        if (newDc) DeleteDC(newDc);
        return false;
    }
    previousBitmap = SelectObject(newDc, newBitmap.Get());
    bitmap = static_cast<HBITMAP>(newBitmap.Detach());
    memoryDc = newDc;
    width = client.right;
    height = client.bottom;
    return true;
}

void BackBuffer::Release() {
    if (memoryDc) {
        if (previousBitmap) SelectObject(memoryDc, previousBitmap);
        DeleteDC(memoryDc);
    }
    if (bitmap) DeleteObject(bitmap);
    memoryDc = nullptr;
    bitmap = nullptr;
    previousBitmap = nullptr;
    width = 0;
    height = 0;
}
