#pragma once
// A media file held in memory, with just enough RIFF walking to damage it in chosen places.
#include <cstdint>
#include <string>
#include <vector>

struct RiffChunk {
    size_t offset;  // of the chunk's four-character id
    uint32_t size;  // as the file states it
    std::string id;
    std::string listType;  // for RIFF and LIST chunks
};

class RiffImage {
public:
    bool Load(const std::string& path);
    bool Save(const std::string& path) const;

    // Every chunk in file order, nested ones included; a lying size ends the walk of its parent.
    std::vector<RiffChunk> Chunks() const;
    // The nth chunk (0-based) with this id, or with this list type for LIST chunks; offset 0 when absent.
    RiffChunk Find(const std::string& idOrListType, int nth = 0) const;
    // Offset of the data of the nth chunk (after its 8-byte header, or 12 for lists).
    size_t DataOf(const std::string& idOrListType, int nth = 0) const;

    uint32_t Get32(size_t offset) const;
    void Put32(size_t offset, uint32_t value);
    void Put16(size_t offset, uint16_t value);
    void PutId(size_t offset, const char* id);
    void Cut(size_t length) { bytes.resize(length); }

    std::string bytes;
};

// A small AVI built from scratch: one PCM audio stream and nothing else.
std::string AudioOnlyAvi(const std::string& wavBytes);
