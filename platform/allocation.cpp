#include "platform/allocation.h"

#include <cstdlib>

namespace {
AbortHook abortHook = nullptr;
int allocationsBeforeFailure = -1;

bool InjectedFailure() {
    if (allocationsBeforeFailure < 0) return false;
    if (allocationsBeforeFailure == 0) {
        allocationsBeforeFailure = -1;
        return true;
    }
    --allocationsBeforeFailure;
    return false;
}
}  // namespace

void* PlainAlloc(size_t size) {
    if (InjectedFailure()) return nullptr;
    return std::malloc(size == 0 ? 1 : size);
}

void PlainFree(void* block) { std::free(block); }

void* AllocOrAbort(size_t size) {
    void* block = PlainAlloc(size);
    if (block) return block;
    if (abortHook) abortHook();
    // The hook ends the process; without one there is nothing sound left to do.
    std::abort();
}

void SetAbortHook(AbortHook hook) { abortHook = hook; }

void FailAllocationAfter(int successes) { allocationsBeforeFailure = successes; }
