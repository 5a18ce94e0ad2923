#pragma once
// The main window's status bar: pane 0 stretches for texts and prompts, pane 1 holds the position.
#include "framework/CStatusBar.h"

class MainStatusBar : public CStatusBar {
public:
    MainStatusBar() = default;
    ~MainStatusBar() override = default;

    bool PreTranslateMessage(MSG* msg) override { return CStatusBar::PreTranslateMessage(msg); }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void OnAfterPaint() {}
};
