// Settings values: the leading decimal of any text is finite, reads nothing past the NUL, is 0.0
// when the text does not start with a plain decimal number and otherwise the C library's value
// of that number; a rate written as text has six decimals and reads back as itself to within
// half the last decimal. A placement record is taken only at exactly 44 bytes with a normal
// rectangle that has area, and then that rectangle is the four little-endian words at offset 28.
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "settings/SettingsValues.h"

namespace {

bool StartsWithDigit(const char* text) { return isdigit(static_cast<unsigned char>(*text)) != 0; }

// What the C library reads of text, where the plain decimal form is all that counts.
double ExpectedDecimal(const char* text) {
    const char* p = text;
    while (isspace(static_cast<unsigned char>(*p))) ++p;
    if (*p == '+' || *p == '-') ++p;
    bool number = StartsWithDigit(p) || (p[0] == '.' && StartsWithDigit(p + 1));
    if (!number) return 0.0;
    // The C library would read "0x1p4" as hexadecimal; of that only the 0 is a decimal number.
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) return 0.0;
    double value = strtod(text, nullptr);
    return std::isfinite(value) ? value : 0.0;
}

void CheckLeadingDecimal(const uint8_t* data, size_t size) {
    // An exact-size copy, so reading past the NUL is an overflow the sanitizer reports.
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    double value = LeadingDecimal(text.data());
    FUZZ_CHECK(std::isfinite(value));
    FUZZ_CHECK(value == ExpectedDecimal(text.data()));
    FUZZ_CHECK(LeadingDecimal(nullptr) == 0.0);
}

// "%f": an optional minus, whole digits, a point and exactly six decimals.
bool IsFixedSixDecimals(const std::string& text) {
    size_t i = text[0] == '-' ? 1 : 0;
    size_t digits = 0;
    while (i < text.size() && isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
    if (digits == 0 || i >= text.size() || text[i] != '.') return false;
    size_t point = i++;
    while (i < text.size() && isdigit(static_cast<unsigned char>(text[i]))) ++i;
    return i == text.size() && i - point - 1 == 6;
}

void CheckRate(double rate) {
    std::string text = RateText(rate);
    FUZZ_CHECK(!text.empty() && text.size() < 256);
    double back = LeadingDecimal(text.c_str());
    FUZZ_CHECK(std::isfinite(back));
    if (!std::isfinite(rate)) {
        FUZZ_CHECK(back == 0.0);  // "inf" and "nan" are no numbers
        return;
    }
    // Every rate a window could use; beyond, the text may not fit its 256 bytes.
    if (std::fabs(rate) > 1e15) return;
    FUZZ_CHECK(IsFixedSixDecimals(text));
    FUZZ_CHECK(std::fabs(back - rate) <= 5e-7 + std::fabs(rate) * 1e-15);
    if (std::fabs(rate) >= 0.5) FUZZ_CHECK(std::fabs(back - rate) <= std::fabs(rate) * 1e-6);
    FUZZ_CHECK(RateText(back) == text);  // stored again, the same text
}

int32_t LittleEndianAt(const uint8_t* bytes) {
    return static_cast<int32_t>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<uint32_t>(bytes[3]) << 24);
}

void CheckPlacement(const uint8_t* data, size_t size) {
    std::vector<unsigned char> record(data, data + size);  // exact size, as for the text
    const RECT untouched = {-7, -7, -7, -7};
    RECT normal = untouched;
    bool taken = NormalRectOfPlacement(record.data(), record.size(), &normal);
    FUZZ_CHECK(!NormalRectOfPlacement(record.data(), record.size(), nullptr));
    RECT other = untouched;
    FUZZ_CHECK(!NormalRectOfPlacement(nullptr, record.size(), &other) && other.left == untouched.left);
    bool expected = false;
    int32_t left = 0, top = 0, right = 0, bottom = 0;
    if (size == kPlacementSize) {
        left = LittleEndianAt(data + 28);
        top = LittleEndianAt(data + 32);
        right = LittleEndianAt(data + 36);
        bottom = LittleEndianAt(data + 40);
        // The width and height must be sizes the window can take: positive and within an int.
        int64_t width = static_cast<int64_t>(right) - left;
        int64_t height = static_cast<int64_t>(bottom) - top;
        expected = width > 0 && height > 0 && width <= INT32_MAX && height <= INT32_MAX;
    }
    FUZZ_CHECK(taken == expected);
    if (!taken) {
        FUZZ_CHECK(normal.left == untouched.left && normal.top == untouched.top && normal.right == untouched.right &&
                   normal.bottom == untouched.bottom);
        return;
    }
    FUZZ_CHECK(normal.left == left && normal.top == top && normal.right == right && normal.bottom == bottom);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The same bytes are a stored rate text, a stored placement record and, when long enough,
    // the bits of a rate.
    CheckLeadingDecimal(data, size);
    CheckPlacement(data, size);
    std::string text(reinterpret_cast<const char*>(data), size);
    CheckRate(LeadingDecimal(text.c_str()));
    if (size >= sizeof(double)) {
        double rate;
        memcpy(&rate, data, sizeof(rate));
        CheckRate(rate);
    }
    return 0;
}
