// The arithmetic behind the playback keys, the wheel and the next file, against what a user sees.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "audio/VolumeSteps.h"
#include "media/FolderOrder.h"
#include "panels/VolumeScale.h"
#include "ui/SeekSteps.h"

namespace {
const uint32_t kNone = 0xFFFFFFFF;
uint32_t Frame(uint32_t position, double rate, int direction, uint32_t length = 120000) {
    uint32_t target = kNone;
    return FrameStepTarget(position, length, rate, direction, &target) ? target : kNone;
}
}  // namespace

TEST(PlayerSteps, FrameStepsLandInsideTheNeighbouringFrameNotOnTheEndOfTheOneBefore) {
    const struct { uint32_t position; double rate; int direction; uint32_t target; } rows[] = {
        {9900, 10, 1, 10000}, {10050, 10, -1, 9900}, {67, 30, -1, 34},                   // paused mid-frame
        {0, 0, 1, 40}, {0, 1e9, 1, 1}, {119900, 10, 1, kNone}, {125000, 10, -1, 119800},  // no rate: 25 a second
    };
    for (const auto& r : rows)
        EXPECT_EQ(r.target, Frame(r.position, r.rate, r.direction)) << r.position << " " << r.rate;
    EXPECT_EQ(kNone, Frame(500, 10, 1, 0));
}

TEST(PlayerSteps, EachWheelNotchMovesTheVolumeDialogOnePositionAndFineWheelsAddUp) {
    for (int notches = 0; notches <= kVolumeTrackMax; ++notches) {
        EXPECT_EQ(notches, FractionToTrackPosition(LevelToFraction(LevelAfterNotches(65535, -notches)))) << notches;
        EXPECT_EQ(kVolumeTrackMax - notches, FractionToTrackPosition(LevelToFraction(LevelAfterNotches(0, notches))))
            << notches;
    }
    int pending = 0;
    const std::pair<int, int> turns[] = {{120, 1}, {60, 0}, {60, 1}, {-40, 0}, {-200, -2}, {30, 0}, {-120, -1}};
    for (const auto& t : turns) EXPECT_EQ(t.second, TakeWheelNotches(&pending, t.first)) << t.first;
}

// The shell's order is what StrCmpLogicalW says; the plain comparison must agree with it.
TEST(PlayerSteps, NaturalOrderAgreesWithTheShellOnEveryPairOfTheTable) {
    auto logical = reinterpret_cast<int(WINAPI*)(const wchar_t*, const wchar_t*)>(
        GetProcAddress(LoadLibraryW(L"shlwapi.dll"), "StrCmpLogicalW"));
    ASSERT_TRUE(logical);
    const std::vector<std::wstring> names = {
        L"1.avi", L"2.avi", L"10.avi", L"010.avi", L"broken.avi", L"notes.txt", L"Ep 2.mkv", L"ep10.mkv", L"ep-2.mkv",
        L"ep_2.mkv", L"ep.2.mkv", L"ep(2).mkv", L"ep 2 (1).mkv", L"ep+2.mkv", L"ep~2.mkv", L"EP2a.mkv", L"ep2b.mkv",
        L"a1b2", L"a01b10", L"\u7b2c1\u8a71.mp4", L"\u7b2c2\u8a71.mp4", L"\u7b2c10\u8a71.mp4", L"\u3042\u306b\u3081",
        L"\u30a2\u30cb\u30e1", L"\u3044\u306c", L"\u304c\u3063\u3053\u3046", L"\u3010HD\u3011a", L"\u300cx\u300d",
        L"\uff21", L"\uff22", L"\uff11", L"x\u30fby", L"\u4e9c"};
    for (const std::wstring& a : names)
        for (const std::wstring& b : names) {
            int shell = logical(a.c_str(), b.c_str());
            int ours = NaturalCompare(a, b);
            EXPECT_EQ((shell > 0) - (shell < 0), (ours > 0) - (ours < 0)) << std::string(a.begin(), a.end()) << " | "
                                                                          << std::string(b.begin(), b.end());
        }
    // Where Wine's overflows past 32 bits, the value still counts.
    EXPECT_LT(NaturalCompare(L"ep2", L"ep12345678901234567890"), 0);
    EXPECT_LT(NaturalCompare(L"ep12345678901234567890", L"ep12345678901234567891"), 0);
}

TEST(PlayerSteps, NeighboursAreTheMediaNamesOnOneSideNearestFirst) {
    const std::vector<std::wstring> folder = {L"notes.txt", L"10.avi", L"broken.avi", L"1.avi", L"Cover.JPG",
                                              L"2.avi",     L"EP3.MKV", L"01.avi",    L"x.dat", L"y.DAT"};
    using Names = std::vector<std::wstring>;
    EXPECT_EQ((Names{L"10.avi", L"broken.avi", L"EP3.MKV"}), NeighbourNames(folder, L"2.avi", 1));
    EXPECT_EQ((Names{L"1.avi", L"01.avi"}), NeighbourNames(folder, L"2.avi", -1));  // 01 and 1 tie: by code unit
    EXPECT_EQ((Names{L"2.avi", L"1.avi", L"01.avi"}), NeighbourNames(folder, L"3.avi", -1));  // gone meanwhile
    EXPECT_EQ((Names{L"y.DAT"}), NeighbourNames(folder, L"x.dat", 1));  // the open file's own kind
}
