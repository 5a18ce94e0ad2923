// Volume scale: whatever comes in, positions stay in 0..50 and levels in 0..65535, fractions in
// 0..1 (the unit table fixes the ends); a louder level or fraction never shows lower
// on the trackbar, and a higher position never writes a louder level. A position written and
// read back shows the same or one step quieter, never louder; a level read and written back
// from its position never comes out louder either.
#include "fuzz/FuzzCheck.h"
#include "panels/VolumeScale.h"

namespace {

bool IsPosition(int position) { return position >= 0 && position <= kVolumeTrackMax; }

void CheckLevel(unsigned level) {
    int position = LevelToTrackPosition(level);
    double fraction = LevelToFraction(level);
    FUZZ_CHECK(IsPosition(position) && fraction >= 0.0 && fraction <= 1.0);
    if (level < UINT32_MAX) FUZZ_CHECK(LevelToTrackPosition(level + 1) <= position);
    FUZZ_CHECK(TrackPositionToLevel(position) <= level);
}

void CheckPosition(int position) {
    unsigned level = TrackPositionToLevel(position);
    double fraction = TrackPositionToFraction(position);
    FUZZ_CHECK(level <= kMixerLevelMax && fraction >= 0.0 && fraction <= 1.0);
    if (position < INT32_MAX) FUZZ_CHECK(TrackPositionToLevel(position + 1) <= level);
    int shown = LevelToTrackPosition(level);
    if (IsPosition(position)) FUZZ_CHECK(shown == position || shown == position + 1);
}

void CheckFractions(double a, double b) {
    int position = FractionToTrackPosition(a);
    unsigned level = FractionToLevel(a);
    FUZZ_CHECK(IsPosition(position) && level <= kMixerLevelMax);
    if (!(a > 0.0)) FUZZ_CHECK(position == kVolumeTrackMax && level == 0);  // not a number too
    if (a >= 1.0) FUZZ_CHECK(position == 0 && level == kMixerLevelMax);
    if (a <= b) FUZZ_CHECK(FractionToTrackPosition(b) <= position && FractionToLevel(b) >= level);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    unsigned level = input.ConsumeIntegral<uint32_t>();
    int position = input.ConsumeIntegral<int32_t>();
    double a = input.ConsumeFloatingPoint<double>();
    double b = input.ConsumeFloatingPoint<double>();
    if (input.ConsumeBool()) {
        // Usually what the mixer and the trackbar hand over.
        level = input.ConsumeIntegralInRange<unsigned>(0, kMixerLevelMax + 1);
        position = input.ConsumeIntegralInRange(-1, kVolumeTrackMax + 1);
        a = input.ConsumeProbability<double>();
        b = input.ConsumeProbability<double>();
    }
    if (input.ConsumeBool()) a = AnyDouble(input);

    CheckLevel(level);
    CheckPosition(position);
    CheckFractions(a, b);
    CheckFractions(b, a);
    return 0;
}
