#pragma once
// The platform toolbar with a button list of command ids (0 = separator) and one image strip.
#include <commctrl.h>

#include "framework/CWnd.h"
#include "framework/ControlBar.h"

class CToolBar : public CWnd {
public:
    CToolBar() = default;
    ~CToolBar() override;

    // style carries WS_* bits and CBRS_* bar bits; borders are left, top, right, bottom.
    bool CreateEx(CWnd* parent, DWORD controlStyle, DWORD style, const RECT& borders, UINT id);
    // Command buttons take image cells in their order; separators take none.
    bool SetButtons(const UINT* ids, int count);
    // Image strip of 16 x 15 cells, the grey background mapped to the button face colour.
    bool LoadBitmap(UINT resourceId);
    int CommandToIndex(UINT id) const;
    UINT GetItemID(int index) const;
    void GetButtonInfo(int index, UINT& id, UINT& style, int& image) const;
    void SetButtonInfo(int index, UINT id, UINT style, int image);
    void GetItemRect(int index, RECT* rect) const;
    int ButtonCount() const;
    DWORD BarStyle() const { return barStyle; }

private:
    DWORD barStyle = 0;
    HIMAGELIST images = nullptr;
};
