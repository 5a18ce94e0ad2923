#pragma once
// The arithmetic of the position display: slider scale 0..10000 for the whole file.
#include <cstddef>
#include <cstdint>

const int kSliderScale = 10000;

// Slider value for a position; the slider itself clamps values past the end.
int SliderValueForPosition(uint32_t positionMs, uint32_t durationMs);
// Where a slider value seeks to; a value past the scale seeks to the end.
uint32_t SeekTargetForSlider(int sliderValue, uint32_t durationMs);
// " h:mm:ss / h:mm:ss" for status pane 1.
void FormatPositionText(char* out, size_t size, uint32_t positionMs, uint32_t durationMs);
