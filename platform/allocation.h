// The plain allocator every buffer of the core comes from, and AllocOrAbort for
// the places where running out of memory must end the program.
#pragma once
#include <cstddef>

void* PlainAlloc(size_t size);
void PlainFree(void* block);

// Never returns null: on failure the abort hook runs (the Win32 shell shows
// "There is not enough memory, aborting", runs SaveAndQuit and ends the process).
void* AllocOrAbort(size_t size);
using AbortHook = void (*)();
void SetAbortHook(AbortHook hook);

// Tests: make the allocation after `successes` more succeed fail, once.
// A negative value switches failure injection off.
void FailAllocationAfter(int successes);
