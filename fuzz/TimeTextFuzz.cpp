// Time text: every millisecond count reads h:mm:ss with minutes and seconds below 60, within
// half a second of the count (ties toward zero), never going back as the count grows; a short
// buffer gets the start of the text and its NUL. RoundNearest is the nearest integer, ties toward
// zero, pinned to the int range, and keeps the order of its arguments.
#include <climits>
#include <cmath>
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

void CheckClock(uint32_t ms) {
    std::string text = Format(ms);
    uint64_t shownMs = ParseClock(text) * 1000;
    uint64_t distance = shownMs > ms ? shownMs - ms : ms - shownMs;
    FUZZ_CHECK(distance < 500 || (distance == 500 && shownMs < ms));
    if (ms < UINT32_MAX) FUZZ_CHECK(ParseClock(Format(ms + 1)) >= ParseClock(text));

    // Exactly as long as the caller said, so a write past it is caught.
    size_t size = ms % (text.size() + 2);
    std::vector<char> shortText(size, 'x');
    FUZZ_CHECK(FormatMediaTime(size ? shortText.data() : nullptr, size, ms));
    if (size > 0) FUZZ_CHECK(std::string(shortText.data()) == text.substr(0, size - 1));
}

void CheckRound(double x, double y) {
    int r = RoundNearest(x);
    if (std::isnan(x)) FUZZ_CHECK(r == 0);
    else if (x >= static_cast<double>(INT_MAX)) FUZZ_CHECK(r == INT_MAX);
    else if (x <= static_cast<double>(INT_MIN)) FUZZ_CHECK(r == INT_MIN);
    else FUZZ_CHECK(std::fabs(r - x) < 0.5 || (std::fabs(r - x) == 0.5 && std::fabs(1.0 * r) < std::fabs(x)));
    if (x <= y)  // false when either is not a number
        FUZZ_CHECK(r <= RoundNearest(y));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    CheckClock(input.ConsumeIntegral<uint32_t>());
    CheckRound(AnyDouble(input), AnyDouble(input));
    // Halves and near-halves are where the ties live.
    int whole = input.ConsumeIntegral<int>();
    CheckRound(whole + 0.5, std::nextafter(whole + 0.5, 1e300));
    CheckRound(std::nextafter(whole - 0.5, -1e300), whole - 0.5);
    return 0;
}
