#pragma once
// Our own small window base: a C++ object bound to an HWND, with a virtual window
// procedure that falls back to default processing and a few lifecycle hooks.
#include <windows.h>

// <windowsx.h> (pulled in by some DirectShow headers) defines a macro of this name.
#ifdef SubclassWindow
#undef SubclassWindow
#endif

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;
    HWND GetSafeHwnd() const { return m_hWnd; }
    bool HasWindow() const { return m_hWnd && IsWindow(m_hWnd); }

    // The object bound to a window by this framework, or null.
    static CWnd* FromHandle(HWND hwnd);

    // Registers (once per distinct set of parameters) a window class that routes to our objects.
    static const wchar_t* RegisterWindowClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon);

    bool CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, const RECT& rect,
                  HWND parent, UINT id);
    // Binds an existing window (a common control) to this object by subclassing it.
    bool SubclassWindow(HWND hwnd);
    bool DestroyWindow();

    // Runs before dispatch for messages aimed at this window or its descendants; true = consumed.
    virtual bool PreTranslateMessage(MSG* msg);
    // Overrides pass each message to the base first, then add their own steps.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The processing the window would get without this object.
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // Default processing of the message being handled right now.
    LRESULT Default();

    // Walks from the message's window up to (and including) stopAt, offering it to each bound object.
    static bool WalkPreTranslateTree(HWND stopAt, MSG* msg);

protected:
    // Message-map hooks, reached from the base WindowProc.
    virtual int OnCreate(CREATESTRUCTW* cs);
    virtual void OnDestroy();
    virtual void OnPaint();
    virtual HCURSOR OnQueryDragIcon();
    // After the window is gone and the object is unbound.
    virtual void PostNcDestroy() {}

    void Bind(HWND hwnd, WNDPROC previous);
    static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    void Unbind();
    WNDPROC previousProc = nullptr;
    MSG current = {};
};
