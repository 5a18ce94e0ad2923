#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "media/PathText.h"
#include "media/ShellUtil.h"

// Shortcuts are resolved in the window tests' drops; here, names that do not fit.
TEST(ShellUtilPaths, NamesThatDoNotFitAreRefusedRatherThanCut) {
    char out[MAX_PATH];
    char small[5] = "xxxx";
    EXPECT_FALSE(FileNameOfPath("C:\\clip.avi", small, sizeof(small)));
    EXPECT_STREQ("", small);
    // A name that fits is found beside the executable whenever the audio tests load their stand-ins.
    EXPECT_FALSE(PathBesideExecutable(std::string(MAX_PATH, 'n').c_str(), out));
}

// The fuzz target holds the path rules to IsShiftJisLeadByte; here that rule meets the platform's.
TEST(PathTextLeadBytes, NativeRuleMatchesCodePage932AndTrailBytesKeepTheirCase) {
    if (GetACP() != 932) GTEST_SKIP() << "needs the Japanese ANSI code page";
    for (int c = 0; c < 256; ++c)
        EXPECT_EQ(IsDBCSLeadByte(static_cast<BYTE>(c)) != 0, IsShiftJisLeadByte(static_cast<unsigned char>(c))) << c;
    // 0x95 0x5C is one character whose second byte looks like a backslash.
    EXPECT_TRUE(ExtensionIs("C:\\x.\x95\x5cmov", "\x95\x5cMOV"));
    // 0x83 0x41 and 0x83 0x61 are two different katakana; only their trail bytes differ in case.
    EXPECT_FALSE(ExtensionIs("clip.\x83\x41", "\x83\x61"));
}
