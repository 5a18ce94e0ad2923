// Seeking keys: an arrow moves the way it points, by its step or to the end of the clip, and never
// without a length; a frame step lands past (before) the position within the clip, and
// stepping forward then back, or back then forward, returns to the very millisecond it left.
#include "fuzz/FuzzCheck.h"
#include "ui/SeekSteps.h"

namespace {

void CheckKeySeek(uint32_t position, uint32_t length, int delta) {
    uint32_t target = 0;
    if (!KeySeekTarget(position, length, delta, &target)) return;
    FUZZ_CHECK(length > 0 && target <= length && (delta > 0 ? target > position : target < position));
    // The step exactly, but where the clip ends.
    if (target != 0 && target != length) FUZZ_CHECK(static_cast<int64_t>(target) - position == delta);
}

void CheckFrameStep(uint32_t position, uint32_t length, double rate) {
    uint32_t next = 0, back = 0, again = 0;
    uint32_t shown = position < length ? position : length - 1;
    if (FrameStepTarget(position, length, rate, 1, &next)) {
        FUZZ_CHECK(next > shown && next < length);
        FUZZ_CHECK(FrameStepTarget(next, length, rate, -1, &back) && back <= shown);
        FUZZ_CHECK(FrameStepTarget(back, length, rate, 1, &again) && again == next);
    }
    if (FrameStepTarget(position, length, rate, -1, &back)) {
        FUZZ_CHECK(back < shown);
        FUZZ_CHECK(FrameStepTarget(back, length, rate, 1, &next) && next > back && next <= shown);
        FUZZ_CHECK(FrameStepTarget(next, length, rate, -1, &again) && again == back);
    }
    if (length == 0) FUZZ_CHECK(!FrameStepTarget(position, length, rate, 1, &next));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    uint32_t length = input.ConsumeIntegral<uint32_t>();
    uint32_t position = input.ConsumeIntegral<uint32_t>();
    int delta = input.ConsumeIntegral<int>();
    double rate = input.ConsumeBool() ? AnyDouble(input) : input.ConsumeFloatingPointInRange(0.0, 240.0);
    if (input.ConsumeBool()) position = input.ConsumeIntegralInRange<uint32_t>(0, length);
    CheckKeySeek(position, length, delta);
    CheckFrameStep(position, length, rate);
    return 0;
}
