#pragma once
// Where the information panel's controls go when the panel is resized, free of any window.
#include <windows.h>

// The controls that follow the panel's size, in the panel's client coordinates.
struct PanelControlRects {
    RECT filterGroup;  // group box 1005
    RECT filterList;   // list box 1001
    RECT infoGroup;    // group box 1004
    RECT infoText;     // edit 1003
    RECT fileName;     // edit 1006
};

const int kPanelMargin = 5;
const int kInfoGroupMinHeight = 20;

// The groups reach to 5 pixels from the right (and the information group from the bottom) edge;
// the controls inside keep their margins within their group; the information group never gets
// lower than 20 pixels.
PanelControlRects RelayoutPanelRects(const PanelControlRects& current, int clientWidth, int clientHeight);
