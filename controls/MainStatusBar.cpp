#include "controls/MainStatusBar.h"

#include "resources/resource.h"

bool MainStatusBar::Create(CWnd* parent, const RECT& rect) {
    if (!CreateEx(parent, 0, kStatusBarStyle, IDC_STATUSBAR)) return false;
    SetWindowPos(m_hWnd, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, SWP_NOZORDER);
    // Pane 1 has no string of its own, so this reports a missing text; the panes exist regardless.
    static const UINT indicators[2] = {0, 1};
    SetIndicators(indicators, 2);
    SetPaneInfo(0, 0, SBPS_STRETCH, 0);
    SetPaneInfo(1, 1, SBPS_NORMAL, kPositionPaneWidth);
    return true;
}
