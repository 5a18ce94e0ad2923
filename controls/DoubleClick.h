#pragma once
// Pairing two presses into a double click by the system's rules, for windows whose presses
// arrive without the system's own pairing.
#include <windows.h>

// A press remembered so the next one can complete a double click with it.
struct ClickRecord {
    bool pending;
    DWORD time;   // message time of the press
    POINT point;  // screen position of the press
};

// True when a press at time and point completes a double click with first: sooner than
// doubleClickTime after it and inside the double-click rectangle (size) centred on it.
bool IsSecondClick(const ClickRecord& first, DWORD time, POINT point, UINT doubleClickTime, SIZE size);
