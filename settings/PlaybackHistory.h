#pragma once
// What the player remembers between runs beyond its settings: the files opened last, newest
// first, and where in each file the user stopped watching. Plain state, free of the registry.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

const size_t kRecentLimit = 10;
const size_t kPlaceLimit = 50;
// A place is kept from 10 s in up to 95 % of the length: before, starting over costs nothing;
// after, the file was as good as watched.
const uint32_t kPlaceMinimumMs = 10000;

struct PlaybackPlace {
    std::string path;
    uint32_t positionMs;
};

class PlaybackHistory {
public:
    // Newest first.
    const std::vector<std::string>& Recent() const { return recent; }
    const std::vector<PlaybackPlace>& Places() const { return places; }

    // The file goes to the top of the list, once; the eleventh goes.
    void AddRecent(const std::string& path);
    void RemoveRecent(const std::string& path);
    // Closing a file: its place is kept when it lies where coming back is worth it, and forgotten
    // otherwise (a stop leaves it at the start, so a stopped file starts over).
    void LeavePlace(const std::string& path, uint32_t positionMs, uint32_t lengthMs);
    // Where the file opens; 0 for a file without a place, or with one that is not inside it.
    uint32_t PlaceOf(const std::string& path, uint32_t lengthMs) const;
    void Clear();

    // As read back from the store, oldest last; a name that repeats or is empty is skipped.
    void RestoreRecent(const std::string& path);
    void RestorePlace(const PlaybackPlace& place);

private:
    std::vector<std::string> recent;
    std::vector<PlaybackPlace> places;
};

// The same file: paths compare without regard to the case of ASCII letters, as Windows names do.
bool SamePath(const std::string& a, const std::string& b);

// A place as stored: decimal milliseconds, '|', the path ('|' cannot be part of a file name).
std::string PlaceText(const PlaybackPlace& place);
// False for text of any other shape, an empty path or a position beyond 32 bits.
bool ParsePlaceText(const std::string& text, PlaybackPlace* place);
