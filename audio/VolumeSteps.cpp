#include "audio/VolumeSteps.h"

#include <cmath>

namespace {
const double kLevelMax = 65535.0;
const double kStepsInRange = 50.0;  // 2 % a step
}  // namespace

int TakeWheelNotches(int* pending, int delta) {
    if ((*pending > 0 && delta < 0) || (*pending < 0 && delta > 0)) *pending = 0;
    // A wheel message carries 16 bits of movement, so the sum never nears the limits of an int.
    *pending += delta;
    int notches = *pending / kWheelDelta;
    *pending -= notches * kWheelDelta;
    return notches;
}

unsigned LevelAfterNotches(unsigned level, int notches) {
    double from = level > kLevelMax ? kLevelMax : level;
    double to = std::ceil((from * kStepsInRange + notches * kLevelMax) / kStepsInRange);
    if (to < 0.0) return 0;
    if (to > kLevelMax) return static_cast<unsigned>(kLevelMax);
    return static_cast<unsigned>(to);
}
