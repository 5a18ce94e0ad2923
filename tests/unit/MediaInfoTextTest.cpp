// The information panel's text, read back from code page 932 as the panel shows it.
#include <gtest/gtest.h>

#include <windows.h>

#include <cmath>
#include <cstring>
#include <string>

#include "panels/MediaInfoText.h"

namespace {
std::wstring From932(const std::string& text) {
    wchar_t wide[2048] = {};
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text.c_str(), -1, wide, 2048);
    return wide;
}
template <class T>
void Put(BYTE* block, size_t offset, T value) {
    memcpy(block + offset, &value, sizeof(value));
}
}  // namespace

// The fuzz target checks every value and which lines appear; here, the labels and their columns.
TEST(MediaInfoText, EveryLabelInCodePage932WithItsValueInOneColumn) {
    MediaFormatInfo info = {10000, 1, 1, 29.97};
    Put(info.videoInfo2, kVideoBitRateOffset, DWORD(1000000));
    Put(info.videoInfo2, kVideoInfo2BitCountOffset, WORD(24));
    info.hasVideoInfo2 = 1;
    Put(info.waveFormat, kWaveChannelsOffset, WORD(1));
    Put(info.waveFormat, kWaveSamplesPerSecOffset, DWORD(8000));
    Put(info.waveFormat, kWaveAvgBytesPerSecOffset, DWORD(8000));
    info.hasWaveFormat = 1;
    EXPECT_EQ(L"長さ             0:00:10\r\n"
              L"\r\n・Video\r\n"
              L"　ﾌﾚｰﾑｻｲｽﾞ       320×240\r\n"
              L"　ﾋﾞｯﾄﾚｰﾄ        1000 kbps\r\n"
              L"　ﾋﾞｯﾄ数         24 bit\r\n"
              L"　ﾌﾚｰﾑﾚｰﾄ        30.0 fps\r\n"
              L"\r\n・Audio\r\n"
              L"　ﾁｬﾝﾈﾙ数        1 ch\r\n"
              L"　ｻﾝﾌﾟﾘﾝｸﾞﾚｰﾄ    8000 Hz\r\n"
              L"　ﾋﾞｯﾄﾚｰﾄ        64 kbps\r\n",
              From932(ComposeMediaInfoText(info, {320, 240, 0}, 1750000)));
}
