#include <gtest/gtest.h>

#include "settings/PlaybackHistory.h"

TEST(PlaybackHistory, APlaceIsKeptFromTenSecondsToNinetyFivePercentAndOnlyInsideTheFile) {
    const struct { uint32_t left, length, back; } rows[] = {
        {9999, 100000, 0},      {10000, 100000, 10000}, {95000, 100000, 95000}, {95001, 100000, 0},
        {20000, 0, 0},          {4000000000u, 4294967295u, 4000000000u},
    };
    for (const auto& row : rows) {
        PlaybackHistory history;
        history.LeavePlace("C:\\a.avi", 50000, 100000);
        history.LeavePlace("C:\\A.avi", row.left, row.length);  // replaces or forgets the first
        EXPECT_EQ(row.back, history.PlaceOf("c:\\a.avi", row.length)) << row.left << " " << row.length;
        EXPECT_EQ(0u, history.PlaceOf("c:\\a.avi", row.back)) << "a place at or past the end is no place";
    }
    PlaybackHistory history;
    for (uint32_t i = 0; i < 60; ++i) history.LeavePlace(std::to_string(i), 20000 + i, 100000);
    EXPECT_EQ(kPlaceLimit, history.Places().size());
    EXPECT_EQ(20059u, history.PlaceOf("59", 100000));
    EXPECT_EQ(0u, history.PlaceOf("9", 100000));
}

TEST(PlaybackHistory, StoredPlacesReadBackOnlyInTheirOwnShape) {
    PlaybackPlace place;
    ASSERT_TRUE(ParsePlaceText(PlaceText({"C:\\a|b.avi", 4294967295u}), &place));
    EXPECT_EQ("C:\\a|b.avi", place.path);
    EXPECT_EQ(4294967295u, place.positionMs);
    for (const char* bad : {"", "|C:\\a.avi", "12", "12|", "4294967296|C:\\a.avi", "1x|C:\\a.avi", "-5|C:\\a.avi"})
        EXPECT_FALSE(ParsePlaceText(bad, &place)) << bad;
}
