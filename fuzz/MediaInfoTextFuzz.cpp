// Information text under any record, however damaged: every line ends in CR LF and holds a label
// of 17 columns and its value; the length line always, then the video and audio sections only for
// the streams the file has, in that order. No value reads "inf" or "nan", and a video bit rate
// shown is at least 1 kbps. The values themselves are the unit table's.
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "panels/MediaInfoText.h"

namespace {

const size_t kValueColumn = 17;

template <class T>
void PutField(BYTE* block, size_t offset, T value) {
    std::memcpy(block + offset, &value, sizeof(value));
}

// The section headers in order; every other line checked on the way.
std::vector<std::string> Headers(const std::string& text) {
    std::vector<std::string> headers;
    size_t start = 0, end;
    bool blank = false;
    for (; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        std::string line = text.substr(start, end - start);
        FUZZ_CHECK(line.find_first_of("\r\n") == std::string::npos && !(blank && line.empty()));
        if (blank) {
            headers.push_back(line);
        } else if (!line.empty()) {
            FUZZ_CHECK(line.size() > kValueColumn && line[kValueColumn - 1] == ' ' && line[kValueColumn] != ' ');
            std::string value = line.substr(kValueColumn);
            FUZZ_CHECK(value.find("inf") == std::string::npos && value.find("nan") == std::string::npos);
            FUZZ_CHECK(headers.empty() || headers.back() != "\x81\x45" "Video" || value != "0 kbps");
        }
        blank = line.empty();
    }
    FUZZ_CHECK(start == text.size() && !blank);
    return headers;
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
                                          : blockRate / 8000.0 * format.lengthMs * input.ConsumeFloatingPointInRange(0.4, 2.6);

    std::vector<std::string> expected;
    if (format.hasVideo) expected.push_back("\x81\x45" "Video");
    if (format.hasAudio) expected.push_back("\x81\x45" "Audio");
    FUZZ_CHECK(Headers(ComposeMediaInfoText(format, videoSize, fileSize)) == expected);
    return 0;
}
