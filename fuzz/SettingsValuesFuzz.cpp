// Settings values: the leading decimal of any text is finite, reads nothing past the NUL, is 0.0
// when the text does not start with a plain decimal number and otherwise the C library's value
// of that number; a rate written as text has six decimals and reads back as itself to within
// half the last decimal. A placement record is taken only at exactly 44 bytes with a normal
// rectangle that has area, and then that rectangle is the four little-endian words at offset 28.
#include <cctype>
#include <cmath>
#include <regex>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "settings/SettingsValues.h"

namespace {

bool IsDigit(char c) { return isdigit(static_cast<unsigned char>(c)) != 0; }

// What the C library reads of text, where the plain decimal form is all that counts.
double ExpectedDecimal(const char* text) {
    const char* p = text;
    while (isspace(static_cast<unsigned char>(*p))) ++p;
    if (*p == '+' || *p == '-') ++p;
    if (!IsDigit(p[0]) && !(p[0] == '.' && IsDigit(p[1]))) return 0.0;
    // The C library would read "0x1p4" as hexadecimal; of that only the 0 is a decimal number.
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) return 0.0;
    double value = strtod(text, nullptr);
    return std::isfinite(value) ? value : 0.0;
}

void CheckRate(double rate) {
    std::string text = RateText(rate);
    double back = LeadingDecimal(text.c_str());
    FUZZ_CHECK(!text.empty() && std::isfinite(back));
    if (!std::isfinite(rate)) {
        FUZZ_CHECK(back == 0.0);  // "inf" and "nan" are no numbers
        return;
    }
    // Every rate a window could use; beyond, the text may not fit its 256 bytes.
    if (std::fabs(rate) > 1e15) return;
    // "%f": an optional minus, whole digits, a point and exactly six decimals.
    static const std::regex kFixed("-?[0-9]+\\.[0-9]{6}");
    FUZZ_CHECK(std::regex_match(text, kFixed));
    FUZZ_CHECK(std::fabs(back - rate) <= 5e-7 + std::fabs(rate) * 1e-15);
    FUZZ_CHECK(RateText(back) == text);  // stored again, the same text
}

void CheckPlacement(const std::vector<unsigned char>& record) {
    const RECT untouched = {-7, -7, -7, -7};
    RECT normal = untouched;
    bool taken = NormalRectOfPlacement(record.data(), record.size(), &normal);
    if (record.size() != kPlacementSize) {
        FUZZ_CHECK(!taken && SameRect(normal, untouched));
        return;
    }
    const uint8_t* words = record.data() + kNormalRectOffset;
    RECT stored = {LittleEndian32(words), LittleEndian32(words + 4), LittleEndian32(words + 8), LittleEndian32(words + 12)};
    // The width and height must be sizes the window can take: positive and within an int.
    int64_t width = static_cast<int64_t>(stored.right) - stored.left;
    int64_t height = static_cast<int64_t>(stored.bottom) - stored.top;
    bool expected = width > 0 && height > 0 && width <= INT32_MAX && height <= INT32_MAX;
    FUZZ_CHECK(taken == expected && SameRect(normal, taken ? stored : untouched));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The same bytes, each copy exactly as long as the input so reading past it is an overflow the
    // sanitizer reports, are a stored rate text, a stored placement record and the bits of a rate.
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    double decimal = LeadingDecimal(text.data());
    FUZZ_CHECK(std::isfinite(decimal) && decimal == ExpectedDecimal(text.data()));
    CheckRate(decimal);
    CheckPlacement(std::vector<unsigned char>(data, data + size));
    if (size >= sizeof(double)) {
        double rate;
        std::memcpy(&rate, data, sizeof(rate));
        CheckRate(rate);
    }
    return 0;
}
