// Status pane layout: one edge per pane; each part is its pane's width plus the gap; the first
// stretch pane alone takes the room left over, so with such a pane the last part ends at the
// bar's edge when the panes fit, and without room every pane keeps its width.
#include <vector>

#include "framework/StatusPaneLayout.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    // Widths are measured text or the bar's own borders: far below these limits.
    int clientWidth = input.ConsumeIntegralInRange(-100, 1 << 20);
    int gap = input.ConsumeIntegralInRange(0, 64);
    std::vector<StatusPaneSize> panes(input.ConsumeIntegralInRange(0, 16));
    for (StatusPaneSize& pane : panes) {
        pane.width = input.ConsumeIntegralInRange(0, 1 << 16);
        pane.stretch = input.ConsumeBool();
    }

    std::vector<int> edges = StatusPartEdges(panes, clientWidth, gap);
    FUZZ_CHECK(edges.size() == panes.size());
    if (panes.empty()) return 0;

    long long used = gap * static_cast<long long>(panes.size() - 1);
    for (const StatusPaneSize& pane : panes) used += pane.width;
    long long room = clientWidth > used ? clientWidth - used : 0;
    bool stretched = false;
    int previous = -gap;
    for (size_t i = 0; i < panes.size(); ++i) {
        long long width = static_cast<long long>(edges[i]) - previous - gap;
        bool grows = panes[i].stretch && !stretched && room > 0;
        FUZZ_CHECK(width == panes[i].width + (grows ? room : 0));
        stretched = stretched || grows;
        previous = edges[i];
    }
    FUZZ_CHECK(edges.back() == (stretched ? clientWidth : used));
    return 0;
}
