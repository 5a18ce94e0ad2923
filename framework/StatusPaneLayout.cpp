#include "framework/StatusPaneLayout.h"

std::vector<int> StatusPartEdges(const std::vector<StatusPaneSize>& panes, int clientWidth, int gap) {
    std::vector<int> edges;
    if (panes.empty()) return edges;
    int used = gap * static_cast<int>(panes.size() - 1);
    for (const StatusPaneSize& pane : panes) used += pane.width;
    int extra = clientWidth > used ? clientWidth - used : 0;
    int right = -gap;
    for (const StatusPaneSize& pane : panes) {
        int width = pane.width;
        if (pane.stretch && extra > 0) {
            width += extra;
            extra = 0;
        }
        right += gap + width;
        edges.push_back(right);
    }
    return edges;
}
