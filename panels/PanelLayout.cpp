#include "panels/PanelLayout.h"

PanelControlRects RelayoutPanelRects(const PanelControlRects& current, int clientWidth, int clientHeight) {
    PanelControlRects next = current;
    next.filterGroup.right = clientWidth - kPanelMargin;
    // The list's right margin inside its group equals its left margin.
    next.filterList.right = next.filterGroup.right - (current.filterList.left - current.filterGroup.left);

    next.infoGroup.right = clientWidth - kPanelMargin;
    int bottom = clientHeight - kPanelMargin;
    int lowest = current.infoGroup.top + kInfoGroupMinHeight;
    next.infoGroup.bottom = bottom > lowest ? bottom : lowest;

    int inset = current.infoText.left - current.infoGroup.left;
    next.infoText.right = next.infoGroup.right - inset;
    next.infoText.bottom = next.infoGroup.bottom - inset;
    next.fileName.right = next.infoText.right;
    return next;
}
