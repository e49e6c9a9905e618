// The program keeps its text as char16_t, the platform's wide functions take
// wchar_t: on Windows both are the same UTF-16 units, so a pointer is only
// looked at as the other type.
#pragma once

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t holds UTF-16 units");

inline const wchar_t* AsWide(const char16_t* units) { return reinterpret_cast<const wchar_t*>(units); }
inline wchar_t* AsWide(char16_t* units) { return reinterpret_cast<wchar_t*>(units); }
inline const char16_t* AsUnits(const wchar_t* units) { return reinterpret_cast<const char16_t*>(units); }
