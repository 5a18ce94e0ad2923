#include "media/CurrentMedia.h"

#include <shellapi.h>

#include "media/MediaProbe.h"

bool CurrentMedia::Probe(const char* filePath) {
    Clear();
    if (!filePath || !ProbeMedia(filePath, &format)) return false;
    try {
        path = filePath;
    } catch (...) {
        return false;
    }
    open = true;
    // Without a size the picture simply fills the video area: the result does not matter.
    if (format.hasVideo) ProbeVideoSize(filePath, &size);
    SHFILEINFOA shellInfo = {};
    SHGetFileInfoA(filePath, FILE_ATTRIBUTE_ARCHIVE, &shellInfo, sizeof(shellInfo), SHGFI_ICON | SHGFI_SMALLICON);
    icon.Reset(shellInfo.hIcon);
    return true;
}

void CurrentMedia::Clear() {
    open = false;
    path.clear();
    format = MediaFormatInfo{};
    size = VideoSizeInfo{};
    icon.Reset(nullptr);
}
