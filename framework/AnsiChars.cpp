#include "framework/AnsiChars.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Well-formed lengths only (RFC 3629): no overlong lead bytes, nothing past U+10FFFF.
size_t Utf8SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 1;
}

size_t Utf8CharBytes(const char* text) {
    size_t length = Utf8SequenceLength(static_cast<unsigned char>(text[0]));
    for (size_t i = 1; i < length; ++i)
        if (!IsContinuation(static_cast<unsigned char>(text[i]))) return 1;  // stops at the NUL too
    return length;
}

#ifdef _WIN32
bool IsAnsiLeadByte(unsigned char c) { return IsDBCSLeadByte(c) != 0; }
#endif

}  // namespace

bool IsShiftJisLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

CharRule Utf8CharRule() { return {true, nullptr}; }
CharRule ShiftJisCharRule() { return {false, IsShiftJisLeadByte}; }

CharRule AnsiCharRule() {
#ifdef _WIN32
    if (GetACP() == CP_UTF8) return Utf8CharRule();
    return {false, IsAnsiLeadByte};
#else
    return ShiftJisCharRule();
#endif
}

size_t CharBytes(const char* text, const CharRule& rule) {
    if (!text || text[0] == '\0') return 0;
    if (rule.utf8) return Utf8CharBytes(text);
    bool lead = rule.isLeadByte && rule.isLeadByte(static_cast<unsigned char>(text[0]));
    return lead && text[1] != '\0' ? 2 : 1;
}

size_t WholeCharPrefix(const char* text, size_t limit, const CharRule& rule) {
    size_t used = 0;
    for (size_t step = CharBytes(text, rule); step && used + step <= limit; step = CharBytes(text + used, rule))
        used += step;
    return used;
}

#ifdef _WIN32
std::wstring AnsiToWide(const char* text) {
    if (!text) return std::wstring();
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (MultiByteToWideChar(CP_ACP, 0, text, -1, &wide[0], length) != length) return std::wstring();
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}
#endif
