#pragma once
// A still frame of a media file, taken by a media detector of its own, apart from playback.
#include <windows.h>

#include <cstdint>

// The picture of path at positionMs, width x height pixels, as a bitmap compatible with screenDc;
// null when the file has no video or the frame cannot be had. The caller deletes the bitmap.
HBITMAP GrabFrame(const char* path, uint32_t positionMs, int width, int height, HDC screenDc);
