#include "media/TimeText.h"

#include <climits>
#include <cmath>
#include <cstdio>

int RoundNearest(double x) {
    // Out of range (or not a number) would make the conversion undefined.
    if (std::isnan(x)) return 0;
    if (x >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (x <= static_cast<double>(INT_MIN)) return INT_MIN;
    int r = static_cast<int>(x);
    if (x >= 0) return std::fabs(r + 1.0 - x) < std::fabs(r - x) ? r + 1 : r;
    return std::fabs(r - 1.0 - x) < std::fabs(r - x) ? r - 1 : r;
}

bool FormatMediaTime(char* out, size_t size, uint32_t ms) {
    if (!out || size == 0) return true;
    // The whole time is rounded before splitting, so 59.501 s reads 0:01:00 rather than 0:00:60.
    // Dividing by 1000.0 keeps every half second exact, so ties really go toward zero.
    unsigned total = static_cast<unsigned>(RoundNearest(ms / 1000.0));
    unsigned hours = total / 3600;
    unsigned minutes = total % 3600 / 60;
    unsigned seconds = total % 60;
    snprintf(out, size, "%u:%02u:%02u", hours, minutes, seconds);
    return true;
}
