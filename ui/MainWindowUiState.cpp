// Menu checks and greying, the toolbar's buttons, and the status panes with their command prompts.
#include <windows.h>
#include <commctrl.h>

#include <cstring>
#include <string>

#include "controls/MainStatusBar.h"
#include "controls/MainToolBar.h"
#include "framework/AnsiChars.h"
#include "framework/ResourceString.h"
#include "media/PathText.h"
#include "resources/resource.h"
#include "ui/MainWindow.h"

namespace {

// Copies at most size - 1 bytes and never splits a character of the ANSI code page.
void CopyTextCut(char* out, size_t size, const char* text) {
    size_t used = WholeCharPrefix(text, size - 1, AnsiCharRule());
    memcpy(out, text, used);
    out[used] = '\0';
}

// The first line of a command's prompt string: what the status bar shows for it.
std::wstring PromptOf(UINT command) {
    std::wstring text = LoadResourceString(command);
    return text.substr(0, text.find(L'\n'));
}

}  // namespace

CommandState MainWindow::CurrentCommandState() {
    CommandState s = {};
    s.open = media.IsOpen();
    s.hasVideo = media.HasVideo();
    s.running = session.QueryState() == SessionRunning;
    s.showToolbar = showToolbar != 0;
    s.showStatusBar = showStatusBar != 0;
    s.showInfoPanel = showInfoPanel != 0;
    s.fullScreen = modes.FullScreen() != 0;
    s.frameless = modes.Frameless() != 0;
    s.topmost = topmost != 0;
    s.fitToWindow = fitToWindow != 0;
    s.videoSizeRate = videoSizeRate;
    return s;
}

void MainWindow::UpdateUiState(DWORD selection, HMENU menu, bool fromMenuSelect) {
    UINT item = LOWORD(selection);
    UINT flags = HIWORD(selection);
    bool systemMenu = fromMenuSelect && (flags & MF_SYSMENU);
    bool popup = fromMenuSelect && (flags & MF_POPUP);
    CommandState state = CurrentCommandState();
    if (!menu && !fromMenuSelect) menu = m_hWnd ? GetMenu(m_hWnd) : nullptr;

    if (!systemMenu && menu) UpdateMenuMarks(menu, state);
    UpdateToolbarButtons(state);

    if (!statusBar) return;
    if (!menu && flags == 0xFFFF) {  // a menu closed, or the pointer left the toolbar's buttons
        RestoreIdlePrompt();
        return;
    }
    if (systemMenu || popup) return;
    if (item == 0) {
        RestoreIdlePrompt();
        return;
    }
    ShowPromptForCommand(item);
}

void MainWindow::UpdateMenuMarks(HMENU menu, const CommandState& state) {
    for (UINT id : kCheckedCommands)
        CheckMenuItem(menu, id, MF_BYCOMMAND | (CommandChecked(state, id) ? MF_CHECKED : MF_UNCHECKED));
    for (UINT id : kEnabledCommands)
        EnableMenuItem(menu, id, MF_BYCOMMAND | (CommandEnabled(state, id) ? MF_ENABLED : MF_GRAYED));
}

void MainWindow::UpdateToolbarButtons(const CommandState& state) {
    if (!toolBar || !toolBar->m_hWnd) return;
    SetButtonImage(ID_PLAY_PAUSE, PlayPauseImage(state));
    SetButtonImage(ID_STOP, 4);
    SetButtonImage(ID_FILE_OPEN_CMD, 0);
    SetButtonImage(ID_VOLUME, 6);
    for (UINT id : {ID_PLAY_PAUSE, ID_STOP}) {
        SendMessageW(toolBar->m_hWnd, TB_ENABLEBUTTON, id, MAKELPARAM(CommandEnabled(state, id), 0));
        SendMessageW(toolBar->m_hWnd, TB_CHECKBUTTON, id, MAKELPARAM(FALSE, 0));
    }
    InvalidateRect(toolBar->m_hWnd, nullptr, FALSE);
    UpdateWindow(toolBar->m_hWnd);
}

void MainWindow::RestoreIdlePrompt() {
    statusBar->SetPaneInfo(0, paneIds[0], SBPS_STRETCH, 1);
    statusBar->SetPaneText(0, L"", true);
    RefreshStatusPanes(-1);
}

void MainWindow::ShowPromptForCommand(UINT item) {
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    statusBar->SetPaneInfo(0, paneIds[0], SBPS_NOBORDERS, client.right - client.left);
    bool recent = item >= ID_RECENT_FIRST && item <= ID_RECENT_LAST;
    statusBar->SetPaneText(0, (recent ? RecentPrompt(item) : PromptOf(item)).c_str(), true);
}

int MainWindow::SetButtonImage(UINT command, int image) {
    if (!toolBar || !toolBar->m_hWnd) return 0;
    int index = toolBar->CommandToIndex(command);
    if (index < 0) return 0;
    UINT id = 0, style = 0;
    int old = 0;
    toolBar->GetButtonInfo(index, id, style, old);
    toolBar->SetButtonInfo(index, id, style, image);
    return 1;
}

// ---- Status panes ----

int MainWindow::SetStatusText(int index, const char* text, bool refresh) {
    if (index < 0 || index > 1 || !text) return 0;
    CopyTextCut(paneTexts[index], kPaneTextSize, text);
    if (statusBar && refresh) RefreshStatusPanes(index);
    return 1;
}

void MainWindow::RefreshStatusPanes(int index) {
    if (!statusBar || !statusBar->m_hWnd) return;
    for (int pane = 0; pane < 2; ++pane) {
        if ((index == 0 || index == 1) && pane != index) continue;
        statusBar->SetPaneText(pane, AnsiToWide(paneTexts[pane]).c_str(), true);
    }
    InvalidateRect(statusBar->m_hWnd, nullptr, FALSE);
    UpdateWindow(statusBar->m_hWnd);
}
