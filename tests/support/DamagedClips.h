#pragma once
// Damaged copies of the generated test media (GStreamer's AVI and WAV muxers), made by small byte
// edits, and the four kinds that once kept Wine's splitter from ever answering.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>

#include "support/TestSupport.h"

namespace damaged {
using Bytes = std::string;

inline Bytes Read(const char* media = "clip.avi") { return ReadTestFile(TestMediaPath(media)); }

inline uint32_t Get32(const Bytes& b, size_t at) {
    uint32_t v = 0;
    if (at + 4 <= b.size()) memcpy(&v, &b[at], 4);
    return v;
}
inline void Put32(Bytes& b, size_t at, uint32_t v) {
    if (at + 4 <= b.size()) memcpy(&b[at], &v, 4);
}
inline void PutId(Bytes& b, size_t at, const char* id) {
    if (at + 4 <= b.size()) memcpy(&b[at], id, 4);
}
// Offset of the first four-character code at or after from (a chunk's id, or a list's type), or npos.
inline size_t Find(const Bytes& b, const char* fourcc, size_t from = 12) { return b.find(fourcc, from, 4); }

inline bool CutInFirstFrame(const std::string& path) {
    Bytes b = Read();
    size_t frame = Find(b, "00db", Find(b, "movi"));
    if (frame == std::string::npos) return false;
    b.resize(frame + 8 + Get32(b, frame + 4) / 2);
    return WriteTestFile(path, b);
}

inline bool IndexOffsetsNearTop(const std::string& path) {
    Bytes b = Read();
    size_t idx = Find(b, "idx1", b.size() > 65536 ? b.size() - 65536 : 12);
    if (idx == std::string::npos) return false;
    uint32_t entries = Get32(b, idx + 4) / 16;
    for (uint32_t i = 0; i < entries; ++i) Put32(b, idx + 8 + i * 16 + 8, 0xFFFFFF00u + (i % 0x80));
    return WriteTestFile(path, b);
}

// The audio stream's scale, rate (strh +20, +24) and sample rate (strf data +4) all 0.
inline bool SilentRates(const std::string& path) {
    Bytes b = Read();
    size_t auds = Find(b, "auds");
    size_t strf = Find(b, "strf", auds);
    if (strf == std::string::npos) return false;
    Put32(b, auds + 20, 0);
    Put32(b, auds + 24, 0);
    Put32(b, strf + 12, 0);
    return WriteTestFile(path, b);
}

// A 3 GB sparse file whose RIFF and movi sizes claim it all.
inline bool ClaimsThreeGigabytes(const std::string& path) {
    const uint32_t kSize = 3u * 1024 * 1024 * 1024;
    Bytes b = Read();
    size_t movi = Find(b, "movi");
    if (movi == std::string::npos) return false;
    Put32(b, 4, kSize - 8);
    Put32(b, movi - 4, kSize - static_cast<uint32_t>(movi));
    if (!WriteTestFile(path, b)) return false;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    LARGE_INTEGER end;
    end.QuadPart = kSize;
    bool grown = SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
    CloseHandle(file);
    return grown;
}

struct Kind {
    const char* name;
    bool (*make)(const std::string& path);
};
inline const Kind kKinds[] = {{"cut-in-first-frame.avi", CutInFirstFrame},
                              {"index-near-top.avi", IndexOffsetsNearTop},
                              {"silent-rates.avi", SilentRates},
                              {"claims-3gb.avi", ClaimsThreeGigabytes}};
}  // namespace damaged
