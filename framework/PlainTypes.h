#pragma once
// Rectangles, points and bytes for the platform-free units. On Windows they are the platform's own;
// elsewhere (the native fuzzing build) plain twins of the same layout stand in, so those units
// compile without the Windows headers.
#ifdef _WIN32
#include <windows.h>
#else
#include <cstdint>

// LONG is 32 bits on Windows even where long is 64, and the arithmetic must overflow alike.
typedef int32_t LONG;
typedef uint8_t BYTE;

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct POINT {
    LONG x;
    LONG y;
};

// The edge codes of WM_SIZING.
const int WMSZ_LEFT = 1;
const int WMSZ_RIGHT = 2;
const int WMSZ_TOP = 3;
const int WMSZ_TOPLEFT = 4;
const int WMSZ_TOPRIGHT = 5;
const int WMSZ_BOTTOM = 6;
const int WMSZ_BOTTOMLEFT = 7;
const int WMSZ_BOTTOMRIGHT = 8;
#endif
