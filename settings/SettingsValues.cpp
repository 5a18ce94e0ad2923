#include "settings/SettingsValues.h"

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

size_t CountDigits(const char* text) {
    size_t n = 0;
    while (isdigit(static_cast<unsigned char>(text[n]))) ++n;
    return n;
}

int32_t Int32At(const unsigned char* bytes, size_t offset) {
    uint32_t value = static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
                     static_cast<uint32_t>(bytes[offset + 2]) << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
    return static_cast<int32_t>(value);
}

}  // namespace

std::string RateText(double rate) {
    char text[256];
    snprintf(text, sizeof(text), "%f", rate);
    return text;
}

double LeadingDecimal(const char* text) {
    if (!text) return 0.0;
    while (isspace(static_cast<unsigned char>(*text))) ++text;
    // Only the plain decimal form counts: "inf", "nan" and hexadecimal text, which the C
    // library would also take, are not numbers a rate was ever written as.
    size_t end = (*text == '+' || *text == '-') ? 1 : 0;
    size_t whole = CountDigits(text + end);
    end += whole;
    size_t fraction = 0;
    if (text[end] == '.') {
        fraction = CountDigits(text + end + 1);
        if (whole + fraction > 0) end += 1 + fraction;
    }
    if (whole + fraction == 0) return 0.0;
    if (text[end] == 'e' || text[end] == 'E') {
        size_t sign = (text[end + 1] == '+' || text[end + 1] == '-') ? 1 : 0;
        size_t exponent = CountDigits(text + end + 1 + sign);
        if (exponent > 0) end += 1 + sign + exponent;
    }
    std::string number(text, end);
    double value = strtod(number.c_str(), nullptr);
    return std::isfinite(value) ? value : 0.0;
}

bool NormalRectOfPlacement(const unsigned char* bytes, size_t size, RECT* normal) {
    if (!bytes || size != kPlacementSize || !normal) return false;
    RECT r;
    r.left = Int32At(bytes, kNormalRectOffset);
    r.top = Int32At(bytes, kNormalRectOffset + 4);
    r.right = Int32At(bytes, kNormalRectOffset + 8);
    r.bottom = Int32At(bytes, kNormalRectOffset + 12);
    // In 64 bits: the width of two extreme coordinates does not fit an int, nor would it as a size.
    int64_t width = static_cast<int64_t>(r.right) - r.left;
    int64_t height = static_cast<int64_t>(r.bottom) - r.top;
    if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX) return false;
    *normal = r;
    return true;
}
