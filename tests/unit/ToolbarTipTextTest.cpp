#include <gtest/gtest.h>

#include "controls/MainToolBar.h"

TEST(ToolbarTipText, IsWhatFollowsTheFirstLineFeed) {
    EXPECT_EQ(L"\u958b\u304f", ToolTipPart(L"\u30d5\u30a1\u30a4\u30eb\u3092\u958b\u304d\u307e\u3059\n\u958b\u304f"));
    EXPECT_EQ(L"b\nc", ToolTipPart(L"a\nb\nc"));
    EXPECT_EQ(L"", ToolTipPart(L"prompt only"));
    EXPECT_EQ(L"", ToolTipPart(L"prompt\n"));
    EXPECT_EQ(L"tip", ToolTipPart(L"\ntip"));
}
