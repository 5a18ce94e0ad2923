#pragma once
// Deciding whether a file is playable media, and what its streams are.
#include <windows.h>

#include <cstdint>

#include "media/MediaFacts.h"

// True when the open may go on; info is zeroed first and filled from the media detector.
bool ProbeMedia(const char* path, MediaFormatInfo* info);
// Native picture size (and bit rate) from a graph that is built but never run.
bool ProbeVideoSize(const char* path, VideoSizeInfo* size);

// The verdict of ProbeMedia once the streams are read: streamFound is true when an audio-,
// video- or both-bearing stream was seen, mpegFile when the extension is "mpg" or "mpeg".
bool DecideProbe(const MediaFormatInfo& info, bool streamFound, bool mpegFile);
