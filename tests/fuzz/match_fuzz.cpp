// libFuzzer target: the matching rule's invariants over arbitrary input.
#include "match_invariants.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (const char* broken = match_invariants::checkBytes(data, size)) {
        std::fprintf(stderr, "broken invariant: %s\n", broken);
        std::abort();
    }
    return 0;
}
