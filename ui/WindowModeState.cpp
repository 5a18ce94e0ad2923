#include "ui/WindowModeState.h"

#include "ui/WindowLayout.h"

ModeChange WindowModeState::ChangeFor(int requested) const {
    if (Any()) return ModeChangeLeave;
    if (requested != ModeFullScreen && requested != ModeFrameless) return ModeChangeNone;
    return ModeChangeEnter;
}

void WindowModeState::Enter(int requested, const ModeSnapshot& saved) {
    fullScreen = requested == ModeFullScreen ? 1 : 0;
    frameless = requested == ModeFrameless ? 1 : 0;
    snapshot = saved;
}

bool WindowModeState::LeaveRect(const RECT& current, bool hasHost, RECT* target) const {
    if (frameless && hasHost) {
        *target = RebuildFrameRect(current, snapshot.savedWindowRect, snapshot.savedVideoRect);
        return true;
    }
    *target = snapshot.savedNormalRect;
    return false;
}

void WindowModeState::Leave() {
    fullScreen = 0;
    frameless = 0;
}
