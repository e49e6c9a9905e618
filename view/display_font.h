// The font the book is drawn in while no font has been chosen, or when the
// chosen face cannot draw the letters.
#pragma once
#include <cstdint>

#include "view/article_view.h"

class TextDevice;

// The faces the fallback is taken from, best first. Each is common on one of
// the systems the reader runs on and has the Hebrew letters: David, the
// Hebrew book face, where Windows has its Hebrew fonts; Segoe UI, which every
// Windows from 7 on has and draws clearly at screen sizes; Arial, Tahoma and
// Times New Roman, which older or trimmed Windows keep; then the faces Linux
// systems (and Wine on them) carry.
inline constexpr const char16_t* kFallbackFaces[] = {
    u"David",
    u"Segoe UI",
    u"Arial",
    u"Tahoma",
    u"Times New Roman",
    u"Noto Sans Hebrew",
    u"DejaVu Sans",
    u"FreeSans",
    u"Liberation Sans",
};
// When no face of the list draws the letters: no name, so the font mapper
// chooses a face by the character set the letters are asked for in.
constexpr char16_t kNoFallbackFace[] = u"";
// Its size in points. With no size the normal text would take the font
// mapper's small default while the subtitle's small size becomes 14 points,
// larger than the title above it.
constexpr int32_t kFallbackFontSize = 14;

// The first face of kFallbackFaces that device finds installed and drawing
// every letter of letterBase, else kNoFallbackFace.
const char16_t* ChooseFallbackFace(TextDevice& device, int32_t letterBase);
// The fallback face for letterBase (0, a first run's base, counts as the
// Unicode base): chosen on device when first needed and kept in AppSettings
// until a font of another base asks.
const char16_t* FallbackFace(TextDevice& device, int32_t letterBase);

// fontSpec as the view should draw it: unchanged when it names a face, else
// with the fallback face for its base, and the fallback size when it has
// none. AppSettings keeps the empty face name until the user picks one, so
// the first-run font choice still comes and nothing unchosen is stored.
FontSpec DisplayFontSpec(const FontSpec& fontSpec, TextDevice& device);
