#include <gtest/gtest.h>

#include <windows.h>

#include "media/PathText.h"

TEST(PathTextExtension, ComparesTheFinalComponentsExtensionWithoutCase) {
    EXPECT_TRUE(ExtensionIs("C:\\movies\\clip.MOV", "mov"));
    EXPECT_TRUE(ExtensionIs("setup.Exe", "exe"));
    EXPECT_TRUE(ExtensionIs("C:/lib/codec.dll", "DLL"));
    EXPECT_TRUE(ExtensionIs("C:\\a.b\\archive.tar.lnk", "lnk"));
    EXPECT_FALSE(ExtensionIs("C:\\movies\\clip.mov2", "mov"));
    EXPECT_FALSE(ExtensionIs("C:\\movies\\clipmov", "mov"));
    EXPECT_FALSE(ExtensionIs("C:\\my.mov\\clip", "mov"));
    EXPECT_FALSE(ExtensionIs("C:my.mov\\", "mov"));
    EXPECT_FALSE(ExtensionIs(nullptr, "mov"));
    EXPECT_FALSE(ExtensionIs("clip.mov", nullptr));
}

TEST(PathTextExtension, PartsOfAPath) {
    EXPECT_STREQ("clip.avi", FinalPathComponent("C:\\movies\\clip.avi"));
    EXPECT_STREQ("clip.avi", FinalPathComponent("C:clip.avi"));
    EXPECT_STREQ("clip.avi", FinalPathComponent("clip.avi"));
    EXPECT_STREQ("", FinalPathComponent("C:\\movies\\"));
    EXPECT_STREQ("gz", PathExtension("a.tar.gz"));
    EXPECT_STREQ("", PathExtension("a."));
    EXPECT_EQ(nullptr, PathExtension("C:\\a.b\\c"));
    EXPECT_EQ(nullptr, FinalPathComponent(nullptr));
}

TEST(PathTextExtension, DoubleByteCharactersStayWhole) {
    if (GetACP() != 932) GTEST_SKIP() << "needs the Japanese ANSI code page";
    // 0x95 0x5C is one character whose second byte looks like a backslash.
    EXPECT_STREQ("\x95\x5c.avi", FinalPathComponent("C:\\dir\\\x95\x5c.avi"));
    EXPECT_STREQ("\x95\x5cmov", PathExtension("C:\\x.\x95\x5cmov"));
    // 0x83 0x41 and 0x83 0x61 are two different katakana; only their trail bytes differ in case.
    EXPECT_FALSE(ExtensionIs("clip.\x83\x41", "\x83\x61"));
    EXPECT_TRUE(ExtensionIs("clip.\x83\x41", "\x83\x41"));
    // Full-width letters are other characters than their ASCII look-alikes.
    EXPECT_FALSE(ExtensionIs("clip.\x82\x6c\x82\x6e\x82\x75", "mov"));
}
