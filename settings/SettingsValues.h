#pragma once
// The stored forms of the settings, free of the registry: the rate as text and the window
// placement as its 44-byte record.
#include <cstddef>
#include <string>

#include "framework/PlainTypes.h"

// The rate as "%f" text (six decimals), as it is stored.
std::string RateText(double rate);

// The leading decimal number of a text: after white space an optional sign, digits with an
// optional fraction, and an optional exponent. 0.0 when the text does not start with one, or
// when the number is too large for a double.
double LeadingDecimal(const char* text);

// A window placement as the platform lays it out: length, flags, showCmd, minimum and maximum
// positions, then the normal rectangle at offset 28; every field 32-bit little-endian.
const size_t kPlacementSize = 44;
const size_t kNormalRectOffset = 28;

// The normal rectangle of a stored placement; false when the record is not exactly 44 bytes or
// the rectangle has no area, so a damaged value keeps the window where the template puts it.
bool NormalRectOfPlacement(const unsigned char* bytes, size_t size, RECT* normal);
