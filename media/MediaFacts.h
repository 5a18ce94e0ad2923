#pragma once
// What the probes learn of a file, as plain records the information text reads without the
// platform's headers.
#include <cstddef>
#include <cstdint>

#include "framework/PlainTypes.h"

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

// Where the fields read from the copied blocks lie in the platform's layouts (checked against
// its headers where the blocks are copied).
const size_t kWaveChannelsOffset = 2;         // WAVEFORMATEX nChannels, 16 bits
const size_t kWaveSamplesPerSecOffset = 4;    // nSamplesPerSec, 32 bits
const size_t kWaveAvgBytesPerSecOffset = 8;   // nAvgBytesPerSec, 32 bits
const size_t kVideoBitRateOffset = 32;        // VIDEOINFOHEADER and VIDEOINFOHEADER2 dwBitRate, 32 bits
const size_t kVideoInfoBitCountOffset = 62;   // VIDEOINFOHEADER bmiHeader.biBitCount, 16 bits
const size_t kVideoInfo2BitCountOffset = 86;  // VIDEOINFOHEADER2 bmiHeader.biBitCount, 16 bits
