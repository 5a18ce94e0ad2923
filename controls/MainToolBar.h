#pragma once
// The flat button bar: open, volume, play/pause, stop, with its own tips and status prompts.
#include "framework/CToolBar.h"
#include "framework/CToolTipCtrl.h"

#include <memory>
#include <string>

struct ToolBarHit {
    bool hit;
    int index;
    UINT id;
};

class MainToolBar : public CToolBar {
public:
    MainToolBar() = default;
    ~MainToolBar() override;

    // Creates the bar (id 1002) on the parent, sets the seven buttons and loads the image strip.
    bool Create(CWnd* parent);
    // The command button under the point (bar client coordinates, edges included); separators never hit.
    ToolBarHit HitTest(POINT point) const;
    UINT_PTR PollTimerId() const { return pollTimerId; }
    CToolTipCtrl* ToolTip() const { return toolTip.get(); }

    bool PreTranslateMessage(MSG* msg) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    static const UINT kPollTimer = 1;
    static const UINT kPollInterval = 200;
    static const UINT kControlId = 1002;

protected:
    void OnBarCreated() override;

private:
    void CreateToolTip();
    void DestroyToolTip();
    void OnMouseMove(LPARAM lParam);
    void OnTimerTick();
    void UpdatePollTimer(bool onButton);
    void SendMenuSelect(WPARAM wParam);

    std::unique_ptr<CToolTipCtrl> toolTip;
    bool toolTipsEnabled = true;
    UINT_PTR pollTimerId = 0;
};

// The button list the main window gives the bar: separator, open, volume, separator, play/pause, stop, separator.
extern const UINT kMainToolBarButtons[7];

// The tooltip part of a prompt string: what follows the first line feed, or nothing without one.
std::wstring ToolTipPart(const std::wstring& promptString);
