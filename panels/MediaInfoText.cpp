#include "panels/MediaInfoText.h"

#include <cmath>
#include <cstdarg>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "media/TimeText.h"

namespace {

// The labels in code page 932. Each label with its run of spaces is 17 bytes, and in CP932 a
// byte is a display column, so in the panel's monospaced font every value starts in one column.
const char kLengthLabel[] = "\x92\xb7\x82\xb3             ";                       // 長さ
const char kVideoHeader[] = "\x81\x45" "Video";                                    // ・Video
const char kAudioHeader[] = "\x81\x45" "Audio";                                    // ・Audio
const char kFrameSizeLabel[] = "\x81\x40\xcc\xda\xb0\xd1\xbb\xb2\xbd\xde       ";   // 　ﾌﾚｰﾑｻｲｽﾞ
const char kTimes[] = "\x81\x7e";                                                  // ×
const char kBitRateLabel[] = "\x81\x40\xcb\xde\xaf\xc4\xda\xb0\xc4        ";        // 　ﾋﾞｯﾄﾚｰﾄ
const char kBitCountLabel[] = "\x81\x40\xcb\xde\xaf\xc4\x90\x94         ";          // 　ﾋﾞｯﾄ数
const char kFrameRateLabel[] = "\x81\x40\xcc\xda\xb0\xd1\xda\xb0\xc4        ";      // 　ﾌﾚｰﾑﾚｰﾄ
const char kChannelsLabel[] = "\x81\x40\xc1\xac\xdd\xc8\xd9\x90\x94        ";       // 　ﾁｬﾝﾈﾙ数
const char kSamplingLabel[] = "\x81\x40\xbb\xdd\xcc\xdf\xd8\xdd\xb8\xde\xda\xb0\xc4    ";  // 　ｻﾝﾌﾟﾘﾝｸﾞﾚｰﾄ
const char kLineEnd[] = "\r\n";

// The copied format blocks keep the platform's layouts; fields are read by their offsets.
template <class T>
T FieldAt(const BYTE* block, size_t offset) {
    T value;
    memcpy(&value, block + offset, sizeof(value));
    return value;
}

void AddLine(std::string* text, const char* label, const char* format, ...) {
    // Room for any double in "%.1f" (309 whole digits at most), so no value is ever cut short.
    char value[352] = "";
    va_list args;
    va_start(args, format);
    vsnprintf(value, sizeof(value), format, args);
    va_end(args);
    *text += label;
    *text += value;
    *text += kLineEnd;
}

// The video bit rate a stream declares: its format block's, else what the renderer reported;
// 0 or less when nothing usable is known.
int64_t DeclaredVideoBitRate(const MediaFormatInfo& format, const VideoSizeInfo& size) {
    int64_t declared = 0;
    if (format.hasVideoInfo)
        declared = FieldAt<uint32_t>(format.videoInfo, kVideoBitRateOffset);
    else if (format.hasVideoInfo2)
        declared = FieldAt<uint32_t>(format.videoInfo2, kVideoBitRateOffset);
    return declared >= 1 ? declared : size.bitRate;
}

// A declared rate is believed only when it lies within half the smaller of itself and the
// file's average rate (file size over length).
bool BitRatePlausible(int64_t declared, double fileSize, uint32_t lengthMs) {
    if (declared <= 0 || lengthMs == 0) return false;
    double average = std::trunc(fileSize * 8000.0 / lengthMs);
    if (!(average > 0) || average > INT32_MAX) return false;
    int64_t averageRate = static_cast<int64_t>(average);
    int64_t smaller = averageRate < declared ? averageRate : declared;
    int64_t difference = averageRate > declared ? averageRate - declared : declared - averageRate;
    return difference < smaller / 2;
}

void AddVideoSection(std::string* text, const MediaFormatInfo& format, const VideoSizeInfo& size, double fileSize) {
    *text += kLineEnd;
    *text += kVideoHeader;
    *text += kLineEnd;
    *text += kFrameSizeLabel;
    *text += std::to_string(size.width) + kTimes + std::to_string(size.height) + kLineEnd;

    int64_t declared = DeclaredVideoBitRate(format, size);
    if (BitRatePlausible(declared, fileSize, format.lengthMs)) {
        int64_t kbps = declared / 1000;
        AddLine(text, kBitRateLabel, "%lld kbps", static_cast<long long>(kbps < 1 ? 1 : kbps));
    }

    uint16_t bitCount = 0;
    if (format.hasVideoInfo)
        bitCount = FieldAt<uint16_t>(format.videoInfo, kVideoInfoBitCountOffset);
    else if (format.hasVideoInfo2)
        bitCount = FieldAt<uint16_t>(format.videoInfo2, kVideoInfo2BitCountOffset);
    if (bitCount) AddLine(text, kBitCountLabel, "%u bit", static_cast<unsigned>(bitCount));

    // A platform that divides by a zero frame duration reports an infinite rate: no rate at all.
    if (format.frameRate > 0 && std::isfinite(format.frameRate))
        AddLine(text, kFrameRateLabel, "%.1f fps", format.frameRate);
}

void AddAudioSection(std::string* text, const MediaFormatInfo& format) {
    // Without an audio format block the zeroed record gives 0 for every value.
    uint16_t channels = FieldAt<uint16_t>(format.waveFormat, kWaveChannelsOffset);
    uint32_t samplesPerSec = FieldAt<uint32_t>(format.waveFormat, kWaveSamplesPerSecOffset);
    uint32_t avgBytesPerSec = FieldAt<uint32_t>(format.waveFormat, kWaveAvgBytesPerSecOffset);
    *text += kLineEnd;
    *text += kAudioHeader;
    *text += kLineEnd;
    AddLine(text, kChannelsLabel, "%u ch", static_cast<unsigned>(channels));
    AddLine(text, kSamplingLabel, "%lu Hz", static_cast<unsigned long>(samplesPerSec));
    // In 64 bits: a damaged header's byte rate times 8 does not fit 32.
    AddLine(text, kBitRateLabel, "%lld kbps", static_cast<long long>(avgBytesPerSec) * 8 / 1000);
}

}  // namespace

std::string ComposeMediaInfoText(const MediaFormatInfo& format, const VideoSizeInfo& size, double fileSize) {
    char length[32] = "";
    FormatMediaTime(length, sizeof(length), format.lengthMs);
    std::string text = std::string(kLengthLabel) + length + kLineEnd;
    if (format.hasVideo) AddVideoSection(&text, format, size, fileSize);
    if (format.hasAudio) AddAudioSection(&text, format);
    return text;
}
