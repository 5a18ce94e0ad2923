#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "media/PathText.h"
#include "resources/resource.h"
#include "ui/FileDialogFilter.h"

namespace {
// The strings a common dialog reads from a filter: up to the empty one that ends the list.
std::vector<std::wstring> DialogReads(const std::string& filter) {
    std::vector<std::wstring> parts;
    for (size_t at = 0; at < filter.size() && filter[at] != '\0'; at += strlen(filter.c_str() + at) + 1)
        parts.push_back(AnsiToWide(filter.c_str() + at));
    return parts;
}
}  // namespace

TEST(FileDialogFilter, ResourceFiltersBecomeLabelPatternPairsEndedByTwoNuls) {
    struct {
        UINT id;
        std::vector<std::wstring> pairs;
    } cases[] = {
        {IDS_OPENFILTER, {L"\u5168\u3066\u306e\u30d5\u30a1\u30a4\u30eb (*.*)", L"*.*"}},  // 全てのファイル
        {IDS_BITMAPFILTER, {L"\uff8b\uff9e\uff6f\uff84\uff8f\uff6f\uff8c\uff9f(*.bmp)", L"*.bmp"}},  // ﾋﾞｯﾄﾏｯﾌﾟ
    };
    for (const auto& c : cases) {
        std::string filter = FileDialogFilter(c.id);
        EXPECT_EQ(c.pairs, DialogReads(filter)) << c.id;
        ASSERT_GE(filter.size(), 2u);
        EXPECT_EQ(std::string(2, '\0'), filter.substr(filter.size() - 2)) << c.id;
    }
}
