#include "ui/CommandRules.h"

#include "resources/resource.h"

const unsigned kCheckedCommands[10] = {ID_VIEW_TOOLBAR,  ID_VIEW_STATUSBAR, ID_VIEW_INFOPANEL, ID_VIEW_FULLSCREEN,
                                       ID_VIEW_FRAMELESS, ID_VIEW_TOPMOST,  ID_SIZE_FIT,       ID_SIZE_50,
                                       ID_SIZE_100,       ID_SIZE_200};
const unsigned kEnabledCommands[7] = {ID_VIEW_FULLSCREEN, ID_VIEW_FRAMELESS, ID_VIEW_TOPMOST, ID_PLAY_PAUSE,
                                      ID_STOP,            ID_FILE_CLOSE_CMD, ID_CAPTURE};

namespace {
// A rate command is checked only for its exact rate, and never while the video follows the window.
bool RateChecked(const CommandState& s, double rate) { return !s.fitToWindow && s.videoSizeRate == rate; }
}  // namespace

bool CommandChecked(const CommandState& s, unsigned command) {
    switch (command) {
    case ID_VIEW_TOOLBAR: return s.showToolbar;
    case ID_VIEW_STATUSBAR: return s.showStatusBar;
    case ID_VIEW_INFOPANEL: return s.showInfoPanel;
    case ID_VIEW_FULLSCREEN: return s.fullScreen;
    case ID_VIEW_FRAMELESS: return s.frameless;
    case ID_VIEW_TOPMOST: return s.topmost;
    case ID_SIZE_FIT: return s.fitToWindow;
    case ID_SIZE_50: return RateChecked(s, 0.5);
    case ID_SIZE_100: return RateChecked(s, 1.0);
    case ID_SIZE_200: return RateChecked(s, 2.0);
    default: return false;
    }
}

bool CommandEnabled(const CommandState& s, unsigned command) {
    switch (command) {
    // One mode at a time; always-on-top cannot change under full screen, which is always on top.
    case ID_VIEW_FULLSCREEN: return !s.frameless;
    case ID_VIEW_FRAMELESS:
    case ID_VIEW_TOPMOST: return !s.fullScreen;
    case ID_PLAY_PAUSE:
    case ID_STOP:
    case ID_FILE_CLOSE_CMD:
    // The playback keys, in no menu, do nothing while nothing is open.
    case ID_SEEK_BACK:
    case ID_SEEK_FORWARD:
    case ID_SEEK_BACK_LONG:
    case ID_SEEK_FORWARD_LONG:
    case ID_FRAME_NEXT:
    case ID_FRAME_PREVIOUS:
    case ID_FILE_NEXT:
    case ID_FILE_PREVIOUS: return s.open;
    case ID_CAPTURE: return s.open && s.hasVideo;
    default: return true;
    }
}

int PlayPauseImage(const CommandState& s) { return s.running ? 5 : 3; }
