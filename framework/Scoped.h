#pragma once
// Tiny owners for platform resources, so every path gives back what it obtained.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

// Holds one COM reference; releases it when replaced or destroyed.
template <class T>
class ScopedCom {
public:
    ScopedCom() = default;
    explicit ScopedCom(T* p) : ptr(p) {}
    ~ScopedCom() { Release(); }
    ScopedCom(const ScopedCom&) = delete;
    ScopedCom& operator=(const ScopedCom&) = delete;

    void Release() {
        if (ptr) {
            T* p = ptr;
            ptr = nullptr;
            p->Release();
        }
    }
    T** Out() {
        Release();
        return &ptr;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }
    T* Detach() {
        T* p = ptr;
        ptr = nullptr;
        return p;
    }
    T* Get() const { return ptr; }
    T* operator->() const { return ptr; }
    explicit operator bool() const { return ptr != nullptr; }

private:
    T* ptr = nullptr;
};

// Deletes a GDI object (brush, pen, bitmap, font) it owns.
class ScopedGdiObject {
public:
    explicit ScopedGdiObject(HGDIOBJ o) : obj(o) {}
    ~ScopedGdiObject() {
        if (obj) DeleteObject(obj);
    }
    ScopedGdiObject(const ScopedGdiObject&) = delete;
    ScopedGdiObject& operator=(const ScopedGdiObject&) = delete;
    HGDIOBJ Get() const { return obj; }
    HBRUSH Brush() const { return static_cast<HBRUSH>(obj); }
    HBITMAP Bitmap() const { return static_cast<HBITMAP>(obj); }
    HGDIOBJ Detach() {
        HGDIOBJ o = obj;
        obj = nullptr;
        return o;
    }
    void Reset(HGDIOBJ o) {
        if (obj) DeleteObject(obj);
        obj = o;
    }

private:
    HGDIOBJ obj;
};

// Selects an object into a DC and puts the previous one back.
class ScopedSelect {
public:
    ScopedSelect(HDC dc, HGDIOBJ obj) : hdc(dc), previous(dc && obj ? SelectObject(dc, obj) : nullptr) {}
    ~ScopedSelect() {
        if (hdc && previous) SelectObject(hdc, previous);
    }
    ScopedSelect(const ScopedSelect&) = delete;
    ScopedSelect& operator=(const ScopedSelect&) = delete;

private:
    HDC hdc;
    HGDIOBJ previous;
};

// GetDC / ReleaseDC for a window (or the screen when hwnd is null).
class ScopedGetDC {
public:
    explicit ScopedGetDC(HWND w) : hwnd(w), hdc(GetDC(w)) {}
    ~ScopedGetDC() {
        if (hdc) ReleaseDC(hwnd, hdc);
    }
    ScopedGetDC(const ScopedGetDC&) = delete;
    ScopedGetDC& operator=(const ScopedGetDC&) = delete;
    operator HDC() const { return hdc; }

private:
    HWND hwnd;
    HDC hdc;
};

// A handle that goes back through Close on scope exit; null and INVALID_HANDLE_VALUE count as none.
template <class H, BOOL(WINAPI* Close)(H)>
class ScopedHandleOf {
public:
    explicit ScopedHandleOf(H h = nullptr) : handle(h) {}
    ~ScopedHandleOf() { Reset(nullptr); }
    ScopedHandleOf(const ScopedHandleOf&) = delete;
    ScopedHandleOf& operator=(const ScopedHandleOf&) = delete;
    bool IsValid() const { return handle && handle != reinterpret_cast<H>(INVALID_HANDLE_VALUE); }
    H Get() const { return handle; }
    void Reset(H h) {
        if (IsValid()) Close(handle);
        handle = h;
    }
    H Detach() {
        H h = handle;
        handle = nullptr;
        return h;
    }

private:
    H handle;
};

// A kernel object handle (file, event, thread).
using ScopedHandle = ScopedHandleOf<HANDLE, CloseHandle>;
// FindFirstFile's search handle.
using ScopedFind = ScopedHandleOf<HANDLE, FindClose>;
// A memory DC from CreateCompatibleDC.
using ScopedDC = ScopedHandleOf<HDC, DeleteDC>;
// A module from LoadLibrary.
using ScopedModule = ScopedHandleOf<HMODULE, FreeLibrary>;
// An icon the shell made for us (SHGetFileInfo hands out a fresh one each time).
using ScopedIcon = ScopedHandleOf<HICON, DestroyIcon>;

// An open registry key; the predefined root keys are never closed.
class ScopedRegKey {
public:
    ScopedRegKey() = default;
    ~ScopedRegKey() { Reset(); }
    ScopedRegKey(const ScopedRegKey&) = delete;
    ScopedRegKey& operator=(const ScopedRegKey&) = delete;
    HKEY Get() const { return key; }
    HKEY* Out() {
        Reset();
        return &key;
    }
    void Reset() {
        if (key) RegCloseKey(key);
        key = nullptr;
    }
    explicit operator bool() const { return key != nullptr; }

private:
    HKEY key = nullptr;
};

// A menu that was loaded and is not attached to a window.
class ScopedMenu {
public:
    explicit ScopedMenu(HMENU m) : menu(m) {}
    ~ScopedMenu() {
        if (menu) DestroyMenu(menu);
    }
    ScopedMenu(const ScopedMenu&) = delete;
    ScopedMenu& operator=(const ScopedMenu&) = delete;
    HMENU Get() const { return menu; }

private:
    HMENU menu;
};

// CoInitialize balanced by CoUninitialize, whatever the first call returned.
class ScopedComInit {
public:
    ScopedComInit() { CoInitialize(nullptr); }
    ~ScopedComInit() { CoUninitialize(); }
    ScopedComInit(const ScopedComInit&) = delete;
    ScopedComInit& operator=(const ScopedComInit&) = delete;
};

// A BSTR from SysAllocString.
class ScopedBstr {
public:
    explicit ScopedBstr(BSTR s) : text(s) {}
    ~ScopedBstr() { SysFreeString(text); }
    ScopedBstr(const ScopedBstr&) = delete;
    ScopedBstr& operator=(const ScopedBstr&) = delete;
    BSTR Get() const { return text; }

private:
    BSTR text;
};
