#pragma once
// What every target shares: a broken promise stops the fuzzer as a crash would, so libFuzzer keeps
// the input that broke it; and the few ways the targets read their input.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "framework/PlainTypes.h"

#define FUZZ_CHECK(condition)                                                                  \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: broken promise: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (0)

// Any bit pattern: not-a-number, the infinities and denormals included.
inline double AnyDouble(FuzzedDataProvider& input) {
    uint64_t bits = input.ConsumeIntegral<uint64_t>();
    double value;
    std::memcpy(&value, &bits, sizeof(value));
    return value;
}

// The input as a C string: it ends at the first NUL.
inline std::string CString(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), strnlen(reinterpret_cast<const char*>(data), size));
}

inline int32_t LittleEndian32(const uint8_t* b) {
    return static_cast<int32_t>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<uint32_t>(b[3]) << 24);
}

inline bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
