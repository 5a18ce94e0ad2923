// Volume scale, as the dialog chains it: whatever comes in, positions stay in 0..50, levels in
// 0..65535 and fractions in 0..1; a louder level never shows lower on the trackbar and a higher
// position never writes a louder level. A position written and shown again is the same or one
// step quieter, never louder; a level shown and written back never comes out louder.
#include "fuzz/FuzzCheck.h"
#include "panels/VolumeScale.h"

namespace {

bool IsPosition(int position) { return position >= 0 && position <= kVolumeTrackMax; }
int Shown(unsigned level) { return FractionToTrackPosition(LevelToFraction(level)); }
unsigned Written(int position) { return FractionToLevel(TrackPositionToFraction(position)); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    unsigned level = input.ConsumeIntegral<uint32_t>();
    int position = input.ConsumeIntegral<int32_t>();
    double fraction = AnyDouble(input);
    if (input.ConsumeBool()) {
        // Usually what the mixer and the trackbar hand over.
        level = input.ConsumeIntegralInRange<unsigned>(0, kMixerLevelMax + 1);
        position = input.ConsumeIntegralInRange(-1, kVolumeTrackMax + 1);
    }

    FUZZ_CHECK(Written(0) == kMixerLevelMax && Written(kVolumeTrackMax) == 0);
    FUZZ_CHECK(IsPosition(Shown(level)) && Written(position) <= kMixerLevelMax);
    FUZZ_CHECK(IsPosition(FractionToTrackPosition(fraction)) && FractionToLevel(fraction) <= kMixerLevelMax);
    double read = LevelToFraction(level), asked = TrackPositionToFraction(position);
    FUZZ_CHECK(read >= 0.0 && read <= 1.0 && asked >= 0.0 && asked <= 1.0);
    if (level < kMixerLevelMax) FUZZ_CHECK(Shown(level + 1) <= Shown(level));
    if (position < kVolumeTrackMax) FUZZ_CHECK(Written(position + 1) <= Written(position));
    FUZZ_CHECK(Written(Shown(level)) <= (level > kMixerLevelMax ? kMixerLevelMax : level));
    if (IsPosition(position)) FUZZ_CHECK(Shown(Written(position)) == position || Shown(Written(position)) == position + 1);
    return 0;
}
