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
    // The bar neither moves nor sizes itself: its owner places it.
    bool CreateEx(CWnd* parent, DWORD controlStyle, DWORD style, UINT id);
    // One pane per id, with the string resource of that id as its text (id 0 has none); false when a
    // nonzero id has no string. The panes exist even then.
    bool SetIndicators(const UINT* ids, int count);
    // Widths are in pixels, the width of the pane's own rectangle; a stretch pane gets at least its
    // width, and more when the bar has room.
    void SetPaneInfo(int index, UINT id, UINT style, int width);
    int PaneCount() const { return static_cast<int>(panes.size()); }
    int CommandToIndex(UINT id) const;
    // update: repaint the pane at once rather than with the next paint.
    bool SetPaneText(int index, const wchar_t* text, bool update = true);
    // The pane's rectangle in the bar's client coordinates, as the control lays it out.

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
    void SendPaneText(int index);
    int TextWidth(const std::wstring& text) const;
    std::vector<Pane> panes;
};
