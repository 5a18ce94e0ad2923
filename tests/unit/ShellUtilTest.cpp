#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "media/ShellUtil.h"
#include "support/TestSupport.h"

TEST(ShellUtilResolveShortcut, GivesTheTargetOfAFileLinkOnly) {
    std::string folder = TestScratchFolder("shellutil-link");
    std::string target = folder + "\\Movie.AVI";
    ASSERT_TRUE(WriteTestFile(folder + "\\fake.lnk", "not a shell link at all"));
    ASSERT_TRUE(MakeShortcut(folder + "\\movie.lnk", target));

    char out[MAX_PATH] = "unchanged";
    EXPECT_FALSE(ResolveShortcut((folder + "\\missing.lnk").c_str(), out));
    EXPECT_FALSE(ResolveShortcut((folder + "\\fake.lnk").c_str(), out));
    EXPECT_STREQ("unchanged", out);
    ASSERT_TRUE(ResolveShortcut((folder + "\\movie.lnk").c_str(), out));
    EXPECT_EQ(0, lstrcmpiA(target.c_str(), out)) << out;
}

TEST(ShellUtilPaths, NamesThatDoNotFitAreRefusedRatherThanCut) {
    char out[MAX_PATH];
    ASSERT_TRUE(FileNameOfPath("C:\\movies\\clip.avi", out, sizeof(out)));
    EXPECT_STREQ("clip.avi", out);
    char small[5] = "xxxx";
    EXPECT_FALSE(FileNameOfPath("C:\\clip.avi", small, sizeof(small)));
    EXPECT_STREQ("", small);
    // A name that fits is found beside the executable whenever the audio tests load their stand-ins.
    EXPECT_FALSE(PathBesideExecutable(std::string(MAX_PATH, 'n').c_str(), out));
}
