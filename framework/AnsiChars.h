#pragma once
// Narrow text of the ANSI code page, one whole character at a time. The player asks for UTF-8 as
// its code page, where a character takes 1 to 4 bytes; Windows before 1903 ignores the request
// and keeps a double-byte code page such as Shift-JIS, where a trail byte may even look like a
// backslash. Every cut and every scan of narrow text steps with this one rule.
#include <cstddef>
#include <string>

struct CharRule {
    bool utf8;
    bool (*isLeadByte)(unsigned char);  // of the double-byte code page; unused under UTF-8
};

// The rule of the process's ANSI code page (on the native fuzzing build: Shift-JIS).
CharRule AnsiCharRule();
CharRule Utf8CharRule();
CharRule ShiftJisCharRule();

// Lead bytes of code page 932: 0x81-0x9F and 0xE0-0xFC.
bool IsShiftJisLeadByte(unsigned char c);

// Bytes of the character text starts with, never past its NUL; 0 at the NUL. A malformed UTF-8
// sequence, or a lead byte without its trail, counts as one byte.
size_t CharBytes(const char* text, const CharRule& rule);

// The length of the longest prefix of text, at most limit bytes, that ends on a whole character.
size_t WholeCharPrefix(const char* text, size_t limit, const CharRule& rule);

#ifdef _WIN32
// Narrow text of the ANSI code page as UTF-16; empty when it is empty or does not convert.
std::wstring AnsiToWide(const char* text);
#endif
