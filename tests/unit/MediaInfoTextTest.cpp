// The information panel's text, read back from code page 932 as the panel shows it.
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstring>
#include <string>

#include "panels/MediaInfoText.h"

namespace {
// A label, its run of spaces and its value, as one line.
std::wstring Line(const std::wstring& label, int spaces, const std::wstring& value) {
    return label + std::wstring(static_cast<size_t>(spaces), L' ') + value + L"\r\n";
}
std::wstring LengthLine(const wchar_t* value) { return Line(L"長さ", 13, value); }
const std::wstring kVideo = L"\r\n・Video\r\n";
const std::wstring kAudio = L"\r\n・Audio\r\n";
std::wstring FrameSize(const wchar_t* value) { return Line(L"　ﾌﾚｰﾑｻｲｽﾞ", 7, value); }
std::wstring BitRate(const wchar_t* value) { return Line(L"　ﾋﾞｯﾄﾚｰﾄ", 8, value); }
std::wstring BitCount(const wchar_t* value) { return Line(L"　ﾋﾞｯﾄ数", 9, value); }
std::wstring FrameRate(const wchar_t* value) { return Line(L"　ﾌﾚｰﾑﾚｰﾄ", 8, value); }
std::wstring Channels(const wchar_t* value) { return Line(L"　ﾁｬﾝﾈﾙ数", 8, value); }
std::wstring Sampling(const wchar_t* value) { return Line(L"　ｻﾝﾌﾟﾘﾝｸﾞﾚｰﾄ", 4, value); }

std::wstring From932(const std::string& text) {
    wchar_t wide[2048] = {};
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.c_str(), -1, wide, 2048);
    return wide;
}

struct Facts {
    uint32_t lengthMs;
    int hasAudio, hasVideo;
    double frameRate;
    int videoInfo;  // 0 none, 1 the VIDEOINFOHEADER block, 2 the VIDEOINFOHEADER2 block
    DWORD declared;
    WORD bitCount;
    VideoSizeInfo size;
    WORD channels;
    DWORD samplesPerSec, avgBytesPerSec;
    double fileSize;
};

template <class T>
void Put(BYTE* block, size_t offset, T value) {
    memcpy(block + offset, &value, sizeof(value));
}

MediaFormatInfo FormatOf(const Facts& f) {
    MediaFormatInfo info = {f.lengthMs, f.hasAudio, f.hasVideo, f.frameRate};
    if (f.videoInfo) {
        bool first = f.videoInfo == 1;
        Put(first ? info.videoInfo : info.videoInfo2, kVideoBitRateOffset, f.declared);
        Put(first ? info.videoInfo : info.videoInfo2, first ? kVideoInfoBitCountOffset : kVideoInfo2BitCountOffset, f.bitCount);
        (first ? info.hasVideoInfo : info.hasVideoInfo2) = 1;
    }
    Put(info.waveFormat, kWaveChannelsOffset, f.channels);
    Put(info.waveFormat, kWaveSamplesPerSecOffset, f.samplesPerSec);
    Put(info.waveFormat, kWaveAvgBytesPerSecOffset, f.avgBytesPerSec);
    info.hasWaveFormat = f.channels != 0;
    return info;
}
}  // namespace

TEST(MediaInfoText, LinesFollowTheStreamsTheFileHas) {
    struct Case {
        const char* what;
        Facts facts;
        std::wstring expected;
    };
    const Case cases[] = {
        {"length 0, nothing else", {0}, LengthLine(L"0:00:00")},
        {"neither stream flag", {65000, 0, 0, 25.0, 1, 1000000, 24, {320, 240, 0}, 2, 44100, 176400, 1e6},
         LengthLine(L"0:01:05")},
        {"audio only", {3000, 1, 0, 0.0, 0, 0, 0, {0, 0, 0}, 2, 44100, 176400, 1e6},
         LengthLine(L"0:00:03") + kAudio + Channels(L"2 ch") + Sampling(L"44100 Hz") + BitRate(L"1411 kbps")},
        {"declared rate near the average", {10000, 1, 1, 29.97, 1, 1000000, 24, {320, 240, 0}, 1, 8000, 8000, 1750000},
         LengthLine(L"0:00:10") + kVideo + FrameSize(L"320×240") + BitRate(L"1000 kbps") + BitCount(L"24 bit") +
             FrameRate(L"30.0 fps") + kAudio + Channels(L"1 ch") + Sampling(L"8000 Hz") + BitRate(L"64 kbps")},
        {"declared rate half the smaller away", {10000, 0, 1, 25.0, 1, 1000000, 24, {320, 240, 0}, 0, 0, 0, 1875000},
         LengthLine(L"0:00:10") + kVideo + FrameSize(L"320×240") + BitCount(L"24 bit") + FrameRate(L"25.0 fps")},
        // A platform dividing by a zero frame duration reports an infinite rate: no rate at all.
        {"infinite frame rate", {1000, 0, 1, INFINITY, 0, 0, 0, {16, 16, 0}, 0, 0, 0, 0},
         LengthLine(L"0:00:01") + kVideo + FrameSize(L"16×16")},
        {"small rate shown as 1 kbps", {8000, 0, 1, 0.0, 2, 500, 0, {16, 16, 0}, 0, 0, 0, 600},
         LengthLine(L"0:00:08") + kVideo + FrameSize(L"16×16") + BitRate(L"1 kbps")},
    };
    for (const Case& c : cases) {
        std::string text = ComposeMediaInfoText(FormatOf(c.facts), c.facts.size, c.facts.fileSize);
        EXPECT_EQ(c.expected, From932(text)) << c.what;
    }
}
