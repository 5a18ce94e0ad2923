#pragma once
// The platform tooltip control.
#include <windows.h>

#include <commctrl.h>

#include "framework/CWnd.h"

class CToolTipCtrl : public CWnd {
public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl() override = default;

    // A popup owned by the parent (the system makes the parent's top-level window its owner).
    bool Create(CWnd* parent, DWORD style);
    // Tool id 0 names the whole window by its handle; another id names a rectangle of the window
    // (its client rectangle when rect is null). UpdateTipText addresses tools the same way.
    bool AddTool(CWnd* window, const wchar_t* text, const RECT* rect, UINT toolId);
    void UpdateTipText(const wchar_t* text, CWnd* window, UINT toolId);
    void Activate(bool activate);
    void RelayEvent(MSG* msg);
    void SetMargin(const RECT& margin);
    void SetDelayTime(DWORD which, int milliseconds);
    int SetMaxTipWidth(int width);
};
