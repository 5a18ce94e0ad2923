#pragma once
// Fitting a picture into a rectangle.
#include "framework/PlainTypes.h"

// The largest rectangle of the picture's aspect ratio inside bounds, centred.
// False, with out untouched, when the picture or the bounds have no area.
bool FitVideoRect(RECT* out, const RECT* bounds, int videoWidth, int videoHeight);
