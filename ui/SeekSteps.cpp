#include "ui/SeekSteps.h"

#include <cmath>

namespace {
const double kDefaultFrameRate = 25.0;
const double kMaxFrameRate = 1000.0;  // a frame of less than a millisecond cannot be sought to

double FrameLengthMs(double frameRate) {
    if (!(frameRate > 0.0) || !std::isfinite(frameRate)) frameRate = kDefaultFrameRate;
    if (frameRate > kMaxFrameRate) frameRate = kMaxFrameRate;
    return 1000.0 / frameRate;
}

// Frame k is sought to at this millisecond; every frame index below is defined by these starts,
// so a position reached by a step always counts as the frame it stepped to.
double FrameStartMs(double k, double frameMs) { return std::ceil(k * frameMs); }

double FrameIndexAt(uint32_t positionMs, double frameMs) {
    double k = std::floor(positionMs / frameMs);
    if (FrameStartMs(k + 1, frameMs) <= positionMs) ++k;
    if (k > 0 && FrameStartMs(k, frameMs) > positionMs) --k;
    return k;
}
}  // namespace

bool KeySeekTarget(uint32_t positionMs, uint32_t lengthMs, int deltaMs, uint32_t* targetMs) {
    if (lengthMs == 0 || deltaMs == 0) return false;
    int64_t target = static_cast<int64_t>(positionMs) + deltaMs;
    if (target < 0) target = 0;
    if (target > lengthMs) target = lengthMs;
    bool moves = deltaMs > 0 ? target > positionMs : target < positionMs;
    if (moves) *targetMs = static_cast<uint32_t>(target);
    return moves;
}

bool FrameStepTarget(uint32_t positionMs, uint32_t lengthMs, double frameRate, int direction, uint32_t* targetMs) {
    if (lengthMs == 0 || direction == 0) return false;
    double frameMs = FrameLengthMs(frameRate);
    // At or past the end the last frame stands on screen.
    double k = FrameIndexAt(positionMs < lengthMs ? positionMs : lengthMs - 1, frameMs);
    if (direction < 0 && k < 1) return false;
    double target = FrameStartMs(direction > 0 ? k + 1 : k - 1, frameMs);
    if (target >= lengthMs) return false;
    *targetMs = static_cast<uint32_t>(target);
    return true;
}
