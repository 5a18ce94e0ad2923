// Time text: every millisecond count reads h:mm:ss with minutes and seconds below 60, within
// half a second of the count (ties toward zero), never going back as the count grows; a short
// buffer gets the start of the text and its NUL.
#include <regex>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "media/TimeText.h"

namespace {

// Seconds shown by the text, which must be h:mm:ss.
uint64_t ParseClock(const std::string& text) {
    static const std::regex kClock("(0|[1-9][0-9]*):[0-5][0-9]:[0-5][0-9]");
    FUZZ_CHECK(std::regex_match(text, kClock));
    size_t colon = text.find(':');
    return strtoull(text.c_str(), nullptr, 10) * 3600 + atoi(&text[colon + 1]) * 60 + atoi(&text[colon + 4]);
}

std::string Format(uint32_t ms) {
    char text[32];
    std::memset(text, 'x', sizeof(text));
    FUZZ_CHECK(FormatMediaTime(text, sizeof(text), ms) && std::memchr(text, '\0', sizeof(text)));
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    uint32_t ms = input.ConsumeIntegral<uint32_t>();
    // Half seconds are where the ties live.
    if (input.ConsumeBool()) ms = ms / 1000 * 1000 + 500;
    std::string text = Format(ms);
    uint64_t shownMs = ParseClock(text) * 1000;
    uint64_t distance = shownMs > ms ? shownMs - ms : ms - shownMs;
    FUZZ_CHECK(distance < 500 || (distance == 500 && shownMs < ms));
    if (ms < UINT32_MAX) FUZZ_CHECK(ParseClock(Format(ms + 1)) >= ParseClock(text));

    // Exactly as long as the caller said, so a write past it is caught.
    size_t bytes = ms % (text.size() + 2);
    std::vector<char> shortText(bytes, 'x');
    FUZZ_CHECK(FormatMediaTime(bytes ? shortText.data() : nullptr, bytes, ms));
    if (bytes > 0) FUZZ_CHECK(std::string(shortText.data()) == text.substr(0, bytes - 1));
    return 0;
}
