#include "controls/DoubleClick.h"

#include <cstdlib>

bool IsSecondClick(const ClickRecord& first, DWORD time, POINT point, UINT doubleClickTime, SIZE size) {
    if (!first.pending) return false;
    // Unsigned difference: still right when the tick count wraps between the presses.
    if (time - first.time >= doubleClickTime) return false;
    return std::labs(point.x - first.point.x) <= size.cx / 2 && std::labs(point.y - first.point.y) <= size.cy / 2;
}
