#pragma once
// The seek slider's layout and hit testing as plain arithmetic on client coordinates,
// so it can be checked without a window.
#include "framework/PlainTypes.h"

enum SliderPart { SliderNone = 0, SliderThumb = 5, SliderChannel = 6, SliderChannelSide = 7 };

// The client rectangle less the free space kept at each end.
RECT SliderInnerRect(const RECT& client, int inset);
// A thin band centred vertically in bounds; a band too narrow to exist shrinks to bounds' middle.
RECT SliderChannelRect(const RECT& bounds, int channelThickness);
// The thumb centred on the position's place along the channel.
RECT SliderThumbRect(const RECT& channel, int position, int minValue, int maxValue, int thumbWidth,
                     int thumbHeight);
// The value under client x: the inverse of the thumb placement; may fall outside the range (never
// outside the int range).
int SliderPositionFromX(int x, int clientWidth, int inset, int minValue, int maxValue);
// Thumb first, then the channel, then the channel's columns above and below it.
SliderPart SliderHitTest(POINT point, const RECT& thumb, const RECT& channel);
