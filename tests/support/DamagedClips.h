#pragma once
// Damaged copies of the generated test media (GStreamer's AVI and WAV muxers), made by small byte
// edits, and the four kinds that once kept Wine's splitter from ever answering.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "support/TestSupport.h"

namespace damaged {
using Bytes = std::vector<char>;

inline Bytes Read(const char* media = "clip.avi") {
    Bytes b;
    HANDLE file = CreateFileA(TestMediaPath(media).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) return b;
    b.resize(GetFileSize(file, nullptr));
    DWORD read = 0;
    if (!ReadFile(file, b.data(), static_cast<DWORD>(b.size()), &read, nullptr)) read = 0;
    b.resize(read);
    CloseHandle(file);
    return b;
}

inline uint32_t Get32(const Bytes& b, size_t at) {
    uint32_t v = 0;
    if (at + 4 <= b.size()) memcpy(&v, &b[at], 4);
    return v;
}
inline void Put(Bytes& b, size_t at, const void* bytes, size_t count) {
    if (at + count <= b.size()) memcpy(&b[at], bytes, count);
}
inline void Put32(Bytes& b, size_t at, uint32_t v) { Put(b, at, &v, 4); }
inline void PutId(Bytes& b, size_t at, const char* id) { Put(b, at, id, 4); }
// Offset of the first four-character code at or after from (a chunk's id, or a list's type), or npos.
inline size_t Find(const Bytes& b, const char* fourcc, size_t from = 12) {
    for (size_t i = from; i + 4 <= b.size(); ++i)
        if (memcmp(&b[i], fourcc, 4) == 0) return i;
    return std::string::npos;
}

inline bool Write(const std::string& path, const Bytes& b) {
    return WriteTestFile(path, std::string(b.begin(), b.end()));
}

inline bool CutInFirstFrame(const std::string& path) {
    Bytes b = Read();
    size_t movi = Find(b, "movi");
    size_t frame = movi == std::string::npos ? movi : Find(b, "00db", movi);
    if (frame == std::string::npos) return false;
    b.resize(frame + 8 + Get32(b, frame + 4) / 2);
    return Write(path, b);
}

inline bool IndexOffsetsNearTop(const std::string& path) {
    Bytes b = Read();
    size_t idx = Find(b, "idx1", b.size() > 65536 ? b.size() - 65536 : 12);
    if (idx == std::string::npos) return false;
    uint32_t entries = Get32(b, idx + 4) / 16;
    for (uint32_t i = 0; i < entries; ++i) Put32(b, idx + 8 + i * 16 + 8, 0xFFFFFF00u + (i % 0x80));
    return Write(path, b);
}

// The audio stream's scale, rate (strh +20, +24) and sample rate (strf data +4) all 0.
inline bool SilentRates(const std::string& path) {
    Bytes b = Read();
    size_t auds = Find(b, "auds");
    size_t strf = auds == std::string::npos ? auds : Find(b, "strf", auds);
    if (strf == std::string::npos) return false;
    Put32(b, auds + 20, 0);
    Put32(b, auds + 24, 0);
    Put32(b, strf + 12, 0);
    return Write(path, b);
}

// A 3 GB sparse file whose RIFF and movi sizes claim it all.
inline bool ClaimsThreeGigabytes(const std::string& path) {
    const uint32_t kSize = 3u * 1024 * 1024 * 1024;
    Bytes b = Read();
    size_t movi = Find(b, "movi");
    if (movi == std::string::npos) return false;
    Put32(b, 4, kSize - 8);
    Put32(b, movi - 4, kSize - static_cast<uint32_t>(movi));
    if (!Write(path, b)) return false;
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
