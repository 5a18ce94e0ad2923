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
    ScopedDC newDc(CreateCompatibleDC(windowDc));
    if (!newBitmap.Get() || !newDc.IsValid()) return false;
    previousBitmap = SelectObject(newDc.Get(), newBitmap.Get());
    bitmap.Reset(newBitmap.Detach());
    memoryDc.Reset(newDc.Detach());
    width = client.right;
    height = client.bottom;
    return true;
}

void BackBuffer::Release() {
    if (memoryDc.IsValid() && previousBitmap) SelectObject(memoryDc.Get(), previousBitmap);
    memoryDc.Reset(nullptr);
    bitmap.Reset(nullptr);
    previousBitmap = nullptr;
    width = 0;
    height = 0;
}
