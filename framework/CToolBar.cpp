#include "framework/CToolBar.h"

#include <vector>

const SIZE CToolBar::kButtonSize = {23, 22};
const SIZE CToolBar::kImageSize = {16, 15};

namespace {
// Flat separators are narrower than the control's default gap.
const int kFlatSeparatorWidth = 6;
const int kRaisedSeparatorWidth = 8;
const COLORREF kStripBackground = RGB(192, 192, 192);

bool ReadButton(HWND bar, int index, TBBUTTON& button) {
    button = {};
    if (!bar || index < 0) return false;
    return SendMessageW(bar, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button)) != 0;
}
}  // namespace

CToolBar::~CToolBar() {
    // The control must be gone before the image list it draws from.
    if (HasWindow()) ::DestroyWindow(m_hWnd);
}

bool CToolBar::CreateEx(CWnd* parent, DWORD controlStyle, DWORD style, UINT id) {
    if (!parent || !parent->GetSafeHwnd() || m_hWnd) return false;
    // The bar bits mean nothing to the control; the owner's layout places and sizes it.
    DWORD windowStyle = (style & ~CBRS_ALL) | controlStyle | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN;
    RECT empty = {0, 0, 0, 0};
    if (!CWnd::CreateEx(0, TOOLBARCLASSNAMEW, L"", windowStyle, empty, parent->GetSafeHwnd(), id)) return false;
    SendMessageW(m_hWnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SetSizes();
    OnBarCreated();
    return true;
}

void CToolBar::SetSizes() {
    SendMessageW(m_hWnd, TB_SETBITMAPSIZE, 0, MAKELPARAM(kImageSize.cx, kImageSize.cy));
    SendMessageW(m_hWnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(kButtonSize.cx, kButtonSize.cy));
}

bool CToolBar::SetButtons(const UINT* ids, int count) {
    if (!m_hWnd || count < 0 || (count > 0 && !ids)) return false;
    while (ButtonCount() > 0)
        if (!SendMessageW(m_hWnd, TB_DELETEBUTTON, 0, 0)) return false;

    bool flat = (GetWindowLongW(m_hWnd, GWL_STYLE) & TBSTYLE_FLAT) != 0;
    std::vector<TBBUTTON> buttons(count);
    int nextImage = 0;
    for (int i = 0; i < count; ++i) {
        TBBUTTON& button = buttons[i];
        button.idCommand = static_cast<int>(ids[i]);
        button.fsState = TBSTATE_ENABLED;
        button.iString = -1;
        if (ids[i] == 0) {
            button.fsStyle = TBSTYLE_SEP;
            button.iBitmap = flat ? kFlatSeparatorWidth : kRaisedSeparatorWidth;  // a separator's width
        } else {
            button.fsStyle = TBSTYLE_BUTTON;
            button.iBitmap = nextImage++;
        }
    }
    if (count == 0) return true;
    return SendMessageW(m_hWnd, TB_ADDBUTTONSW, count, reinterpret_cast<LPARAM>(buttons.data())) != 0;
}

bool CToolBar::LoadBitmap(UINT resourceId) {
    if (!m_hWnd) return false;
    // Only the cell background follows the button face; the pictures keep their own colours.
    COLORMAP background = {kStripBackground, GetSysColor(COLOR_BTNFACE)};
    ScopedGdiObject mapped(CreateMappedBitmap(GetModuleHandleW(nullptr), resourceId, 0, &background, 1));
    if (!mapped.Get()) return false;
    BITMAP info = {};
    GetObjectW(mapped.Get(), sizeof(info), &info);
    int cells = info.bmWidth / kImageSize.cx;
    ScopedImageList list(cells > 0 ? ImageList_Create(kImageSize.cx, kImageSize.cy, ILC_COLOR24 | ILC_MASK, cells, 0)
                                   : nullptr);
    // The mask lets the control draw disabled buttons as an embossed outline rather than a grey block.
    if (!list.Get() || ImageList_AddMasked(list.Get(), mapped.Bitmap(), GetSysColor(COLOR_BTNFACE)) < 0) return false;
    SendMessageW(m_hWnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(list.Get()));
    images.Reset(list.Detach());
    SetSizes();  // a new image list may reset the control's metrics
    InvalidateRect(m_hWnd, nullptr, TRUE);
    return true;
}

int CToolBar::CommandToIndex(UINT id) const {
    int count = ButtonCount();
    for (int i = 0; i < count; ++i)
        if (GetItemID(i) == id) return i;
    return -1;
}

UINT CToolBar::GetItemID(int index) const {
    TBBUTTON button;
    if (!ReadButton(m_hWnd, index, button)) return 0;
    return static_cast<UINT>(button.idCommand);
}

void CToolBar::GetButtonInfo(int index, UINT& id, UINT& style, int& image) const {
    TBBUTTON button;
    if (!ReadButton(m_hWnd, index, button)) return;
    id = static_cast<UINT>(button.idCommand);
    style = button.fsStyle;
    image = button.iBitmap;
}

void CToolBar::SetButtonInfo(int index, UINT id, UINT style, int image) {
    TBBUTTON button;
    if (!ReadButton(m_hWnd, index, button)) return;
    if (button.idCommand == static_cast<int>(id) && button.fsStyle == static_cast<BYTE>(style)) {
        if (button.iBitmap == image) return;
        TBBUTTONINFOW change = {};
        change.cbSize = sizeof(change);
        change.dwMask = TBIF_BYINDEX | TBIF_IMAGE;
        change.iImage = image;
        SendMessageW(m_hWnd, TB_SETBUTTONINFOW, index, reinterpret_cast<LPARAM>(&change));
        return;
    }
    // A new id or style (a button turned separator, say) changes the layout: replace the item whole.
    button.idCommand = static_cast<int>(id);
    button.fsStyle = static_cast<BYTE>(style);
    button.iBitmap = image;
    SendMessageW(m_hWnd, TB_DELETEBUTTON, index, 0);
    SendMessageW(m_hWnd, TB_INSERTBUTTONW, index, reinterpret_cast<LPARAM>(&button));
}

void CToolBar::GetItemRect(int index, RECT* rect) const {
    if (!rect) return;
    *rect = {};
    if (!m_hWnd || index < 0) return;
    if (!SendMessageW(m_hWnd, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(rect))) *rect = {};
}

int CToolBar::ButtonCount() const {
    if (!m_hWnd) return 0;
    return static_cast<int>(SendMessageW(m_hWnd, TB_BUTTONCOUNT, 0, 0));
}
