#include "framework/CStatusBar.h"

#include <windows.h>
#include <commctrl.h>

#include "framework/ResourceString.h"
#include "framework/Scoped.h"
#include "framework/StatusPaneLayout.h"

namespace {
// The control's own pane flags for our pane styles (the values coincide, but say which is meant).
WPARAM TextFlags(UINT style) {
    WPARAM flags = 0;
    if (style & SBPS_NOBORDERS) flags |= SBT_NOBORDERS;
    if (style & SBPS_POPOUT) flags |= SBT_POPOUT;
    return flags;
}
}  // namespace

bool CStatusBar::CreateEx(CWnd* parent, DWORD controlStyle, DWORD style, UINT id) {
    if (m_hWnd || !parent || !parent->HasWindow()) return false;
    // The bar bits overlap the control's style bits, so they never reach the window itself.
    DWORD windowStyle = (style & ~CBRS_ALL) | controlStyle | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_BOTTOM;
    if (GetWindowLongW(parent->m_hWnd, GWL_STYLE) & WS_THICKFRAME) windowStyle |= SBARS_SIZEGRIP;
    INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    RECT rect = {0, 0, 0, 0};
    return CWnd::CreateEx(0, STATUSCLASSNAMEW, L"", windowStyle, rect, parent->m_hWnd, id);
}

bool CStatusBar::SetIndicators(const UINT* ids, int count) {
    panes.clear();
    bool allFound = true;
    for (int i = 0; ids && i < count; ++i) {
        Pane pane = {ids[i], SBPS_NORMAL, 0, L""};
        if (ids[i] != 0) {
            pane.text = LoadResourceString(ids[i]);
            if (pane.text.empty()) allFound = false;
        }
        pane.width = TextWidth(pane.text);
        panes.push_back(pane);
    }
    UpdateParts();
    for (int i = 0; i < PaneCount(); ++i) SendPaneText(i);
    return allFound;
}

void CStatusBar::SetPaneInfo(int index, UINT id, UINT style, int width) {
    if (index < 0 || index >= PaneCount()) return;
    Pane& pane = panes[index];
    pane.id = id;
    pane.style = style;
    pane.width = width > 0 ? width : 0;
    UpdateParts();
    // The border style travels with the text, so the text goes again.
    SendPaneText(index);
}


int CStatusBar::CommandToIndex(UINT id) const {
    for (int i = 0; i < PaneCount(); ++i)
        if (panes[i].id == id) return i;
    return -1;
}

bool CStatusBar::SetPaneText(int index, const wchar_t* text, bool update) {
    if (index < 0 || index >= PaneCount()) return false;
    panes[index].text = text ? text : L"";
    SendPaneText(index);
    if (update && HasWindow()) UpdateWindow(m_hWnd);
    return true;
}

LRESULT CStatusBar::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    // The window text is the text of the pane with id 0, kept with the other pane texts so a
    // later style change does not bring back an old text.
    if (message == WM_SETTEXT) {
        int index = CommandToIndex(0);
        if (index >= 0) return SetPaneText(index, reinterpret_cast<const wchar_t*>(lParam), false) ? TRUE : FALSE;
    }
    LRESULT result = CWnd::WindowProc(message, wParam, lParam);
    if (message == WM_SIZE) UpdateParts();
    return result;
}

void CStatusBar::UpdateParts() {
    if (!HasWindow() || panes.empty()) return;
    int borders[3] = {0, 0, 0};
    SendMessageW(m_hWnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders));
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    std::vector<StatusPaneSize> sizes;
    for (const Pane& pane : panes) sizes.push_back({pane.width, (pane.style & SBPS_STRETCH) != 0});
    std::vector<int> edges = StatusPartEdges(sizes, client.right, borders[2]);
    SendMessageW(m_hWnd, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CStatusBar::SendPaneText(int index) {
    if (!HasWindow() || index < 0 || index >= PaneCount()) return;
    const Pane& pane = panes[index];
    // A disabled pane keeps its text but shows none.
    const wchar_t* shown = (pane.style & SBPS_DISABLED) ? L"" : pane.text.c_str();
    SendMessageW(m_hWnd, SB_SETTEXTW, static_cast<WPARAM>(index) | TextFlags(pane.style),
                 reinterpret_cast<LPARAM>(shown));
}

int CStatusBar::TextWidth(const std::wstring& text) const {
    if (text.empty() || !HasWindow()) return 0;
    ScopedGetDC dc(m_hWnd);
    if (!dc) return 0;
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageW(m_hWnd, WM_GETFONT, 0, 0));
    ScopedSelect select(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    return extent.cx;
}
