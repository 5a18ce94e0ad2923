#pragma once
// Where a status bar's parts end, from the panes' widths: plain arithmetic, no window needed.
#include <vector>

struct StatusPaneSize {
    int width;     // the width of the pane's own rectangle, in pixels
    bool stretch;  // takes the room the other panes leave
};

// Right edges of the parts for a bar clientWidth pixels wide whose control leaves gap pixels between
// neighbouring parts. The first stretch pane grows by whatever room is left; with no room left every
// pane keeps its width and the last ones run past the bar's edge.
std::vector<int> StatusPartEdges(const std::vector<StatusPaneSize>& panes, int clientWidth, int gap);
