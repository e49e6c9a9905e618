// GDI fonts that draw the book's letters in the face the user chose.
//
// Measured under Wine: a font asked for with character set 0 (ANSI) in a face
// that declares only the Hebrew code page, as the Culmus faces do, is replaced
// by another face, and a face without the letters draws boxes. So the font is
// asked for with the character set that lets the face itself be used, the
// face in the device context is checked to be the one asked for, and its
// glyphs are checked to cover the base's letters; when they do not, the font
// is made in the fallback face (view/display_font.h).
#pragma once
#include <windows.h>

#include <cstdint>

// How many of the base's 27 letters the font selected in dc has no glyph for
// (0 for a base below the space, which has no letters to check).
int MissingLetterGlyphs(HDC dc, int32_t letterBase);
// A font of faceName that draws the base's letters, or of the fallback face
// when faceName cannot (or none when GDI makes no font at all). dc is used
// for the checks only; its selected font is left as it was.
HFONT CreateLetterFont(HDC dc, const char16_t* faceName, int32_t height, int32_t weight,
                       int32_t letterBase);
// Whether CreateLetterFont would make the font of faceName itself, not of the
// fallback face: the face is installed and draws the base's letters.
bool FaceDrawsLetters(HDC dc, const char16_t* faceName, int32_t letterBase);
