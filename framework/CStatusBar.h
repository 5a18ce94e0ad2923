#pragma once
// The platform status bar with panes that have ids, styles and widths; one pane may stretch.
#include <string>
#include <vector>

#include "framework/CWnd.h"
#include "framework/ControlBar.h"

class CStatusBar : public CWnd {
public:
    CStatusBar() = default;
    ~CStatusBar() override = default;

    // style carries WS_* bits and CBRS_* bar bits; a size grip is added when the parent has a sizing frame.
    bool CreateEx(CWnd* parent, DWORD controlStyle, DWORD style, UINT id);
    bool SetIndicators(const UINT* ids, int count);
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    void GetPaneInfo(int index, UINT& id, UINT& style, int& width) const;
    int PaneCount() const { return static_cast<int>(panes.size()); }
    bool SetPaneText(int index, const wchar_t* text, bool update = true);
    // The text the pane holds now (empty for a missing pane).
    std::wstring GetPaneText(int index) const;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Pane {
        UINT id;
        UINT style;
        int width;
        std::wstring text;
    };
    // Recomputes the platform's part edges from the panes (the stretch pane takes what is left).
    void UpdateParts();
    std::vector<Pane> panes;
};
