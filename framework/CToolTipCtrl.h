#pragma once
// The platform tooltip control.
#include <commctrl.h>

#include "framework/CWnd.h"

class CToolTipCtrl : public CWnd {
public:
    CToolTipCtrl() = default;
    ~CToolTipCtrl() override = default;

    bool Create(CWnd* parent, DWORD style);
    // A tool named by the window's handle (rect null) or by id with a rectangle.
    bool AddTool(CWnd* window, const wchar_t* text, const RECT* rect, UINT toolId);
    void UpdateTipText(const wchar_t* text, CWnd* window, UINT toolId);
    void Activate(bool activate);
    void RelayEvent(MSG* msg);
    void SetMargin(const RECT& margin);
    void SetDelayTime(DWORD which, int milliseconds);
    int SetMaxTipWidth(int width);
};
