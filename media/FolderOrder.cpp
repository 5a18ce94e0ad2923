#include "media/FolderOrder.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

// The shell's order of ASCII punctuation, as StrCmpLogicalW sorts single characters; other
// symbols (CJK brackets, the middle dot, ...) come between the two groups, and letters after both.
const char kPunctuation[] = "'- !\"#$%&()*,./:;?@[]^_`{|}~";
const char kLatePunctuation[] = "\\+<=>";

const uint32_t kSymbolBase = 0x100;
const uint32_t kLatePunctuationBase = 0x20000;
const uint32_t kDigitBase = 0x20100;
const uint32_t kLetterBase = 0x20200;
const uint32_t kOtherBase = 0x30000;

// Where a character sorts, and how it differs from the characters sorting with it: letters
// without regard to case; a full-width form after its ASCII one, katakana before hiragana.
struct CharKey {
    uint32_t primary;
    uint32_t tertiary;
};

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

bool IsSymbol(uint32_t c) {
    return (c >= 0xA0 && c <= 0xBF) || c == 0xD7 || c == 0xF7 || (c >= 0x2000 && c <= 0x2BFF) ||
           (c >= 0x3000 && c <= 0x3004) || (c >= 0x3008 && c <= 0x3020) || c == 0x3030 || c == 0x30FB ||
           (c >= 0xFF5F && c <= 0xFF65);
}

uint32_t AsciiPrimary(uint32_t c) {
    if (c >= 'A' && c <= 'Z') c += 'a' - 'A';
    if (c >= 'a' && c <= 'z') return kLetterBase + (c - 'a');
    if (c >= '0' && c <= '9') return kDigitBase + (c - '0');
    if (c < 0x20 || c == 0x7F) return c;  // no file name holds these
    const char* early = std::strchr(kPunctuation, static_cast<int>(c));
    if (early) return 1 + static_cast<uint32_t>(early - kPunctuation);
    const char* late = std::strchr(kLatePunctuation, static_cast<int>(c));
    return kLatePunctuationBase + (late ? static_cast<uint32_t>(late - kLatePunctuation) : 0);
}

CharKey KeyOf(wchar_t ch) {
    uint32_t c = static_cast<uint32_t>(ch);
    if (c < 0x80) return {AsciiPrimary(c), 0};
    if (c >= 0xFF01 && c <= 0xFF5E) return {AsciiPrimary(c - 0xFEE0), 1};
    if (IsSymbol(c)) return {kSymbolBase + c, 0};
    if (c >= 0x30A1 && c <= 0x30F6) return {kOtherBase + c - 0x60, 0};
    if (c >= 0x3041 && c <= 0x3096) return {kOtherBase + c, 1};
    return {kOtherBase + c, 0};
}

// A run of digits against another by value, whatever their length: 2 before 10, 007 with 7.
int CompareNumbers(const std::wstring& a, size_t* i, const std::wstring& b, size_t* j) {
    size_t aStart = *i, bStart = *j;
    while (*i < a.size() && IsDigit(a[*i])) ++*i;
    while (*j < b.size() && IsDigit(b[*j])) ++*j;
    while (aStart < *i && a[aStart] == L'0') ++aStart;
    while (bStart < *j && b[bStart] == L'0') ++bStart;
    size_t aDigits = *i - aStart, bDigits = *j - bStart;
    if (aDigits != bDigits) return aDigits < bDigits ? -1 : 1;
    for (; aStart < *i; ++aStart, ++bStart) {
        if (a[aStart] != b[bStart]) return a[aStart] < b[bStart] ? -1 : 1;
    }
    return 0;
}

int CompareChars(wchar_t a, wchar_t b) {
    CharKey x = KeyOf(a), y = KeyOf(b);
    if (x.primary != y.primary) return x.primary < y.primary ? -1 : 1;
    if (x.tertiary != y.tertiary) return x.tertiary < y.tertiary ? -1 : 1;
    return 0;
}

std::wstring Extension(const std::wstring& name) {
    size_t dot = name.rfind(L'.');
    if (dot == std::wstring::npos) return std::wstring();
    std::wstring extension = name.substr(dot + 1);
    for (wchar_t& c : extension) {
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    }
    return extension;
}

// The files the platform's graphs play (movies, and sound alone); "mov" is refused by the probe.
const wchar_t* const kMediaExtensions[] = {
    L"avi", L"wmv", L"asf", L"mpg", L"mpeg", L"mpe", L"m1v", L"m2v", L"vob", L"mp4", L"m4v", L"mkv", L"webm",
    L"ogv", L"ogm", L"ogg", L"flv", L"3gp", L"3g2", L"ts", L"m2ts", L"mts", L"divx", L"wav", L"mp3", L"mp2",
    L"wma", L"m4a", L"aac", L"flac", L"opus", L"mka"};

// The natural order made total: names it holds equal go by code unit.
bool Before(const std::wstring& a, const std::wstring& b) {
    int order = NaturalCompare(a, b);
    return order != 0 ? order < 0 : a < b;
}

}  // namespace

int NaturalCompare(const std::wstring& a, const std::wstring& b) {
    size_t i = 0, j = 0;
    while (i < a.size()) {
        if (j >= b.size()) return 1;
        bool aDigit = IsDigit(a[i]), bDigit = IsDigit(b[j]);
        if (aDigit != bDigit) return aDigit ? -1 : 1;
        int order = aDigit ? CompareNumbers(a, &i, b, &j) : CompareChars(a[i++], b[j++]);
        if (order != 0) return order;
    }
    return j < b.size() ? -1 : 0;
}

bool IsMediaName(const std::wstring& name, const std::wstring& sameKind) {
    std::wstring extension = Extension(name);
    if (extension.empty()) return false;
    if (extension == Extension(sameKind)) return true;
    for (const wchar_t* media : kMediaExtensions) {
        if (extension == media) return true;
    }
    return false;
}

std::vector<std::wstring> NeighbourNames(const std::vector<std::wstring>& names, const std::wstring& current,
                                         int direction) {
    std::vector<std::wstring> side;
    for (const std::wstring& name : names) {
        bool wanted = direction > 0 ? Before(current, name) : direction < 0 && Before(name, current);
        if (wanted && IsMediaName(name, current)) side.push_back(name);
    }
    std::sort(side.begin(), side.end(), Before);
    if (direction < 0) std::reverse(side.begin(), side.end());
    return side;
}
