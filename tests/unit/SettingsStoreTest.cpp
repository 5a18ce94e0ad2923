// The settings store on a scratch key of the real registry, and the stored forms of its values.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/SettingsKey.h"
#include "settings/SettingsValues.h"

namespace {
const char kScratchKey[] = "Software\\CorvantileTest\\Store";

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratchKey); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kScratchKey); }
    static void Store(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kScratchKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                                 &key, nullptr));
        RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
        RegCloseKey(key);
    }
    SettingsKey key{kScratchKey};
};
}  // namespace

// Bad placements, flags stored as binary or short, and rates that are no number: the window
// settings test. Here the rest of what the rate reader refuses or takes, and a short binary value.
TEST_F(SettingsStoreTest, ValuesOfTheWrongTypeSizeOrContentReadAsTheirDefaults) {
    const struct { const char* what; DWORD type; std::string bytes; double expected; } cases[] = {
        {"rate stored without its NUL", REG_SZ, "1.5", 1.5},
        {"rate as a DWORD", REG_DWORD, std::string("\x02\0\0\0", 4), 1.0},
        {"rate longer than the reading area", REG_SZ, std::string(300, '1') + '\0', 1.0},
    };
    for (const auto& c : cases) {
        Store("value", c.type, c.bytes.data(), static_cast<DWORD>(c.bytes.size()));
        EXPECT_EQ(c.expected, key.ReadDouble("value", 1.0)) << c.what;
    }
    unsigned char placement[kPlacementSize];
    memset(placement, 0xAB, sizeof(placement));
    Store("blob", REG_BINARY, "\1\2\3\4", 4);
    DWORD stored = 0;
    EXPECT_TRUE(key.ReadBinary(placement, sizeof(placement), "blob", &stored));
    EXPECT_EQ(4u, stored);
    EXPECT_EQ(0xAB, placement[4]);  // the rest is left as it was
}

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
