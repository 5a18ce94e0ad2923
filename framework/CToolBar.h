#pragma once
// The platform toolbar with a button list of command ids (0 = separator) and one image strip.
#include <windows.h>

#include <commctrl.h>

#include "framework/CWnd.h"
#include "framework/ControlBar.h"
#include "framework/Scoped.h"

using ScopedImageList = ScopedHandleOf<HIMAGELIST, ImageList_Destroy>;

class CToolBar : public CWnd {
public:
    CToolBar() = default;
    ~CToolBar() override;

    // style carries WS_* bits and CBRS_* bar bits; the bar draws no border of its own.
    bool CreateEx(CWnd* parent, DWORD controlStyle, DWORD style, UINT id);
    // Command buttons take image cells in their order; separators take none.
    bool SetButtons(const UINT* ids, int count);
    // Image strip of 16 x 15 cells, the grey background mapped to the button face colour.
    bool LoadBitmap(UINT resourceId);
    // Index of the first button with the command id, or -1.
    int CommandToIndex(UINT id) const;
    // The button's command id; 0 for separators and for an index that does not exist.
    UINT GetItemID(int index) const;
    // style is the button's TBSTYLE_* byte; all three stay untouched for an index that does not exist.
    void GetButtonInfo(int index, UINT& id, UINT& style, int& image) const;
    // Keeps the button's state (enabled, checked); does nothing for an index that does not exist.
    void SetButtonInfo(int index, UINT id, UINT style, int image);
    // The item's rectangle in the bar's client coordinates; empty when the index does not exist.
    void GetItemRect(int index, RECT* rect) const;
    int ButtonCount() const;

    static const SIZE kButtonSize;  // 23 x 22
    static const SIZE kImageSize;   // 16 x 15

protected:
    // Runs once the created control is bound to this object. The control's own WM_CREATE has passed
    // by then (it came before the binding), so derived bars do their creation-time work here.
    virtual void OnBarCreated() {}

private:
    void SetSizes();

    // Goes after the control: the destructor destroys the window before the members.
    ScopedImageList images;
};
