// Command-line splitting: any tail yields non-empty names without quotes, taken in order from
// what was typed, and quoting the names gives a tail that splits back to the same names.
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "ui/CommandLine.h"

namespace {

std::vector<std::string> Split(const std::string& tail) {
    std::vector<std::string> names = {"left from before"};
    FUZZ_CHECK(SplitCommandLine(tail.c_str(), &names) == static_cast<int>(names.size()));
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string tail = CString(data, size);
    std::vector<std::string> names = Split(tail);

    // The names' characters appear in what was typed, in the same order.
    std::string typed, quoted;
    for (char c : tail)
        if (c != '"') typed += c;
    size_t at = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        FUZZ_CHECK(!names[i].empty() && names[i].find('"') == std::string::npos);
        for (char c : names[i]) {
            at = typed.find(c, at);
            FUZZ_CHECK(at++ != std::string::npos);
        }
        quoted += (i % 2 ? "\t\"" : " \"") + names[i] + "\"";
    }
    FUZZ_CHECK(Split(quoted) == names);
    FUZZ_CHECK(SplitCommandLine(tail.c_str(), nullptr) == 0);
    return 0;
}
