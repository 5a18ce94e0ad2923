#pragma once
// The main window's status bar: pane 0 stretches for texts and prompts, pane 1 holds the position.
#include "framework/CStatusBar.h"

const UINT kStatusBarStyle = 0x50008200;  // WS_CHILD | WS_VISIBLE | CBRS_BOTTOM
const int kPositionPaneWidth = 137;

class MainStatusBar : public CStatusBar {
public:
    MainStatusBar() = default;
    ~MainStatusBar() override = default;

    // Creates the bar (id 1004) on rect with its two panes: 0 stretching, 1 for the position text.
    bool Create(CWnd* parent, const RECT& rect);
};
