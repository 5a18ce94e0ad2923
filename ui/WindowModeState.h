#pragma once
// Full-screen and frameless modes as plain state: which one is on, what entering saved, and the
// rules for entering and leaving. The main window makes the platform calls around them.
#include "framework/PlainTypes.h"

enum WindowMode { ModeFullScreen = 0, ModeFrameless = 1 };

struct BarFlags {
    int toolbar;
    int seekSlider;
    int statusBar;
    int infoPanel;
};

// What entering a mode saved, to be restored on leaving.
struct ModeSnapshot {
    BarFlags savedBars;
    RECT savedNormalRect;  // the window placement's normal rectangle, workspace coordinates
    RECT savedWindowRect;  // screen coordinates
    RECT savedVideoRect;   // screen coordinates; left empty without a video host
};

enum ModeChange { ModeChangeNone, ModeChangeEnter, ModeChangeLeave };

class WindowModeState {
public:
    // 0/1; never both 1.
    int FullScreen() const { return fullScreen; }
    int Frameless() const { return frameless; }
    bool Any() const { return fullScreen || frameless; }

    // Any request leaves the mode that is on, whatever it asks for; only a known mode is entered
    // (entering with neither flag set would strip the frame with no way back).
    ModeChange ChangeFor(int requested) const;
    // Sets the requested mode's flag and keeps what leaving gives back.
    void Enter(int requested, const ModeSnapshot& saved);
    // Full screen is always on top; frameless only when the user asked for it.
    bool EnterOnTop(int topmost) const { return fullScreen || topmost; }
    // Where leaving puts the frame. A frameless window with a video host is rebuilt around wherever
    // the user dragged it (true, screen coordinates); otherwise the normal rectangle saved on entry
    // (false, workspace coordinates).
    bool LeaveRect(const RECT& current, bool hasHost, RECT* target) const;
    const BarFlags& SavedBars() const { return snapshot.savedBars; }
    const RECT& SavedWindowRect() const { return snapshot.savedWindowRect; }
    // Clears both flags.
    void Leave();

private:
    int fullScreen = 0;
    int frameless = 0;
    ModeSnapshot snapshot = {};
};
