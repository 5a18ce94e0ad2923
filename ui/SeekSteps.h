#pragma once
// Where the seeking keys go: plain arithmetic on milliseconds. Each answers false when there is
// nothing to do, and the caller then leaves playback alone.
#include <cstdint>

// The arrow keys: deltaMs from the position shown, held within 0..length. Nothing to do when the
// length is unknown (0), or when the target is where playback already stands (a forward key at
// the end, a backward one at the start).
bool KeySeekTarget(uint32_t positionMs, uint32_t lengthMs, int deltaMs, uint32_t* targetMs);

// A frame step: the first whole millisecond of the frame after (direction > 0) or before
// (direction < 0) the one shown at the position, frames lasting 1/frameRate s (1/25 s without a
// usable rate). Landing inside the frame, not on the last millisecond of the one before it, is
// what makes the picture change. Nothing to do before the first frame, past the last one that
// starts within the length, or when the length is unknown (0).
bool FrameStepTarget(uint32_t positionMs, uint32_t lengthMs, double frameRate, int direction, uint32_t* targetMs);
