// Information text: every line ending in CR LF; the length line always, the video and audio
// sections only for the streams the file has, in that order, each value starting in the same
// column; the frame size, bit count, channels, sampling rate and audio bit rate are the inputs'
// exact values; the video bit rate is shown only when it lies within half the smaller of itself
// and the file's average rate, in kbps and at least 1; the frame rate only when it is a real rate
// above 0, and then as digits to within a twentieth of a frame. No "inf" or "nan" can pass these.
#include <algorithm>
#include <cmath>
#include <regex>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "media/TimeText.h"
#include "panels/MediaInfoText.h"

namespace {

// Labels and their runs of spaces fill 17 bytes, one display column each in code page 932.
const size_t kValueColumn = 17;

struct Section {
    std::string header;
    std::vector<std::string> values;
};

// The lines, each ended by CR LF; a blank line starts a section whose first line is its header.
std::vector<Section> Sections(const std::string& text) {
    std::vector<Section> sections(1);
    size_t start = 0, end;
    bool blank = false;
    for (; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::string line = text.substr(start, end - start);
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos && !(blank && line.empty()));
        if (line.empty() || blank) {
            if (blank) sections.push_back({line, {}});
            blank = line.empty();
            continue;
        }
        FUZZ_CHECK(line.size() > kValueColumn && line[kValueColumn - 1] == ' ' && line[kValueColumn] != ' ');
        sections.back().values.push_back(line.substr(kValueColumn));
    }
    FUZZ_CHECK(start == text.size() && !blank);
    return sections;
}

template <class T>
T FieldAt(const BYTE* block, size_t offset) {
    T value;
    std::memcpy(&value, block + offset, sizeof(value));
    return value;
}

template <class T>
void PutField(BYTE* block, size_t offset, T value) {
    std::memcpy(block + offset, &value, sizeof(value));
}

int64_t DeclaredVideoRate(const MediaFormatInfo& format, const VideoSizeInfo& size) {
    int64_t fromBlock = format.hasVideoInfo    ? FieldAt<uint32_t>(format.videoInfo, kVideoBitRateOffset)
                        : format.hasVideoInfo2 ? FieldAt<uint32_t>(format.videoInfo2, kVideoBitRateOffset)
                                               : 0;
    return fromBlock >= 1 ? fromBlock : size.bitRate;
}

// Worked out in wide arithmetic; an average that does not fit a signed 32-bit number counts as none.
bool Plausible(int64_t declared, double fileSize, uint32_t lengthMs) {
    if (declared <= 0 || lengthMs == 0) return false;
    double average = std::trunc(fileSize * 8000.0 / lengthMs);
    if (!(average > 0 && average <= INT32_MAX)) return false;
    int64_t averageRate = static_cast<int64_t>(average);
    return std::llabs(averageRate - declared) < std::min(averageRate, declared) / 2;
}

void CheckVideo(Section video, const MediaFormatInfo& format, const VideoSizeInfo& size, double fileSize) {
    FUZZ_CHECK(video.header == "\x81\x45" "Video");
    std::vector<std::string> expected = {std::to_string(size.width) + "\x81\x7e" + std::to_string(size.height)};
    int64_t declared = DeclaredVideoRate(format, size);
    if (Plausible(declared, fileSize, format.lengthMs))
        expected.push_back(std::to_string(std::max<int64_t>(declared / 1000, 1)) + " kbps");
    uint16_t bitCount = format.hasVideoInfo    ? FieldAt<uint16_t>(format.videoInfo, kVideoInfoBitCountOffset)
                        : format.hasVideoInfo2 ? FieldAt<uint16_t>(format.videoInfo2, kVideoInfo2BitCountOffset)
                                               : 0;
    if (bitCount != 0) expected.push_back(std::to_string(bitCount) + " bit");
    if (format.frameRate > 0 && std::isfinite(format.frameRate)) {
        FUZZ_CHECK(!video.values.empty());
        static const std::regex kRate("[0-9]+\\.[0-9] fps");
        FUZZ_CHECK(std::regex_match(video.values.back(), kRate));
        FUZZ_CHECK(std::fabs(atof(video.values.back().c_str()) - format.frameRate) <= 0.05 + format.frameRate * 1e-15);
        video.values.pop_back();
    }
    FUZZ_CHECK(video.values == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    MediaFormatInfo format = {};
    format.lengthMs = input.ConsumeBool() ? input.ConsumeIntegral<uint32_t>() : input.ConsumeIntegralInRange(0, 7200000);
    // Flags are 0/1, but a damaged record may hold anything.
    for (int* flag : {&format.hasAudio, &format.hasVideo, &format.hasWaveFormat, &format.hasVideoInfo, &format.hasVideoInfo2})
        *flag = input.ConsumeBool() ? input.ConsumeIntegral<int>() : input.ConsumeBool();
    format.frameRate = input.ConsumeBool() ? AnyDouble(input) : input.ConsumeFloatingPointInRange(0.0, 240.0);
    PutField(format.waveFormat, kWaveChannelsOffset, input.ConsumeIntegral<uint16_t>());
    PutField(format.waveFormat, kWaveSamplesPerSecOffset, input.ConsumeIntegral<uint32_t>());
    PutField(format.waveFormat, kWaveAvgBytesPerSecOffset, input.ConsumeIntegral<uint32_t>());
    uint32_t blockRate = input.ConsumeIntegral<uint32_t>();
    PutField(format.videoInfo, kVideoBitRateOffset, blockRate);
    PutField(format.videoInfo2, kVideoBitRateOffset, input.ConsumeBool() ? blockRate : input.ConsumeIntegral<uint32_t>());
    PutField(format.videoInfo, kVideoInfoBitCountOffset, input.ConsumeIntegral<uint16_t>());
    PutField(format.videoInfo2, kVideoInfo2BitCountOffset, input.ConsumeIntegral<uint16_t>());
    VideoSizeInfo videoSize = {input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>(), input.ConsumeIntegral<int>()};
    // Usually a file whose size is near what its declared rate gives over its length.
    double fileSize = input.ConsumeBool() ? AnyDouble(input)
                                          : DeclaredVideoRate(format, videoSize) / 8000.0 * format.lengthMs *
                                                input.ConsumeFloatingPointInRange(0.4, 2.6);

    std::string text = ComposeMediaInfoText(format, videoSize, fileSize);
    std::vector<Section> sections = Sections(text);
    char length[32];
    FormatMediaTime(length, sizeof(length), format.lengthMs);
    FUZZ_CHECK(sections[0].values == std::vector<std::string>{length});
    size_t next = 1;
    if (format.hasVideo) {
        FUZZ_CHECK(next < sections.size());
        CheckVideo(sections[next++], format, videoSize, fileSize);
    }
    if (format.hasAudio) {
        FUZZ_CHECK(next < sections.size() && sections[next].header == "\x81\x45" "Audio");
        const BYTE* wave = format.waveFormat;
        std::vector<std::string> expected = {
            std::to_string(FieldAt<uint16_t>(wave, kWaveChannelsOffset)) + " ch",
            std::to_string(FieldAt<uint32_t>(wave, kWaveSamplesPerSecOffset)) + " Hz",
            std::to_string(FieldAt<uint32_t>(wave, kWaveAvgBytesPerSecOffset) * 8ull / 1000) + " kbps"};
        FUZZ_CHECK(sections[next++].values == expected);
    }
    FUZZ_CHECK(next == sections.size());
    return 0;
}
