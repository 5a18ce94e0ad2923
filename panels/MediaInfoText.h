#pragma once
// The information panel's text: the open file's length and what its video and audio streams
// are, as lines in code page 932 (Shift-JIS), each ending in CR LF.
#include <cstdint>
#include <string>

#include "media/MediaProbe.h"

// fileSize in bytes serves only to check that a declared video bit rate is plausible.
std::string ComposeMediaInfoText(const MediaFormatInfo& format, const VideoSizeInfo& size, double fileSize);

// The video bit rate a stream declares: its format block's, else what the renderer reported;
// 0 or less when nothing usable is known.
int64_t DeclaredVideoBitRate(const MediaFormatInfo& format, const VideoSizeInfo& size);

// A declared rate is believed only when it lies within half the smaller of itself and the
// file's average rate (file size over length).
bool BitRatePlausible(int64_t declared, double fileSize, uint32_t lengthMs);
