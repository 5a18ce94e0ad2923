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
    SHFILEINFOA shellInfo = {};
    SHGetFileInfoA(filePath, FILE_ATTRIBUTE_ARCHIVE, &shellInfo, sizeof(shellInfo), SHGFI_ICON | SHGFI_SMALLICON);
    icon.Reset(shellInfo.hIcon);
    return true;
}

// Without a size the picture simply fills the video area: the result does not matter.
void CurrentMedia::TakeVideoSize(IGraphBuilder* rendered) {
    if (rendered && HasVideo()) ReadVideoSize(rendered, &size);
}

void CurrentMedia::Clear() {
    open = false;
    path.clear();
    format = MediaFormatInfo{};
    size = VideoSizeInfo{};
    icon.Reset(nullptr);
}
