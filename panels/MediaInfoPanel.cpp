#include "panels/MediaInfoPanel.h"

#include <string>

#include "framework/Scoped.h"
#include "media/FilterEntry.h"
#include "media/PathText.h"
#include "media/ShellUtil.h"
#include "panels/MediaInfoText.h"
#include "panels/PanelLayout.h"
#include "resources/UserMessages.h"
#include "resources/resource.h"

namespace {

const UINT kCodePage932 = 932;

// The panel's own texts are Shift-JIS whatever the system's code page; converted explicitly,
// they read as Japanese on an English or Chinese system too.
std::wstring Cp932ToWide(const std::string& text) {
    if (text.empty()) return std::wstring();
    int length = MultiByteToWideChar(kCodePage932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage932, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
    return wide;
}

bool ChildRect(HWND panel, int id, RECT* rect) {
    HWND child = GetDlgItem(panel, id);
    if (!child || !GetWindowRect(child, rect)) return false;
    MapWindowPoints(HWND_DESKTOP, panel, reinterpret_cast<POINT*>(rect), 2);
    return true;
}

void MoveChild(HWND panel, int id, const RECT& r) {
    HWND child = GetDlgItem(panel, id);
    if (child)
        SetWindowPos(child, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

MediaInfoPanel::MediaInfoPanel() : CDialog(IDD_INFOPANEL, nullptr) {}

MediaInfoPanel::~MediaInfoPanel() = default;

bool MediaInfoPanel::Create(CWnd* parent) { return CDialog::Create(IDD_INFOPANEL, parent); }

BOOL MediaInfoPanel::OnInitDialog() {
    CDialog::OnInitDialog();
    Relayout();
    return TRUE;
}

void MediaInfoPanel::SetFilterList(const FilterList* list) {
    filterList = list;
    FillFilterList();
}

int MediaInfoPanel::SetMedia(const CurrentMedia* record) {
    media = record;
    return ComposeInfoText();
}

// ---- Filters ----

void MediaInfoPanel::FillFilterList() {
    if (!HasWindow()) return;
    HWND list = GetDlgItem(m_hWnd, IDC_FILTER_LIST);
    if (list) {
        SendMessageW(list, LB_RESETCONTENT, 0, 0);
        for (int i = 0; filterList && i < filterList->Count(); ++i) {
            FilterEntry* entry = filterList->Item(i);
            // Only filters that take input: the source filter is the file itself.
            if (!entry || !entry->GetNthPin(PINDIR_INPUT, 0)) continue;
            std::wstring name = entry->Name() ? AnsiToWide(entry->Name()) : std::wstring();
            LRESULT row = SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
            if (row >= 0) SendMessageW(list, LB_SETITEMDATA, static_cast<WPARAM>(row), i);
        }
    }
    UpdateSettingsButton();
}

void MediaInfoPanel::UpdateSettingsButton() {
    HWND button = HasWindow() ? GetDlgItem(m_hWnd, IDC_FILTER_SETTINGS) : nullptr;
    if (button) EnableWindow(button, SelectedFilterPages(QueryPages) ? TRUE : FALSE);
}

bool MediaInfoPanel::SelectedFilterPages(PagesMode mode) {
    if (!HasWindow() || !filterList) return false;
    HWND list = GetDlgItem(m_hWnd, IDC_FILTER_LIST);
    if (!list) return false;
    LRESULT row = SendMessageW(list, LB_GETCURSEL, 0, 0);
    if (row < 0) return false;
    LRESULT index = SendMessageW(list, LB_GETITEMDATA, static_cast<WPARAM>(row), 0);
    if (index < 0 || index >= filterList->Count()) return false;
    FilterEntry* entry = filterList->Item(static_cast<int>(index));
    if (!entry) return false;
    if (mode == QueryPages) return entry->HasPropertyPages();
    HWND owner = GetParent(m_hWnd) ? GetParent(m_hWnd) : m_hWnd;
    return entry->ShowPropertyPages(owner);
}

// ---- Text and icon ----

int MediaInfoPanel::ComposeInfoText() {
    if (!HasWindow()) return 0;
    if (!media || !media->IsOpen()) {
        SetDlgItemTextW(m_hWnd, IDC_INFO_TEXT, L"");
        SetDlgItemTextW(m_hWnd, IDC_FILE_NAME, L"");
        // Erasing the whole panel at once also takes the old file's icon away.
        InvalidateRect(m_hWnd, nullptr, TRUE);
        UpdateWindow(m_hWnd);
        return 0;
    }
    char name[MAX_PATH] = "";
    FileNameOfPath(media->Path(), name, sizeof(name));
    SetDlgItemTextW(m_hWnd, IDC_FILE_NAME, AnsiToWide(name).c_str());
    std::string text = ComposeMediaInfoText(media->Format(), media->Size(), FileSize(media->Path()));
    SetDlgItemTextW(m_hWnd, IDC_INFO_TEXT, Cp932ToWide(text).c_str());
    return 1;
}

void MediaInfoPanel::OnPaint() {
    Default();
    ScopedGetDC dc(m_hWnd);
    if (dc) DrawFileIcon(dc);
}

void MediaInfoPanel::DrawFileIcon(HDC dc) {
    if (!media || !media->SmallIcon()) return;
    HWND placeholder = GetDlgItem(m_hWnd, IDC_FILE_ICON);
    RECT r = {};
    if (!placeholder || !GetWindowRect(placeholder, &r)) return;
    POINT corner = {r.left, r.top};
    ScreenToClient(m_hWnd, &corner);
    DrawIconEx(dc, corner.x, corner.y, media->SmallIcon(), 16, 16, 0, nullptr, DI_NORMAL);
}

// ---- Layout ----

void MediaInfoPanel::Relayout() {
    if (!HasWindow()) return;
    RECT client = {};
    GetClientRect(m_hWnd, &client);
    PanelControlRects now = {};
    ChildRect(m_hWnd, IDC_FILTER_GROUP, &now.filterGroup);
    ChildRect(m_hWnd, IDC_FILTER_LIST, &now.filterList);
    ChildRect(m_hWnd, IDC_INFO_GROUP, &now.infoGroup);
    ChildRect(m_hWnd, IDC_INFO_TEXT, &now.infoText);
    ChildRect(m_hWnd, IDC_FILE_NAME, &now.fileName);
    PanelControlRects next = RelayoutPanelRects(now, client.right - client.left, client.bottom - client.top);
    MoveChild(m_hWnd, IDC_FILTER_GROUP, next.filterGroup);
    MoveChild(m_hWnd, IDC_FILTER_LIST, next.filterList);
    MoveChild(m_hWnd, IDC_INFO_GROUP, next.infoGroup);
    MoveChild(m_hWnd, IDC_INFO_TEXT, next.infoText);
    MoveChild(m_hWnd, IDC_FILE_NAME, next.fileName);
}

// ---- Messages ----

bool MediaInfoPanel::PreTranslateMessage(MSG* msg) {
    bool key = msg->message == WM_KEYDOWN;
    // Neither closes the panel nor presses a default button.
    if (key && (msg->wParam == VK_ESCAPE || msg->wParam == VK_RETURN)) return true;
    // Every other key reaches the main window's accelerators first (Space plays and pauses), and
    // the wheel its volume, unless the pointer is over the list, which then scrolls.
    HWND parent = GetParent(m_hWnd);
    if ((key || msg->message == WM_MOUSEWHEEL) && parent &&
        SendMessageW(parent, UM_TRANSLATEACCEL, reinterpret_cast<WPARAM>(msg), 0))
        return true;
    return CDialog::PreTranslateMessage(msg);
}

LRESULT MediaInfoPanel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        UINT id = LOWORD(wParam);
        UINT code = HIWORD(wParam);
        if (id == IDC_FILTER_LIST && code == LBN_SELCHANGE) {
            UpdateSettingsButton();
            return 0;
        }
        if ((id == IDC_FILTER_LIST && code == LBN_DBLCLK) || id == IDC_FILTER_SETTINGS) {
            SelectedFilterPages(OpenPages);
            return 0;
        }
    }
    LRESULT result = CDialog::WindowProc(message, wParam, lParam);
    if (message == WM_SIZE) Relayout();
    return result;
}
