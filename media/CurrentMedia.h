#pragma once
// What is known of the open file: its path, what the probes learnt of it and its small icon.
// A file counts as open exactly while the path is set.
#include <windows.h>
#include <dshow.h>

#include <string>

#include "framework/Scoped.h"
#include "media/MediaFacts.h"

class CurrentMedia {
public:
    CurrentMedia() = default;
    virtual ~CurrentMedia() = default;
    CurrentMedia(const CurrentMedia&) = delete;
    CurrentMedia& operator=(const CurrentMedia&) = delete;

    // Empties the record, then probes the file at path (already resolved from any shortcut). When
    // the probe accepts it, the file becomes the open one, with its small icon; otherwise the
    // record stays empty but for what the streams reported.
    bool Probe(const char* path);
    // The open file's native picture size, from a graph that has rendered it: the file is not
    // read again for it. Nothing for a file without video, or without such a graph.
    void TakeVideoSize(IGraphBuilder* rendered);
    // Nothing open any more: path, facts and icon are let go.
    void Clear();

    bool IsOpen() const { return open; }
    // Null while nothing is open.
    const char* Path() const { return open ? path.c_str() : nullptr; }
    bool HasVideo() const { return open && format.hasVideo; }
    const MediaFormatInfo& Format() const { return format; }
    const VideoSizeInfo& Size() const { return size; }
    // Null when the shell gave none.
    HICON SmallIcon() const { return icon.Get(); }

private:
    bool open = false;
    std::string path;
    MediaFormatInfo format = {};
    VideoSizeInfo size = {};
    ScopedIcon icon;
};
