// Folder order: the natural comparison is a consistent order (a name equals itself, a before b
// exactly when b after a, and before-or-equal carries over from a to b to c), digits runs count by
// value whatever their zeros; the neighbours of a name are media names, none of them the name,
// nearest first, and together with the names equal to it they are all the media names there are.
#include <algorithm>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "media/FolderOrder.h"

namespace {

int Sign(int v) { return (v > 0) - (v < 0); }

// Mostly characters where the order has rules of its own: digits, case, punctuation, kana, full width.
std::wstring Name(FuzzedDataProvider& input) {
    static const std::wstring kAlphabet = L"0012789aAbZz .-_'+~()\u3042\u30a2\u3044\u3010\uff21\uff11\u4e9c";
    std::wstring name;
    size_t length = input.ConsumeIntegralInRange<size_t>(0, 12);
    for (size_t i = 0; i < length; ++i) {
        name += input.ConsumeBool() ? kAlphabet[input.ConsumeIntegralInRange<size_t>(0, kAlphabet.size() - 1)]
                                    : static_cast<wchar_t>(input.ConsumeIntegral<uint16_t>());
    }
    if (input.ConsumeBool()) name += input.ConsumeBool() ? L".avi" : L".txt";
    return name;
}

void CheckOrder(const std::wstring& a, const std::wstring& b, const std::wstring& c) {
    FUZZ_CHECK(NaturalCompare(a, a) == 0);
    FUZZ_CHECK(Sign(NaturalCompare(a, b)) == -Sign(NaturalCompare(b, a)));
    if (NaturalCompare(a, b) <= 0 && NaturalCompare(b, c) <= 0) FUZZ_CHECK(NaturalCompare(a, c) <= 0);
    FUZZ_CHECK(NaturalCompare(a + L"-7", a + L"-0007") == 0 && NaturalCompare(a + L"-9", a + L"-10") < 0);
}

void CheckNeighbours(const std::vector<std::wstring>& names, const std::wstring& current) {
    std::vector<std::wstring> after = NeighbourNames(names, current, 1);
    std::vector<std::wstring> before = NeighbourNames(names, current, -1);
    for (size_t i = 0; i < after.size(); ++i) {
        FUZZ_CHECK(IsMediaName(after[i], current) && NaturalCompare(after[i], current) >= 0 && after[i] != current);
        if (i > 0) FUZZ_CHECK(NaturalCompare(after[i - 1], after[i]) <= 0);
    }
    for (size_t i = 0; i < before.size(); ++i) {
        FUZZ_CHECK(IsMediaName(before[i], current) && NaturalCompare(before[i], current) <= 0 && before[i] != current);
        if (i > 0) FUZZ_CHECK(NaturalCompare(before[i - 1], before[i]) >= 0);
    }
    size_t media = 0, same = 0;
    for (const std::wstring& name : names) {
        media += IsMediaName(name, current);
        same += IsMediaName(name, current) && name == current;
    }
    FUZZ_CHECK(after.size() + before.size() + same == media);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    std::vector<std::wstring> names;
    size_t count = input.ConsumeIntegralInRange<size_t>(0, 12);
    for (size_t i = 0; i < count; ++i) names.push_back(Name(input));
    bool listed = input.ConsumeBool() && !names.empty();
    std::wstring current = listed ? names[input.ConsumeIntegralInRange<size_t>(0, names.size() - 1)] : Name(input);
    CheckOrder(current, Name(input), Name(input));
    CheckNeighbours(names, current);
    return 0;
}
