#include "hostile/RiffImage.h"

#include <windows.h>

#include <cstring>

namespace {
void Walk(const std::string& bytes, size_t from, size_t end, std::vector<RiffChunk>* out) {
    while (from + 8 <= end) {
        RiffChunk chunk;
        chunk.offset = from;
        chunk.id = bytes.substr(from, 4);
        memcpy(&chunk.size, bytes.data() + from + 4, 4);
        bool list = chunk.id == "RIFF" || chunk.id == "LIST";
        if (list && from + 12 <= end) chunk.listType = bytes.substr(from + 8, 4);
        out->push_back(chunk);
        size_t next = from + 8 + chunk.size + (chunk.size & 1);
        if (next > end || next < from) next = end;
        if (list) Walk(bytes, from + 12, next, out);
        from = next;
    }
}

void Append32(std::string* out, uint32_t value) { out->append(reinterpret_cast<const char*>(&value), 4); }
void Append16(std::string* out, uint16_t value) { out->append(reinterpret_cast<const char*>(&value), 2); }
void AppendChunk(std::string* out, const char* id, const std::string& data) {
    out->append(id, 4);
    Append32(out, static_cast<uint32_t>(data.size()));
    *out += data;
    if (data.size() & 1) out->push_back('\0');
}
std::string List(const char* type, const std::string& body) { return std::string(type, 4) + body; }
}  // namespace

bool RiffImage::Load(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD size = GetFileSize(file, nullptr);
    bytes.assign(size, '\0');
    DWORD read = 0;
    bool ok = ReadFile(file, &bytes[0], size, &read, nullptr) && read == size;
    CloseHandle(file);
    return ok;
}

bool RiffImage::Save(const std::string& path) const {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    bool ok = bytes.empty() || WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return ok;
}

std::vector<RiffChunk> RiffImage::Chunks() const {
    std::vector<RiffChunk> all;
    Walk(bytes, 0, bytes.size(), &all);
    return all;
}

RiffChunk RiffImage::Find(const std::string& name, int nth) const {
    for (const RiffChunk& chunk : Chunks())
        if ((chunk.id == name || chunk.listType == name) && nth-- == 0) return chunk;
    return RiffChunk{0, 0, "", ""};
}

size_t RiffImage::DataOf(const std::string& name, int nth) const {
    RiffChunk chunk = Find(name, nth);
    return chunk.offset + (chunk.listType.empty() ? 8 : 12);
}

uint32_t RiffImage::Get32(size_t offset) const {
    uint32_t value = 0;
    if (offset + 4 <= bytes.size()) memcpy(&value, bytes.data() + offset, 4);
    return value;
}

void RiffImage::Put32(size_t offset, uint32_t value) {
    if (offset + 4 <= bytes.size()) memcpy(&bytes[offset], &value, 4);
}

void RiffImage::Put16(size_t offset, uint16_t value) {
    if (offset + 2 <= bytes.size()) memcpy(&bytes[offset], &value, 2);
}

void RiffImage::PutId(size_t offset, const char* id) {
    if (offset + 4 <= bytes.size()) memcpy(&bytes[offset], id, 4);
}

std::string AudioOnlyAvi(const std::string& wavBytes) {
    RiffImage wav;
    wav.bytes = wavBytes;
    RiffChunk format = wav.Find("fmt ");
    RiffChunk data = wav.Find("data");
    if (!format.offset || !data.offset) return "";
    std::string waveFormat = wav.bytes.substr(format.offset + 8, 16);
    uint32_t rate = wav.Get32(format.offset + 12);
    uint32_t bytesPerSecond = wav.Get32(format.offset + 16);
    uint16_t blockAlign = static_cast<uint16_t>(wav.Get32(format.offset + 20));
    std::string samples = wav.bytes.substr(data.offset + 8, data.size);
    const uint32_t kChunk = 4096;
    uint32_t blocks = static_cast<uint32_t>(samples.size() / blockAlign);

    std::string avih;
    for (uint32_t value : {0u, bytesPerSecond, 0u, 0x10u, 0u, 0u, 1u, kChunk, 0u, 0u, 0u, 0u, 0u, 0u})
        Append32(&avih, value);
    std::string strh = "auds";
    for (uint32_t value : {0u, 0u, 0u, 0u}) Append32(&strh, value);  // handler, flags, priority+language, initial
    for (uint32_t value : {static_cast<uint32_t>(blockAlign), bytesPerSecond, 0u, blocks, kChunk, 0xFFFFFFFFu,
                           static_cast<uint32_t>(blockAlign), 0u, 0u})
        Append32(&strh, value);  // scale, rate, start, length, buffer, quality, sample size, frame
    (void)rate;
    std::string strf = waveFormat;
    Append16(&strf, 0);  // cbSize

    std::string strl, movi, index;
    AppendChunk(&strl, "strh", strh);
    AppendChunk(&strl, "strf", strf);
    std::string hdrl;
    AppendChunk(&hdrl, "avih", avih);
    AppendChunk(&hdrl, "LIST", List("strl", strl));
    for (size_t at = 0; at < samples.size(); at += kChunk) {
        std::string piece = samples.substr(at, kChunk);
        Append32(&index, 0x62773030);  // "00wb"
        Append32(&index, 0x10);        // key frame
        Append32(&index, static_cast<uint32_t>(movi.size() + 4));
        Append32(&index, static_cast<uint32_t>(piece.size()));
        AppendChunk(&movi, "00wb", piece);
    }
    std::string body = "AVI ";
    AppendChunk(&body, "LIST", List("hdrl", hdrl));
    AppendChunk(&body, "LIST", List("movi", movi));
    AppendChunk(&body, "idx1", index);
    std::string file;
    AppendChunk(&file, "RIFF", body);
    return file;
}
