// Path text in code page 932: the final component starts the path or follows a separator, and a
// Shift-JIS character is never split, so a trail byte that looks like a backslash is no
// separator. The extension is a suffix of the final component after a dot.
#include "fuzz/FuzzCheck.h"
#include "media/PathText.h"

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/' || c == ':'; }

size_t ComponentOffset(const std::string& path) {
    const char* component = FinalPathComponent(path.c_str());
    FUZZ_CHECK(component >= path.c_str() && component <= path.c_str() + path.size());
    return static_cast<size_t>(component - path.c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string path = CString(data, size);

    size_t offset = ComponentOffset(path);
    FUZZ_CHECK(offset == 0 || IsSeparator(path[offset - 1]));
    bool ascii = true;
    for (char c : path) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) FUZZ_CHECK(path.find_first_of("\\/:", offset) == std::string::npos);

    // Single-byte folders in front move every character boundary alike.
    FUZZ_CHECK(ComponentOffset("C:\\dir/" + path) == 7 + offset);
    // 0x95 0x5C is one character whose trail byte is a backslash: in front, it separates nothing.
    FUZZ_CHECK(ComponentOffset("\x95\x5c" + path) == (offset == 0 ? 0 : 2 + offset));

    const char* extension = PathExtension(path.c_str());
    if (extension) {
        FUZZ_CHECK(extension > path.c_str() + offset && extension <= path.c_str() + path.size());
        FUZZ_CHECK(extension[-1] == '.');
        if (ascii) FUZZ_CHECK(std::strchr(extension, '.') == nullptr);
    } else if (ascii) {
        FUZZ_CHECK(path.find('.', offset) == std::string::npos);
    }
    // A name with a dot added at the end has an empty extension.
    if (path.empty() || !IsShiftJisLeadByte(static_cast<unsigned char>(path.back()))) {
        std::string dotted = path + ".";
        const char* empty = PathExtension(dotted.c_str());
        FUZZ_CHECK(empty && *empty == '\0');
    }
    return 0;
}
