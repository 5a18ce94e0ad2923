#include "ui/CommandLine.h"

#include <new>

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Scanning byte by byte is safe in the double-byte code pages: no trail byte is a space,
// a tab or a quote.
void SplitNames(const char* p, std::vector<std::string>* names) {
    while (*p) {
        while (IsBlank(*p)) ++p;
        if (!*p) break;
        std::string name;
        bool quoted = false;
        for (; *p && (quoted || !IsBlank(*p)); ++p) {
            if (*p == '"')
                quoted = !quoted;
            else
                name += *p;
        }
        if (!name.empty()) names->push_back(name);
    }
}
}  // namespace

int SplitCommandLine(const char* tail, std::vector<std::string>* names) {
    if (!tail || !names) return 0;
    names->clear();
    try {
        SplitNames(tail, names);
    } catch (const std::bad_alloc&) {
        // Out of memory: the names taken so far are still worth trying.
    }
    return static_cast<int>(names->size());
}
