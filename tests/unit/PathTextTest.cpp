#include <gtest/gtest.h>

#include <windows.h>

#include "framework/AnsiChars.h"
#include "media/PathText.h"

// Where the player's code page is honoured it is UTF-8; where it is not, Shift-JIS cuts as before.
TEST(AnsiChars, CutsAndScansNeverSplitACharacterUnderEitherCodePage) {
    const struct { CharRule rule; const char* text; size_t limit, prefix; } cuts[] = {
        {Utf8CharRule(), "a\xed\x95\x9c\xea\xb5\xad", 3, 1},     // "a한국": the Hangul takes three bytes
        {Utf8CharRule(), "a\xed\x95\x9c\xea\xb5\xad", 4, 4},
        {Utf8CharRule(), "\xf0\x9f\x8e\xac!", 3, 0},             // an emoji takes four
        {Utf8CharRule(), "\xed\x95x", 3, 3},                     // a broken sequence: byte by byte
        {ShiftJisCharRule(), "a\x95\x5c\x82\xa0", 2, 1},         // "a表あ"
        {ShiftJisCharRule(), "a\x95\x5c\x82\xa0", 4, 3},
        {ShiftJisCharRule(), "a\x95", 9, 2},                     // a lead byte at the end stands alone
    };
    for (const auto& c : cuts) EXPECT_EQ(c.prefix, WholeCharPrefix(c.text, c.limit, c.rule)) << c.text << " " << c.limit;
    EXPECT_STREQ("avi", PathExtension("C:\\\x95\x5c.avi", ShiftJisCharRule()));
    EXPECT_STREQ("\x95\x5c.avi", FinalPathComponent("C:\\\x95\x5c.avi", ShiftJisCharRule()));
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(IsDBCSLeadByteEx(932, static_cast<BYTE>(c)) != 0, IsShiftJisLeadByte(static_cast<unsigned char>(c))) << c;
}
