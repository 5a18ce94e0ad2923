#pragma once
// Clock text of media times.
#include <cstddef>
#include <cstdint>

// Nearest integer, ties toward zero: 2.5 -> 2, 2.51 -> 3, -2.5 -> -2.
int RoundNearest(double x);

// "h:mm:ss" of a millisecond count, rounded to whole seconds first so the seconds never read 60.
// Always true; out receives at most size bytes including the NUL.
bool FormatMediaTime(char* out, size_t size, uint32_t ms);
