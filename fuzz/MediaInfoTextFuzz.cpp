// Information text: valid Shift-JIS with every line ending in CR LF and no "inf" or "nan"; the
// length line always, the video and audio sections only for the streams the file has, in that
// order, each value starting in the same column; the frame size, bit count, channels, sampling
// rate and audio bit rate are the inputs' exact values; the video bit rate is shown only when it
// lies within half the smaller of itself and the file's average rate, in kbps and at least 1; the
// frame rate only when it is a real rate above 0, and then to within a twentieth of a frame.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "panels/MediaInfoText.h"

namespace {

// The labels as the panel shows them in code page 932, each 17 bytes (17 columns).
const char kLength[] = "\x92\xb7\x82\xb3             ";
const char kFrameSize[] = "\x81\x40\xcc\xda\xb0\xd1\xbb\xb2\xbd\xde       ";
const char kBitRate[] = "\x81\x40\xcb\xde\xaf\xc4\xda\xb0\xc4        ";
const char kBitCount[] = "\x81\x40\xcb\xde\xaf\xc4\x90\x94         ";
const char kFrameRate[] = "\x81\x40\xcc\xda\xb0\xd1\xda\xb0\xc4        ";
const char kChannels[] = "\x81\x40\xc1\xac\xdd\xc8\xd9\x90\x94        ";
const char kSampling[] = "\x81\x40\xbb\xdd\xcc\xdf\xd8\xdd\xb8\xde\xda\xb0\xc4    ";
const size_t kLabelColumns = 17;

bool IsLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }
bool IsTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

void CheckShiftJis(const std::string& text) {
    for (size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        FUZZ_CHECK(c != 0 && c != 0x80 && c != 0xA0 && c < 0xFD);
        if (IsLeadByte(c)) {
            FUZZ_CHECK(i + 1 < text.size() && IsTrailByte(static_cast<unsigned char>(text[i + 1])));
            ++i;
        }
    }
}

// The lines without their CR LF; every CR is followed by LF and every LF preceded by CR.
std::vector<std::string> SplitLines(const std::string& text) {
    FUZZ_CHECK(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') FUZZ_CHECK(i + 1 < text.size() && text[i + 1] == '\n');
        if (text[i] != '\n') continue;
        FUZZ_CHECK(i > 0 && text[i - 1] == '\r');
        lines.push_back(text.substr(start, i - 1 - start));
        start = i + 1;
    }
    return lines;
}

void CheckNoInfinityOrNan(const std::string& text) {
    std::string lower;
    for (char c : text) lower += static_cast<char>(tolower(static_cast<unsigned char>(c)));
    FUZZ_CHECK(lower.find("inf") == std::string::npos && lower.find("nan") == std::string::npos);
}

// Reads the lines in order: a label and its value.
class LineReader {
public:
    explicit LineReader(const std::vector<std::string>& lines) : lines_(lines) {}
    bool Next(const char* label) {
        if (index_ >= lines_.size() || lines_[index_].compare(0, kLabelColumns, label) != 0) return false;
        FUZZ_CHECK(std::strlen(label) == kLabelColumns);
        value_ = lines_[index_++].substr(kLabelColumns);
        return true;
    }
    void Expect(const char* label, const std::string& value) {
        FUZZ_CHECK(Next(label));
        FUZZ_CHECK(value_ == value);
    }
    void ExpectLine(const char* line) {
        FUZZ_CHECK(index_ < lines_.size() && lines_[index_] == line);
        ++index_;
    }
    const std::string& value() const { return value_; }
    bool AtEnd() const { return index_ == lines_.size(); }

private:
    const std::vector<std::string>& lines_;
    size_t index_ = 0;
    std::string value_;
};

// "h:mm:ss": the hours in any number of digits, minutes and seconds in two each, below 60.
void CheckLength(LineReader* reader, uint32_t lengthMs) {
    FUZZ_CHECK(reader->Next(kLength));
    const std::string& value = reader->value();
    size_t hourDigits = 0;
    while (hourDigits < value.size() && isdigit(static_cast<unsigned char>(value[hourDigits]))) ++hourDigits;
    FUZZ_CHECK(hourDigits > 0 && value.size() == hourDigits + 6);
    const char* clock = value.c_str() + hourDigits;
    for (int i : {1, 2, 4, 5}) FUZZ_CHECK(isdigit(static_cast<unsigned char>(clock[i])));
    FUZZ_CHECK(clock[0] == ':' && clock[3] == ':' && clock[1] < '6' && clock[4] < '6');
    double shown = atof(value.c_str()) * 3600 + ((clock[1] - '0') * 10 + clock[2] - '0') * 60 +
                   (clock[4] - '0') * 10 + clock[5] - '0';
    FUZZ_CHECK(std::fabs(shown - lengthMs / 1000.0) <= 0.5);
}

template <class T>
T FieldAt(const BYTE* block, size_t offset) {
    T value;
    memcpy(&value, block + offset, sizeof(value));
    return value;
}

// The declared video rate and whether it is believed, worked out in wide arithmetic.
bool ShowsVideoBitRate(const MediaFormatInfo& format, const VideoSizeInfo& size, double fileSize, int64_t* declared) {
    int64_t fromBlock = 0;
    if (format.hasVideoInfo) fromBlock = FieldAt<uint32_t>(format.videoInfo, kVideoBitRateOffset);
    else if (format.hasVideoInfo2) fromBlock = FieldAt<uint32_t>(format.videoInfo2, kVideoBitRateOffset);
    *declared = fromBlock >= 1 ? fromBlock : size.bitRate;
    if (*declared <= 0 || format.lengthMs == 0) return false;
    double average = std::trunc(fileSize * 8000.0 / format.lengthMs);
    // An average that does not fit a signed 32-bit number counts as none.
    if (!(average > 0 && average <= INT32_MAX)) return false;
    int64_t averageRate = static_cast<int64_t>(average);
    int64_t smaller = averageRate < *declared ? averageRate : *declared;
    return std::llabs(averageRate - *declared) < smaller / 2;
}

void CheckVideo(LineReader* reader, const MediaFormatInfo& format, const VideoSizeInfo& size, double fileSize) {
    reader->ExpectLine("");
    reader->ExpectLine("\x81\x45Video");
    reader->Expect(kFrameSize, std::to_string(size.width) + "\x81\x7e" + std::to_string(size.height));
    int64_t declared = 0;
    if (ShowsVideoBitRate(format, size, fileSize, &declared)) {
        int64_t kbps = declared / 1000;
        FUZZ_CHECK(kbps <= UINT32_MAX / 1000);
        reader->Expect(kBitRate, std::to_string(kbps < 1 ? 1 : kbps) + " kbps");
    } else {
        FUZZ_CHECK(!reader->Next(kBitRate));
    }
    uint16_t bitCount = 0;
    if (format.hasVideoInfo) bitCount = FieldAt<uint16_t>(format.videoInfo, kVideoInfoBitCountOffset);
    else if (format.hasVideoInfo2) bitCount = FieldAt<uint16_t>(format.videoInfo2, kVideoInfo2BitCountOffset);
    if (bitCount != 0) reader->Expect(kBitCount, std::to_string(bitCount) + " bit");
    else FUZZ_CHECK(!reader->Next(kBitCount));
    if (format.frameRate > 0 && std::isfinite(format.frameRate)) {
        FUZZ_CHECK(reader->Next(kFrameRate));
        const std::string& value = reader->value();
        FUZZ_CHECK(value.size() > 6 && value.compare(value.size() - 4, 4, " fps") == 0);
        FUZZ_CHECK(value[value.size() - 6] == '.' && isdigit(static_cast<unsigned char>(value[value.size() - 5])));
        char* end = nullptr;
        double shown = strtod(value.c_str(), &end);
        FUZZ_CHECK(end == value.c_str() + value.size() - 4);
        FUZZ_CHECK(std::fabs(shown - format.frameRate) <= 0.05 + format.frameRate * 1e-15);
    } else {
        FUZZ_CHECK(!reader->Next(kFrameRate));
    }
}

void CheckAudio(LineReader* reader, const MediaFormatInfo& format) {
    reader->ExpectLine("");
    reader->ExpectLine("\x81\x45" "Audio");
    uint32_t avgBytesPerSec = FieldAt<uint32_t>(format.waveFormat, kWaveAvgBytesPerSecOffset);
    reader->Expect(kChannels, std::to_string(FieldAt<uint16_t>(format.waveFormat, kWaveChannelsOffset)) + " ch");
    reader->Expect(kSampling, std::to_string(FieldAt<uint32_t>(format.waveFormat, kWaveSamplesPerSecOffset)) + " Hz");
    reader->Expect(kBitRate, std::to_string(avgBytesPerSec * 8ull / 1000) + " kbps");
}

double ConsumeDouble(FuzzedDataProvider* input, double usualLow, double usualHigh) {
    switch (input->ConsumeIntegralInRange(0, 2)) {
        case 0: {  // any bits: infinities, not-a-number and denormals too
            uint64_t bits = input->ConsumeIntegral<uint64_t>();
            double value;
            memcpy(&value, &bits, sizeof(value));
            return value;
        }
        case 1:
            return input->ConsumeFloatingPoint<double>();
        default:
            return input->ConsumeFloatingPointInRange(usualLow, usualHigh);
    }
}

template <class T>
void PutField(BYTE* block, size_t offset, T value) {
    memcpy(block + offset, &value, sizeof(value));
}

int ConsumeFlag(FuzzedDataProvider* input) {
    // Flags are 0/1, but a damaged record may hold anything.
    return input->ConsumeBool() ? input->ConsumeIntegral<int>() : input->ConsumeIntegralInRange(0, 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    MediaFormatInfo format = {};
    format.lengthMs = input.ConsumeBool() ? input.ConsumeIntegral<uint32_t>() : input.ConsumeIntegralInRange(0, 7200000);
    format.hasAudio = ConsumeFlag(&input);
    format.hasVideo = ConsumeFlag(&input);
    format.frameRate = ConsumeDouble(&input, 0.0, 240.0);
    format.hasWaveFormat = ConsumeFlag(&input);
    format.hasVideoInfo = ConsumeFlag(&input);
    format.hasVideoInfo2 = ConsumeFlag(&input);
    PutField(format.waveFormat, kWaveChannelsOffset, input.ConsumeIntegral<uint16_t>());
    PutField(format.waveFormat, kWaveSamplesPerSecOffset, input.ConsumeIntegral<uint32_t>());
    PutField(format.waveFormat, kWaveAvgBytesPerSecOffset, input.ConsumeIntegral<uint32_t>());
    uint32_t blockRate = input.ConsumeIntegral<uint32_t>();
    PutField(format.videoInfo, kVideoBitRateOffset, blockRate);
    PutField(format.videoInfo2, kVideoBitRateOffset, input.ConsumeBool() ? blockRate : input.ConsumeIntegral<uint32_t>());
    PutField(format.videoInfo, kVideoInfoBitCountOffset, input.ConsumeIntegral<uint16_t>());
    PutField(format.videoInfo2, kVideoInfo2BitCountOffset, input.ConsumeIntegral<uint16_t>());
    VideoSizeInfo videoSize;
    videoSize.width = input.ConsumeIntegral<int>();
    videoSize.height = input.ConsumeIntegral<int>();
    videoSize.bitRate = input.ConsumeIntegral<int>();
    double fileSize = ConsumeDouble(&input, 0.0, 4294967296.0);
    if (input.ConsumeBool()) {
        // Usually a file whose size is near what its declared rate gives over its length.
        int64_t declared = blockRate >= 1 ? blockRate : videoSize.bitRate;
        fileSize = declared / 8000.0 * format.lengthMs * input.ConsumeFloatingPointInRange(0.4, 2.6);
    }

    std::string text = ComposeMediaInfoText(format, videoSize, fileSize);
    CheckShiftJis(text);
    CheckNoInfinityOrNan(text);
    std::vector<std::string> lines = SplitLines(text);
    LineReader reader(lines);
    CheckLength(&reader, format.lengthMs);
    if (format.hasVideo) CheckVideo(&reader, format, videoSize, fileSize);
    if (format.hasAudio) CheckAudio(&reader, format);
    FUZZ_CHECK(reader.AtEnd());
    return 0;
}
