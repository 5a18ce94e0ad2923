#pragma once
#include <windows.h>
#include <shellapi.h>

#include "media/MediaProbe.h"

// What is known of the open file; a file counts as open exactly while path is set.
struct CurrentMedia {
    char* path;
    MediaFormatInfo format;
    VideoSizeInfo size;
    SHFILEINFOA shellInfo;
};
