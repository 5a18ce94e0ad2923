#include "media/VideoRect.h"

#include <cmath>

bool FitVideoRect(RECT* out, const RECT* bounds, int videoWidth, int videoHeight) {
    if (!out || !bounds || videoWidth <= 0 || videoHeight <= 0) return false;
    long long boundsWidth = static_cast<long long>(bounds->right) - bounds->left;
    long long boundsHeight = static_cast<long long>(bounds->bottom) - bounds->top;
    if (boundsWidth <= 0 || boundsHeight <= 0) return false;

    double aspect = static_cast<double>(videoWidth) / videoHeight;
    // Truncated before the comparison, so a product just above the width still fits it; kept
    // in floating point, so a very wide picture cannot overflow the integer width.
    double fullHeightWidth = std::trunc(boundsHeight * aspect);
    long long w, h;
    if (fullHeightWidth > static_cast<double>(boundsWidth)) {
        w = boundsWidth;
        h = static_cast<long long>(boundsWidth / aspect);
    } else {
        w = static_cast<long long>(fullHeightWidth);
        h = boundsHeight;
    }
    long long horizontal = static_cast<long long>(bounds->left) + bounds->right;
    long long vertical = static_cast<long long>(bounds->top) + bounds->bottom;
    out->left = static_cast<LONG>((horizontal - w) / 2);
    out->top = static_cast<LONG>((vertical - h) / 2);
    out->right = static_cast<LONG>((horizontal + w) / 2);
    out->bottom = static_cast<LONG>((vertical + h) / 2);
    return true;
}
