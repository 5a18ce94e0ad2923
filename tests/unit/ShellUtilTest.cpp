#include <gtest/gtest.h>

#include <windows.h>

#include <string>

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
