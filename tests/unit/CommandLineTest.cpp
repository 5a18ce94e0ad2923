#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/CommandLine.h"

TEST(CommandLineSplit, GivesTheNamesTheUserTyped) {
    using Names = std::vector<std::string>;
    const std::pair<const char*, Names> cases[] = {
        {" a.avi  b.avi\t", {"a.avi", "b.avi"}},
        {"\"C:\\My Movies\\a.avi\" b.avi", {"C:\\My Movies\\a.avi", "b.avi"}},
        {"\"\" b.avi", {"b.avi"}},
        {"   ", {}},
        {"a.avi \"C:\\open end.avi ", {"a.avi", "C:\\open end.avi "}},
        // Shift-JIS bytes of a name with a space, quoted: taken whole.
        {"\"\x93\xae\x89\xe6 \x95\x5c.avi\"", {"\x93\xae\x89\xe6 \x95\x5c.avi"}},
    };
    for (const auto& c : cases) {
        Names names = {"left over"};
        EXPECT_EQ(static_cast<int>(c.second.size()), SplitCommandLine(c.first, &names)) << c.first;
        EXPECT_EQ(c.second, names) << c.first;
    }
}
