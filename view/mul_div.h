// Scaling by a ratio with the rounding of the Win32 MulDiv, for font heights
// in device units on any platform.
#pragma once
#include <cstdint>

// a × b ÷ c computed in 64 bits and rounded half away from zero; −1 when c is 0
// or the result does not fit 32 bits (as MulDiv reports both).
int32_t MulDiv(int32_t a, int32_t b, int32_t c);
