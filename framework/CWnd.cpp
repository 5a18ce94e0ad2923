#include "framework/CWnd.h"

#include <cwchar>
#include <map>
#include <string>
#include <tuple>
#include <unordered_map>

namespace {
CWnd* creatingWindow = nullptr;  // the object whose CreateWindowEx is in progress

// Every message to one of our windows starts with this lookup. A window property would be the
// obvious home, but under Wine each property read is a round trip to the window server, which
// made start-up alone spend milliseconds on it. The lock covers windows made on other threads.
SRWLOCK boundLock = SRWLOCK_INIT;

class BoundLock {
public:
    explicit BoundLock(bool exclusive) : exclusive(exclusive) {
        if (exclusive)
            AcquireSRWLockExclusive(&boundLock);
        else
            AcquireSRWLockShared(&boundLock);
    }
    ~BoundLock() {
        if (exclusive)
            ReleaseSRWLockExclusive(&boundLock);
        else
            ReleaseSRWLockShared(&boundLock);
    }
    BoundLock(const BoundLock&) = delete;
    BoundLock& operator=(const BoundLock&) = delete;

private:
    bool exclusive;
};

std::unordered_map<HWND, CWnd*>& BoundObjects() {
    // Never destroyed: a window may still be unbound while static objects are torn down.
    static auto* bound = new std::unordered_map<HWND, CWnd*>;
    return *bound;
}
}  // namespace

CWnd::~CWnd() {
    if (HasWindow()) ::DestroyWindow(m_hWnd);
    Unbind();
}

CWnd* CWnd::FromHandle(HWND hwnd) {
    if (!hwnd) return nullptr;
    BoundLock lock(false);
    auto found = BoundObjects().find(hwnd);
    return found == BoundObjects().end() ? nullptr : found->second;
}

const wchar_t* CWnd::RegisterWindowClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon) {
    using Key = std::tuple<UINT, HCURSOR, HBRUSH, HICON>;
    static std::map<Key, std::wstring> names;
    Key key(classStyle, cursor, background, icon);
    auto found = names.find(key);
    if (found != names.end()) return found->second.c_str();

    wchar_t name[96];
    swprintf(name, 96, L"Corvantile:%x:%p:%p:%p", classStyle, (void*)cursor, (void*)background, (void*)icon);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = classStyle;
    wc.lpfnWndProc = StaticWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = cursor;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.lpszClassName = name;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return nullptr;
    return names.emplace(key, name).first->second.c_str();
}

bool CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, const RECT& rect,
                    HWND parent, UINT id) {
    if (m_hWnd || !className) return false;
    CWnd* outer = creatingWindow;
    creatingWindow = this;
    HMENU menuOrId = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
    HWND hwnd = CreateWindowExW(exStyle, className, title ? title : L"", style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent, menuOrId,
                                GetModuleHandleW(nullptr), this);
    creatingWindow = outer;
    if (!hwnd) {
        Unbind();
        return false;
    }
    if (!m_hWnd) SubclassWindow(hwnd);  // a class that is not ours
    return true;
}

bool CWnd::SubclassWindow(HWND hwnd) {
    if (!hwnd || m_hWnd || FromHandle(hwnd)) return false;
    WNDPROC previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    Bind(hwnd, previous);
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StaticWindowProc));
    return true;
}

bool CWnd::DestroyWindow() {
    if (!m_hWnd) return false;
    return ::DestroyWindow(m_hWnd) != FALSE;
}

void CWnd::Bind(HWND hwnd, WNDPROC previous) {
    m_hWnd = hwnd;
    previousProc = previous;
    BoundLock lock(true);
    BoundObjects()[hwnd] = this;
}

void CWnd::Unbind() {
    if (m_hWnd) {
        {
            BoundLock lock(true);
            auto found = BoundObjects().find(m_hWnd);
            if (found != BoundObjects().end() && found->second == this) BoundObjects().erase(found);
        }
        if (previousProc && IsWindow(m_hWnd) &&
            GetWindowLongPtrW(m_hWnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(StaticWindowProc))
            SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc));
    }
    m_hWnd = nullptr;
    previousProc = nullptr;
}

bool CWnd::PreTranslateMessage(MSG*) { return false; }

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return OnCreate(reinterpret_cast<CREATESTRUCTW*>(lParam));
    case WM_DESTROY:
        OnDestroy();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(OnQueryDragIcon());
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (previousProc) return CallWindowProcW(previousProc, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() { return DefWindowProc(current.message, current.wParam, current.lParam); }

int CWnd::OnCreate(CREATESTRUCTW*) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnPaint() { Default(); }
HCURSOR CWnd::OnQueryDragIcon() { return reinterpret_cast<HCURSOR>(Default()); }

bool CWnd::WalkPreTranslateTree(HWND stopAt, MSG* msg) {
    for (HWND hwnd = msg->hwnd; hwnd; hwnd = GetParent(hwnd)) {
        CWnd* wnd = FromHandle(hwnd);
        if (wnd && wnd->PreTranslateMessage(msg)) return true;
        if (hwnd == stopAt) break;
    }
    return false;
}

LRESULT CALLBACK CWnd::StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = FromHandle(hwnd);
    if (!wnd && message == WM_NCCREATE && creatingWindow && !creatingWindow->m_hWnd) {
        wnd = creatingWindow;
        wnd->Bind(hwnd, nullptr);
    }
    if (!wnd) return ::DefWindowProcW(hwnd, message, wParam, lParam);

    MSG outer = wnd->current;
    wnd->current = {hwnd, message, wParam, lParam, 0, {0, 0}};
    LRESULT result = wnd->WindowProc(message, wParam, lParam);
    wnd->current = outer;
    if (message == WM_NCDESTROY) {
        wnd->Unbind();
        wnd->PostNcDestroy();
    }
    return result;
}
