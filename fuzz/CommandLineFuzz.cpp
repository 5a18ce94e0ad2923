// Command-line splitting: any tail yields non-empty names without quotes, taken in order from
// what was typed, and quoting the names gives a tail that splits back to the same names.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "ui/CommandLine.h"

namespace {

bool HasBlank(const std::string& s) { return s.find_first_of(" \t") != std::string::npos; }

// True when part's characters appear in whole in the same order.
bool IsSubsequence(const std::string& part, const std::string& whole) {
    size_t at = 0;
    for (char c : whole)
        if (at < part.size() && part[at] == c) ++at;
    return at == part.size();
}

std::vector<std::string> Split(const std::string& tail) {
    std::vector<std::string> names;
    int count = SplitCommandLine(tail.c_str(), &names);
    FUZZ_CHECK(count == static_cast<int>(names.size()));
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The tail is a C string: it ends at the first NUL.
    std::string tail(reinterpret_cast<const char*>(data), size);
    tail = tail.c_str();

    std::vector<std::string> names = {"left from before"};
    int count = SplitCommandLine(tail.c_str(), &names);
    FUZZ_CHECK(count == static_cast<int>(names.size()));

    std::string typed, joined;
    for (char c : tail)
        if (c != '"') typed += c;
    bool anyBlank = false;
    for (const std::string& name : names) {
        FUZZ_CHECK(!name.empty());
        FUZZ_CHECK(name.find('"') == std::string::npos);
        anyBlank = anyBlank || HasBlank(name);
        joined += name;
    }
    FUZZ_CHECK(IsSubsequence(joined, typed));

    std::string quoted, plain;
    for (size_t i = 0; i < names.size(); ++i) {
        quoted += (i % 2 ? "\t\"" : " \"") + names[i] + "\"";
        plain += (i % 2 ? " \t " : " ") + names[i];
    }
    FUZZ_CHECK(Split(quoted) == names);
    // Names without blanks need no quotes at all.
    if (!anyBlank) FUZZ_CHECK(Split(plain) == names);

    std::vector<std::string> kept = names;
    FUZZ_CHECK(SplitCommandLine(nullptr, &kept) == 0 && kept == names);
    FUZZ_CHECK(SplitCommandLine(tail.c_str(), nullptr) == 0);
    return 0;
}
