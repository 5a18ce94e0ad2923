#pragma once
// The flat button bar: open, volume, play/pause, stop, with its own tips and status prompts.
#include "framework/CToolBar.h"
#include "framework/CToolTipCtrl.h"

struct ToolBarHit {
    bool hit;
    int index;
    UINT id;
};

class MainToolBar : public CToolBar {
public:
    MainToolBar() = default;
    ~MainToolBar() override;

    ToolBarHit HitTest(POINT point) const;
    UINT_PTR PollTimerId() const { return pollTimerId; }
    CToolTipCtrl* ToolTip() const { return toolTip; }

    bool PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateToolTip();
    void UpdatePollTimer(bool onButton);

    CToolTipCtrl* toolTip = nullptr;
    bool toolTipsEnabled = true;
    UINT_PTR pollTimerId = 0;
};

// The button list the main window gives the bar: separator, open, volume, separator, play/pause, stop, separator.
extern const UINT kMainToolBarButtons[7];
