// Where each file was left, kept across runs, and the files opened last as a File submenu.
#include "controls/MainToolBar.h"
#include "framework/ResourceString.h"
#include "media/PathText.h"
#include "resources/resource.h"
#include "ui/MainWindow.h"
#include "ui/RecentMenuText.h"

namespace {

int PositionOf(HMENU menu, UINT command) {
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        if (GetMenuItemID(menu, i) == command) return i;
    return -1;
}

}  // namespace

void MainWindow::LeavePlace() {
    if (!media.IsOpen() || session.State() == SessionClosed) return;
    history.LeavePlace(media.Path(), PlaybackSession::ToMilliseconds(session.GetPosition()), media.Format().lengthMs);
}

void MainWindow::ReturnToPlace() {
    uint32_t place = history.PlaceOf(media.Path(), media.Format().lengthMs);
    if (place) session.SeekTo(place);
}

// A file that no longer opens leaves the list, under the name it was asked for and the one its
// shortcut led to.
void MainWindow::NoteOpenResult(bool opened, const char* asked, const char* resolved) {
    if (opened) {
        history.AddRecent(media.Path());
    } else {
        history.RemoveRecent(asked);
        history.RemoveRecent(resolved);
    }
    RefreshRecentMenu();
}

// The submenu sits just above the exit item of the File menu, put there on the first call for
// each menu bar (leaving a window mode brings a fresh one), and greyed while it would be empty.
void MainWindow::RefreshRecentMenu() {
    HMENU bar = m_hWnd ? GetMenu(m_hWnd) : nullptr;
    HMENU file = bar ? GetSubMenu(bar, 0) : nullptr;
    int exitAt = file ? PositionOf(file, ID_APP_EXIT_CMD) : -1;
    if (exitAt < 0) return;
    HMENU recent = exitAt > 0 ? GetSubMenu(file, exitAt - 1) : nullptr;
    if (!recent) {
        recent = CreatePopupMenu();
        if (!recent || !InsertMenuW(file, static_cast<UINT>(exitAt), MF_BYPOSITION | MF_POPUP | MF_STRING,
                                    reinterpret_cast<UINT_PTR>(recent), LoadResourceString(IDS_RECENT_MENU).c_str())) {
            if (recent) DestroyMenu(recent);
            return;
        }
        ++exitAt;
    }
    while (GetMenuItemCount(recent) > 0) DeleteMenu(recent, 0, MF_BYPOSITION);
    const std::vector<std::string>& files = history.Recent();
    for (size_t i = 0; i < files.size(); ++i)
        AppendMenuW(recent, MF_STRING, ID_RECENT_FIRST + i,
                    RecentItemText(i, AnsiToWide(FinalPathComponent(files[i].c_str()))).c_str());
    AppendMenuW(recent, MF_SEPARATOR, 0, nullptr);
    AppendMenuW(recent, MF_STRING, ID_RECENT_CLEAR, ToolTipPart(LoadResourceString(ID_RECENT_CLEAR)).c_str());
    EnableMenuItem(file, static_cast<UINT>(exitAt - 1), MF_BYPOSITION | (files.empty() ? MF_GRAYED : MF_ENABLED));
}

void MainWindow::OpenRecent(UINT command) {
    size_t index = command - ID_RECENT_FIRST;
    if (index >= history.Recent().size()) return;
    std::string path = history.Recent()[index];  // the open reorders the list
    if (OpenMedia(path.c_str(), true)) FitWindowToVideo();
    UpdateUiState(0, nullptr, false);
}

std::wstring MainWindow::RecentPrompt(UINT command) const {
    size_t index = command - ID_RECENT_FIRST;
    return index < history.Recent().size() ? AnsiToWide(history.Recent()[index].c_str()) : std::wstring();
}
