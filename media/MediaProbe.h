#pragma once
// Deciding whether a file is playable media, and what its streams are.
#include <windows.h>

#include <cstdint>

struct MediaFormatInfo {
    uint32_t lengthMs;      // longest stream, milliseconds
    int hasAudio;           // 0/1
    int hasVideo;           // 0/1
    double frameRate;       // frames per second of the last video-bearing stream that reported one
    BYTE waveFormat[18];    // first bytes of the last WAVEFORMATEX block
    int hasWaveFormat;
    BYTE videoInfo[88];     // first bytes of the last VIDEOINFOHEADER block
    BYTE videoInfo2[112];   // first bytes of the last VIDEOINFOHEADER2 block
    int hasVideoInfo;
    int hasVideoInfo2;
};

struct VideoSizeInfo {
    int width;
    int height;
    int bitRate;
};

// True when the open may go on; info is zeroed first and filled from the media detector.
bool ProbeMedia(const char* path, MediaFormatInfo* info);
// Native picture size (and bit rate) from a graph that is built but never run.
bool ProbeVideoSize(const char* path, VideoSizeInfo* size);

// The verdict of ProbeMedia once the streams are read: streamFound is true when an audio-,
// video- or both-bearing stream was seen, mpegFile when the extension is "mpg" or "mpeg".
bool DecideProbe(const MediaFormatInfo& info, bool streamFound, bool mpegFile);
