#include "panels/VolumeScale.h"

namespace {

// NaN fails both comparisons and ends up at the low end.
double ClampFraction(double fraction) {
    if (fraction > 1.0) return 1.0;
    if (!(fraction >= 0.0)) return 0.0;
    return fraction;
}

}  // namespace

double LevelToFraction(unsigned level) {
    if (level > kMixerLevelMax) level = kMixerLevelMax;
    return level * (1.0 / kMixerLevelMax);
}

int FractionToTrackPosition(double fraction) {
    return kVolumeTrackMax - static_cast<int>(ClampFraction(fraction) * kVolumeTrackMax);
}

double TrackPositionToFraction(int position) {
    if (position < 0) position = 0;
    if (position > kVolumeTrackMax) position = kVolumeTrackMax;
    return (kVolumeTrackMax - position) * 0.02;
}

unsigned FractionToLevel(double fraction) {
    return static_cast<unsigned>(ClampFraction(fraction) * kMixerLevelMax);
}
