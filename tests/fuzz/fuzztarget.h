#pragma once

// One fuzz target per fuzz_<name>.cpp, written as
//
//     VYR_FUZZ_TARGET(name) { ... data, size ... return 0; }
//
// Built by ./fuzz.sh with clang (VYR_FUZZ_ENTRY defined), the body is the
// program's LLVMFuzzerTestOneInput; in every other build it is the function
// fuzz_<name>, which tst_fuzzreplay runs over the seed corpus in
// tests/fuzz/corpus/<name>/. A broken invariant aborts, which libFuzzer
// reports as a finding and the replay test as a crash.

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#define VYR_FUZZ_DECLARE(name) int fuzz_##name(const uint8_t *data, size_t size)

#ifdef VYR_FUZZ_ENTRY
#define VYR_FUZZ_TARGET(name)                                                  \
    VYR_FUZZ_DECLARE(name);                                                    \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)    \
    {                                                                          \
        return fuzz_##name(data, size);                                        \
    }                                                                          \
    VYR_FUZZ_DECLARE(name)
#else
#define VYR_FUZZ_TARGET(name) VYR_FUZZ_DECLARE(name)
#endif

VYR_FUZZ_DECLARE(packetlink);
VYR_FUZZ_DECLARE(updatepackage);
VYR_FUZZ_DECLARE(remotereplies);

#define VYR_FUZZ_CHECK(condition)                                                          \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                  \
        }                                                                                  \
    } while (false)

namespace vyrfuzz {

// The bytes of one input.
inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), int(size));
}

// The clients write debug lines for every failed request; an input makes
// thousands of them. Warnings and worse still go out.
void quietDebugOutput();

} // namespace vyrfuzz
