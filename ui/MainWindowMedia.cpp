// Opening and closing media: the Open dialog, dropped files and command-line names all end here.
#include <cstdio>
#include <cstring>

#include "controls/VideoHostWindow.h"
#include "framework/ResourceString.h"
#include "media/MediaProbe.h"
#include "media/PathText.h"
#include "media/ShellUtil.h"
#include "panels/MediaInfoPanel.h"
#include "resources/resource.h"
#include "ui/CommandLine.h"
#include "ui/FileDialogFilter.h"
#include "ui/MainWindow.h"

namespace {
int openFilterIndex = 1;  // the Open dialog's filter, remembered within one run

// The panel only borrows the session's filter list and the record: it lets go of both before
// either changes.
void HandToPanel(MediaInfoPanel* panel, const FilterList* list, const CurrentMedia* record) {
    if (!panel) return;
    if (record) {
        panel->SetFilterList(list);
        panel->SetMedia(record);
    } else {
        panel->SetMedia(nullptr);
        panel->SetFilterList(nullptr);
    }
}
}  // namespace

int MainWindow::OpenMedia(const char* path, bool play) {
    LeavePlace();
    HandToPanel(infoPanel.get(), nullptr, nullptr);
    session.Close();
    StopPositionTimer();
    if (!path) {
        CloseMedia();
        ApplyBarVisibility();
        return 0;
    }
    HCURSOR previousCursor = SetCursor(LoadCursorA(nullptr, IDC_WAIT));

    bool opened = false;
    char working[MAX_PATH] = "";
    if (WorkingPath(path, working)) {
        // The playing graph is built while the probe reads the file, each on a worker of its own;
        // a file the probe refuses takes that graph with it, unseen and never run.
        if (!RefusedByName(working)) session.StartBuild(working);
        if (media.Probe(working)) {
            media.TakeVideoSize(session.FinishRender());
            RECT dest = {};
            bool hasDest = VideoDestRect(&dest);
            StartPositionTimer();
            opened = session.BuildGraph(working, videoHost ? videoHost->m_hWnd : nullptr, hasDest ? &dest : nullptr,
                                        0, 0, true);
            if (opened) {
                HandToPanel(infoPanel.get(), &session.Filters(), &media);
                ShowMediaTitle(media.Path());
                ReturnToPlace();
                if (play) session.Run();
            }
        }
    }

    // A refused file's graph may still be rendering: it goes while the wait cursor shows.
    if (!opened) session.DropHeadStart();
    SetCursor(previousCursor);
    if (!opened) CloseMedia();
    NoteOpenResult(opened, path, working);
    ApplyBarVisibility();
    return opened ? 1 : 0;
}

int MainWindow::CloseMedia() {
    LeavePlace();
    HandToPanel(infoPanel.get(), nullptr, nullptr);
    StopPositionTimer();
    session.Close();
    media.Clear();
    ShowMediaTitle(nullptr);
    return 1;
}

int MainWindow::ShowMediaTitle(const char* path) {
    if (!m_hWnd) return 0;
    std::wstring title = LoadResourceString(IDS_TITLE);
    char name[MAX_PATH] = "";
    if (path && *path) FileNameOfPath(path, name, sizeof(name));
    SetStatusText(0, name, true);
    SetWindowTextW(m_hWnd, title.c_str());
    return 1;
}

void MainWindow::OnOpenCommand() {
    char buffer[MAX_PATH] = {};
    if (!videoHost) return;
    if (!ChooseMediaFile(buffer, m_hWnd)) return;
    RepaintWindowTree(m_hWnd);  // the area under the closed dialog, before a slow open
    if (OpenMedia(buffer, true)) FitWindowToVideo();
    UpdateUiState(0, nullptr, false);
}

bool MainWindow::ChooseMediaFile(char* buffer, HWND owner) {
    if (!buffer) return false;
    std::string filter = FileDialogFilter(IDS_OPENFILTER);
    OPENFILENAMEA dialog = FileDialogFields(owner, filter, static_cast<DWORD>(openFilterIndex), buffer);
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    if (!GetOpenFileNameA(&dialog)) return false;
    openFilterIndex = static_cast<int>(dialog.nFilterIndex);
    return true;
}

void MainWindow::OnDropFiles(HDROP drop) {
    if (!drop) return;
    UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        // A name too long for the buffer would come back cut short, naming some other file.
        if (DragQueryFileA(drop, i, nullptr, 0) >= MAX_PATH) continue;
        char name[MAX_PATH];
        if (DragQueryFileA(drop, i, name, MAX_PATH) > 0 && OpenMedia(name, true)) {
            FitWindowToVideo();
            break;
        }
    }
    DragFinish(drop);
}

// A name that does not fit the working buffer is refused: cut short, it could name another file.
bool MainWindow::WorkingPath(const char* path, char (&working)[MAX_PATH]) {
    size_t length = strlen(path);
    if (length >= sizeof(working)) return false;
    memcpy(working, path, length + 1);
    ResolveIfShortcut(working);
    return true;
}

void MainWindow::HeadStartCommandLine() {
    StartCom();  // the graph is made on this thread
    std::vector<std::string> names;
    ParseCommandLine(&names);
    char working[MAX_PATH] = "";
    if (!names.empty() && WorkingPath(names[0].c_str(), working) && !RefusedByName(working))
        session.StartBuild(working);
}

int MainWindow::ParseCommandLine(std::vector<std::string>* list) const {
    if (!commandLine || !list) return 0;
    return SplitCommandLine(commandLine, list);
}

int MainWindow::ResolveIfShortcut(char* path) {
    if (!path) return 0;
    if (!IsShortcutName(path)) return 1;
    char copy[MAX_PATH];
    lstrcpynA(copy, path, MAX_PATH);
    return ResolveShortcut(copy, path) ? 1 : 0;
}

bool MainWindow::IsShortcutName(const char* path) { return ExtensionIs(path, "lnk"); }
