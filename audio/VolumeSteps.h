#pragma once
// The mouse wheel's volume steps: plain arithmetic on mixer levels (0 silent to 65535 loudest).

const int kWheelDelta = 120;  // one notch of a wheel

// The wheel's movement in whole notches, louder > 0. pending carries what a fine-grained wheel
// sent short of a notch; a turn the other way starts afresh.
int TakeWheelNotches(int* pending, int delta);

// The level notches steps of 2 % of the range away, louder for notches > 0, held within the range.
// Rounded up to a whole level, so the volume dialog's scale (2 % a position, shown by truncation)
// moves exactly one position a notch.
unsigned LevelAfterNotches(unsigned level, int notches);
