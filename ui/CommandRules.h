#pragma once
// Which commands the main window's menus and toolbar show checked or greyed, as plain rules of a
// small state record: no window is needed to decide them.

struct CommandState {
    bool open;      // a file is open
    bool hasVideo;  // ... and it has a picture
    bool running;   // the session reports playing
    bool showToolbar;
    bool showStatusBar;
    bool showInfoPanel;
    bool fullScreen;
    bool frameless;
    bool topmost;
    bool fitToWindow;
    double videoSizeRate;
};

// The commands that carry a check mark, and those that may be greyed, in the order they are set.
extern const unsigned kCheckedCommands[10];
extern const unsigned kEnabledCommands[7];

// For a command of kCheckedCommands: whether it shows its check mark.
bool CommandChecked(const CommandState& s, unsigned command);
// Whether a command can be chosen: a command of kEnabledCommands is greyed when not, a playback
// key (in no menu) ignored; every other command always can.
bool CommandEnabled(const CommandState& s, unsigned command);
// The toolbar image of the play/pause button: pause while playing, play otherwise.
int PlayPauseImage(const CommandState& s);
