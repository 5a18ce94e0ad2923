// Time text: every millisecond count reads h:mm:ss with minutes and seconds below 60, within
// half a second of the count (ties toward zero), never going back as the count grows; a short
// buffer gets the start of the text and its NUL. RoundNearest is the nearest integer, ties toward
// zero, pinned to the int range, and keeps the order of its arguments.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "media/TimeText.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Seconds shown by the text, which must be h:mm:ss.
uint64_t ParseClock(const std::string& text) {
    size_t colon = text.find(':');
    FUZZ_CHECK(colon != std::string::npos && colon > 0);
    FUZZ_CHECK(text.size() == colon + 6 && text[colon + 3] == ':');
    FUZZ_CHECK(colon == 1 || text[0] != '0');
    uint64_t hours = 0;
    for (size_t i = 0; i < colon; ++i) {
        FUZZ_CHECK(IsDigit(text[i]));
        hours = hours * 10 + (text[i] - '0');
    }
    const char* mm = text.c_str() + colon + 1;
    const char* ss = text.c_str() + colon + 4;
    FUZZ_CHECK(IsDigit(mm[0]) && IsDigit(mm[1]) && IsDigit(ss[0]) && IsDigit(ss[1]));
    int minutes = (mm[0] - '0') * 10 + (mm[1] - '0');
    int seconds = (ss[0] - '0') * 10 + (ss[1] - '0');
    FUZZ_CHECK(minutes < 60 && seconds < 60);
    return hours * 3600 + minutes * 60 + seconds;
}

std::string Format(uint32_t ms) {
    char text[32];
    std::memset(text, 'x', sizeof(text));
    FUZZ_CHECK(FormatMediaTime(text, sizeof(text), ms));
    FUZZ_CHECK(std::memchr(text, '\0', sizeof(text)) != nullptr);
    return text;
}

void CheckClock(uint32_t ms) {
    std::string text = Format(ms);
    uint64_t shownMs = ParseClock(text) * 1000;
    uint64_t distance = shownMs > ms ? shownMs - ms : ms - shownMs;
    FUZZ_CHECK(distance <= 500);
    if (distance == 500) FUZZ_CHECK(shownMs < ms);
    if (ms < UINT32_MAX) FUZZ_CHECK(ParseClock(Format(ms + 1)) >= ParseClock(text));

    // A short buffer, exactly as long as the caller said, holds the start of the text.
    size_t size = ms % (text.size() + 2);
    std::vector<char> shortText(size, 'x');
    FUZZ_CHECK(FormatMediaTime(size ? shortText.data() : nullptr, size, ms));
    FUZZ_CHECK(FormatMediaTime(shortText.data(), size, ms));
    if (size > 0) FUZZ_CHECK(std::string(shortText.data()) == text.substr(0, size - 1));
}

void CheckRound(double x, double y) {
    int r = RoundNearest(x);
    if (std::isnan(x)) {
        FUZZ_CHECK(r == 0);
        return;
    }
    if (x >= static_cast<double>(INT_MAX)) FUZZ_CHECK(r == INT_MAX);
    else if (x <= static_cast<double>(INT_MIN)) FUZZ_CHECK(r == INT_MIN);
    else {
        double off = std::fabs(r - x);
        FUZZ_CHECK(off <= 0.5);
        if (off == 0.5) FUZZ_CHECK(std::fabs(static_cast<double>(r)) < std::fabs(x));
    }
    if (!std::isnan(y) && x <= y) FUZZ_CHECK(r <= RoundNearest(y));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    CheckClock(input.ConsumeIntegral<uint32_t>());
    // Raw bytes reach NaN, infinities, denormals and halves alike.
    double x = 0, y = 0;
    input.ConsumeData(&x, sizeof(x));
    input.ConsumeData(&y, sizeof(y));
    CheckRound(x, y);
    // Halves and near-halves are where the ties live.
    int whole = input.ConsumeIntegral<int>();
    CheckRound(whole + 0.5, std::nextafter(whole + 0.5, 1e300));
    CheckRound(std::nextafter(whole - 0.5, -1e300), whole - 0.5);
    return 0;
}
