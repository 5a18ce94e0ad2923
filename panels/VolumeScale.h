#pragma once
// The volume dialog's scale: mixer levels 0 (silent) to 65535 (loudest) against the positions
// of a vertical trackbar of 0 to 50, whose top (0) is the loudest. Plain arithmetic, in double
// precision and truncated toward zero.

const int kVolumeTrackMax = 50;
const unsigned kMixerLevelMax = 65535;

// The fraction of full volume a mixer level stands for.
double LevelToFraction(unsigned level);
// The trackbar position of a fraction (0.0 to 1.0; anything outside is held at the ends).
int FractionToTrackPosition(double fraction);
// The fraction a trackbar position stands for (positions outside 0 to 50 are held at the ends).
double TrackPositionToFraction(int position);
// The mixer level to write for a fraction; outside 0.0 to 1.0, and not a number, are held in range.
unsigned FractionToLevel(double fraction);
