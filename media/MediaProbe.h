#pragma once
// Deciding whether a file is playable media, and what its streams are.
#include <windows.h>

#include <cstdint>

#include "media/MediaFacts.h"

struct IGraphBuilder;

// True when the open may go on; info is zeroed first and filled from the media detector.
bool ProbeMedia(const char* path, MediaFormatInfo* info);
// Files that ProbeMedia refuses by their name alone, without opening them.
bool RefusedByName(const char* path);
// Native picture size (and bit rate) from a graph that is built but never run.
bool ProbeVideoSize(const char* path, VideoSizeInfo* size);
// The same from a graph that has rendered the file and is not running yet; true when both width
// and height were read.
bool ReadVideoSize(IGraphBuilder* graph, VideoSizeInfo* size);

// The verdict of ProbeMedia once the streams are read: streamFound is true when an audio-,
// video- or both-bearing stream was seen, mpegFile when the extension is "mpg" or "mpeg".
bool DecideProbe(const MediaFormatInfo& info, bool streamFound, bool mpegFile);
