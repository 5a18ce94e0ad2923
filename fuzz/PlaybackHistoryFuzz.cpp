// The history under any sequence of opens, closes and stored texts: at most ten recent files and
// fifty places, each file once; a place is inside the file it is asked for; a stored place reads
// back as it was written.
#include "fuzz/FuzzCheck.h"
#include "settings/PlaybackHistory.h"

namespace {
template <class List, class PathOf>
void CheckUnique(const List& list, PathOf pathOf) {
    for (size_t i = 0; i < list.size(); ++i) {
        FUZZ_CHECK(!pathOf(list[i]).empty());
        for (size_t j = i + 1; j < list.size(); ++j) FUZZ_CHECK(!SamePath(pathOf(list[i]), pathOf(list[j])));
    }
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider input(data, size);
    PlaybackHistory history;
    while (input.remaining_bytes() > 0) {
        std::string path = input.ConsumeRandomLengthString(12);
        uint32_t position = input.ConsumeIntegral<uint32_t>();
        uint32_t length = input.ConsumeIntegral<uint32_t>();
        PlaybackPlace place;
        switch (input.ConsumeIntegralInRange(0, 4)) {
        case 0: history.AddRecent(path); break;
        case 1: history.RemoveRecent(path); break;
        case 2: history.LeavePlace(path, position, length); break;
        case 3:
            if (ParsePlaceText(path, &place)) {
                PlaybackPlace again;
                FUZZ_CHECK(ParsePlaceText(PlaceText(place), &again));
                FUZZ_CHECK(again.path == place.path && again.positionMs == place.positionMs);
                history.RestorePlace(place);
            }
            history.RestoreRecent(path);
            break;
        default: history.Clear(); break;
        }
        uint32_t back = history.PlaceOf(path, length);
        FUZZ_CHECK(back == 0 || back < length);
    }
    FUZZ_CHECK(history.Recent().size() <= kRecentLimit && history.Places().size() <= kPlaceLimit);
    CheckUnique(history.Recent(), [](const std::string& p) { return p; });
    CheckUnique(history.Places(), [](const PlaybackPlace& p) { return p.path; });
    return 0;
}
