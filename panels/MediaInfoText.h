#pragma once
// The information panel's text: the open file's length and what its video and audio streams
// are, as lines in code page 932 (Shift-JIS), each ending in CR LF.
#include <string>

#include "media/MediaFacts.h"

// fileSize in bytes serves only to check that a declared video bit rate is plausible.
std::string ComposeMediaInfoText(const MediaFormatInfo& format, const VideoSizeInfo& size, double fileSize);
