#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/CommandLine.h"

namespace {
std::vector<std::string> Split(const char* tail) {
    std::vector<std::string> names = {"left over"};
    int count = SplitCommandLine(tail, &names);
    EXPECT_EQ(static_cast<int>(names.size()), count);
    return names;
}
using Names = std::vector<std::string>;
}  // namespace

TEST(CommandLineSplit, GivesTheNamesTheUserTyped) {
    EXPECT_EQ((Names{"a.avi", "b.avi"}), Split("a.avi b.avi"));
    EXPECT_EQ((Names{"C:\\My Movies\\a b.avi"}), Split("\"C:\\My Movies\\a b.avi\""));
    EXPECT_EQ((Names{"C:\\My Movies\\a.avi", "b.avi"}), Split("\"C:\\My Movies\\a.avi\" b.avi"));
    EXPECT_EQ((Names{"a.avi", "b.avi"}), Split("a.avi  b.avi"));
    EXPECT_EQ((Names{"a", "b", "c.avi"}), Split("a b c.avi"));
    EXPECT_EQ((Names{"a.avi", "b.avi"}), Split(" \ta.avi\t\tb.avi  "));
    EXPECT_EQ((Names{"C:\\My Movies\\a.avi"}), Split("C:\\\"My Movies\"\\a.avi"));
}

TEST(CommandLineSplit, EmptyAndUnfinishedNames) {
    EXPECT_EQ(Names{}, Split(""));
    EXPECT_EQ(Names{}, Split("   "));
    EXPECT_EQ((Names{"b.avi"}), Split("\"\" b.avi"));
    EXPECT_EQ((Names{"a.avi", "C:\\open end.avi "}), Split("a.avi \"C:\\open end.avi "));
}

TEST(CommandLineSplit, LongNamesAndDoubleByteTextPassThrough) {
    std::string longName(400, 'x');
    EXPECT_EQ((Names{longName}), Split(longName.c_str()));
    // Shift-JIS bytes of a name with spaces, quoted: taken whole.
    EXPECT_EQ((Names{"\x93\xae\x89\xe6 \x95\x5c.avi"}), Split("\"\x93\xae\x89\xe6 \x95\x5c.avi\""));
}

TEST(CommandLineSplit, MissingArgumentsChangeNothing) {
    std::vector<std::string> names = {"kept"};
    EXPECT_EQ(0, SplitCommandLine(nullptr, &names));
    EXPECT_EQ((Names{"kept"}), names);
    EXPECT_EQ(0, SplitCommandLine("a.avi", nullptr));
}
