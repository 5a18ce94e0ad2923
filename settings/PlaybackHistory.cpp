#include "settings/PlaybackHistory.h"

#include <algorithm>

namespace {

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool SamePath(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}

void PlaybackHistory::AddRecent(const std::string& path) {
    if (path.empty()) return;
    RemoveRecent(path);
    recent.insert(recent.begin(), path);
    if (recent.size() > kRecentLimit) recent.resize(kRecentLimit);
}

void PlaybackHistory::RemoveRecent(const std::string& path) {
    recent.erase(std::remove_if(recent.begin(), recent.end(), [&](const std::string& p) { return SamePath(p, path); }),
                 recent.end());
}

void PlaybackHistory::LeavePlace(const std::string& path, uint32_t positionMs, uint32_t lengthMs) {
    places.erase(std::remove_if(places.begin(), places.end(),
                                [&](const PlaybackPlace& p) { return SamePath(p.path, path); }),
                 places.end());
    // 95 % of the length, worked out so that no length overflows it.
    uint64_t lastWorthMs = static_cast<uint64_t>(lengthMs) * 95 / 100;
    if (path.empty() || positionMs < kPlaceMinimumMs || positionMs > lastWorthMs) return;
    places.insert(places.begin(), PlaybackPlace{path, positionMs});
    if (places.size() > kPlaceLimit) places.resize(kPlaceLimit);
}

uint32_t PlaybackHistory::PlaceOf(const std::string& path, uint32_t lengthMs) const {
    for (const PlaybackPlace& place : places)
        if (SamePath(place.path, path)) return place.positionMs < lengthMs ? place.positionMs : 0;
    return 0;
}

void PlaybackHistory::Clear() {
    recent.clear();
    places.clear();
}

void PlaybackHistory::RestoreRecent(const std::string& path) {
    if (path.empty() || recent.size() >= kRecentLimit) return;
    for (const std::string& known : recent)
        if (SamePath(known, path)) return;
    recent.push_back(path);
}

void PlaybackHistory::RestorePlace(const PlaybackPlace& place) {
    if (place.path.empty() || places.size() >= kPlaceLimit) return;
    for (const PlaybackPlace& known : places)
        if (SamePath(known.path, place.path)) return;
    places.push_back(place);
}

std::string PlaceText(const PlaybackPlace& place) { return std::to_string(place.positionMs) + "|" + place.path; }

bool ParsePlaceText(const std::string& text, PlaybackPlace* place) {
    size_t bar = text.find('|');
    if (bar == 0 || bar == std::string::npos || bar > 10 || bar + 1 == text.size()) return false;
    uint64_t value = 0;
    for (size_t i = 0; i < bar; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + static_cast<uint64_t>(text[i] - '0');
    }
    if (value > 0xFFFFFFFFu) return false;
    place->positionMs = static_cast<uint32_t>(value);
    place->path = text.substr(bar + 1);
    return true;
}
