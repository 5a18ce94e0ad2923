#pragma once
// Wine 8 fills its lists of sound and MIDI devices the first time a process looks for filters, and
// not safely on two threads at once: a graph's render and a media detector, reading together, would
// both do it and about one process in a hundred crashes in winmm
// (scripts/platform/ConcurrentFirstReads.cpp). One look alone first leaves the lists complete, so
// the first render of a process makes that look before anything else reads, and the detector waits
// for it.

// True for the one caller that is to make the first look (then with RunFirstFilterLook), false
// ever after.
bool ClaimFirstFilterLook();
// The look itself, on whatever thread claimed it; readers waiting for it go on once it is over.
void RunFirstFilterLook();
// Returns once no first look is under way on another thread: at once when none was claimed or it
// is over; otherwise as a bounded call waits, serving paints, for no longer than its limit.
void AwaitFirstFilterLook();
