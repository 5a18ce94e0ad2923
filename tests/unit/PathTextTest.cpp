#include <gtest/gtest.h>

#include <windows.h>

#include "media/PathText.h"

TEST(PathTextExtension, ComparesTheFinalComponentsExtensionWithoutCase) {
    EXPECT_TRUE(ExtensionIs("C:\\movies\\clip.MOV", "mov"));
    EXPECT_TRUE(ExtensionIs("C:/lib/codec.dll", "DLL"));
    EXPECT_FALSE(ExtensionIs("C:\\movies\\clip.mov2", "mov"));
    EXPECT_FALSE(ExtensionIs("C:\\movies\\clipmov", "mov"));
    EXPECT_FALSE(ExtensionIs("C:\\my.mov\\clip", "mov"));
    if (GetACP() != 932) GTEST_SKIP() << "the rest needs the Japanese ANSI code page";
    // 0x95 0x5C is one character whose second byte looks like a backslash.
    EXPECT_TRUE(ExtensionIs("C:\\x.\x95\x5cmov", "\x95\x5cMOV"));
    // 0x83 0x41 and 0x83 0x61 are two different katakana; only their trail bytes differ in case.
    EXPECT_FALSE(ExtensionIs("clip.\x83\x41", "\x83\x61"));
}

TEST(PathTextLeadBytes, NativeRuleMatchesCodePage932) {
    if (GetACP() != 932) GTEST_SKIP() << "needs the Japanese ANSI code page";
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(IsDBCSLeadByte(static_cast<BYTE>(c)) != 0, IsShiftJisLeadByte(static_cast<unsigned char>(c))) << c;
}
