#include <gtest/gtest.h>

#include "framework/Scoped.h"

TEST(ScopedGdiObject, DeletesWhatItOwns) {
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    { ScopedGdiObject owner(brush); }
    LOGBRUSH info;
    EXPECT_EQ(0, GetObjectW(brush, sizeof(info), &info));
}
