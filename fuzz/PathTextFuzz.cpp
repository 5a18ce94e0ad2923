// Narrow text under both rules the player meets, UTF-8 and Shift-JIS: stepping lands on the end
// exactly, a cut ends on a whole character, the final component starts the path or follows a
// separator, and a Shift-JIS trail byte that looks like a backslash is no separator.
#include "fuzz/FuzzCheck.h"
#include "media/PathText.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/' || c == ':'; }

// Marks every character boundary of text, the end included.
std::string Boundaries(const std::string& text, const CharRule& rule) {
    std::string marks(text.size() + 1, 0);
    size_t at = 0;
    for (size_t step; (step = CharBytes(text.c_str() + at, rule)) != 0; at += step) {
        FUZZ_CHECK(step <= (rule.utf8 ? 4u : 2u) && at + step <= text.size());
        marks[at] = 1;
    }
    FUZZ_CHECK(at == text.size());
    marks[at] = 1;
    return marks;
}

size_t ComponentOffset(const std::string& path, const CharRule& rule) {
    return static_cast<size_t>(FinalPathComponent(path.c_str(), rule) - path.c_str());
}

void CheckRule(const std::string& path, size_t limit, const CharRule& rule) {
    std::string marks = Boundaries(path, rule);
    size_t cut = WholeCharPrefix(path.c_str(), limit, rule);
    FUZZ_CHECK(cut <= limit && marks[cut]);
    for (size_t longer = cut + 1; longer <= path.size() && longer <= limit; ++longer) FUZZ_CHECK(!marks[longer]);

    size_t offset = ComponentOffset(path, rule);
    FUZZ_CHECK(offset <= path.size() && marks[offset]);
    FUZZ_CHECK(offset == 0 || IsSeparator(path[offset - 1]));
    for (size_t at = offset; at < path.size(); ++at) FUZZ_CHECK(!marks[at] || !IsSeparator(path[at]));
    FUZZ_CHECK(ComponentOffset("C:\\dir/" + path, rule) == 7 + offset);

    const char* extension = PathExtension(path.c_str(), rule);
    if (extension) {
        size_t dot = static_cast<size_t>(extension - path.c_str()) - 1;
        FUZZ_CHECK(dot >= offset && path[dot] == '.' && marks[dot]);
        for (size_t at = dot + 1; at < path.size(); ++at) FUZZ_CHECK(!marks[at] || path[at] != '.');
    } else {
        for (size_t at = offset; at < path.size(); ++at) FUZZ_CHECK(!marks[at] || path[at] != '.');
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    std::string path = CString(data + 1, size - 1);
    size_t limit = data[0];
    CheckRule(path, limit, Utf8CharRule());
    CheckRule(path, limit, ShiftJisCharRule());
    // 0x95 0x5C is one Shift-JIS character whose trail byte is a backslash: in front, it separates nothing.
    size_t offset = ComponentOffset(path, ShiftJisCharRule());
    FUZZ_CHECK(ComponentOffset("\x95\x5c" + path, ShiftJisCharRule()) == (offset == 0 ? 0 : 2 + offset));
    // Under UTF-8 no byte of a longer character is ASCII, so a byte-wise scan agrees.
    size_t separator = path.find_last_of("\\/:");
    FUZZ_CHECK(ComponentOffset(path, Utf8CharRule()) == (separator == std::string::npos ? 0 : separator + 1));
    return 0;
}
