// The settings store on a scratch key of the real registry; values of the wrong shape are the
// window settings test's.
#include <gtest/gtest.h>

#include <string>

#include "settings/SettingsKey.h"

namespace {
const char kScratchKey[] = "Software\\CorvantileTest\\Store";

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratchKey); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratchKey); }
    SettingsKey key{kScratchKey};
};
}  // namespace

TEST_F(SettingsStoreTest, AKeyThatCannotBeOpenedOrWrittenGivesDefaultsAndWritesNothing) {
    std::string tooLong = std::string(kScratchKey) + "\\" + std::string(300, 'x');  // no key name is this long
    for (const char* path : {"", tooLong.c_str()}) {
        SettingsKey broken(path);
        EXPECT_FALSE(broken.WriteDword(0, "showtoolbar")) << path;
        EXPECT_FALSE(broken.WriteDouble(2.0, "videowndsizerate")) << path;
        EXPECT_EQ(3u, broken.ReadDword("showtoolbar", 3)) << path;
        EXPECT_EQ(1.0, broken.ReadDouble("videowndsizerate", 1.0)) << path;
    }
    EXPECT_EQ(nullptr, SettingsKey("").KeyPath());
    EXPECT_TRUE(key.WriteDword(1, "Nullscreen"));
    EXPECT_EQ(1u, key.ReadDword("nullscreen", 0));  // one value, whatever the letter case
}
